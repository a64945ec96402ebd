#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/profile_read.h"
#include "core/screen_rect.h"
#include "core/text.h"
#include "core/window.h"
#include "core/xml_reading.h"

namespace quillpad {

inline constexpr std::size_t kNarrowTrayRecordSize = 88;
using NarrowTrayRecord = std::array<std::uint8_t, kNarrowTrayRecordSize>;

enum class NotifyIconMessage : std::uint32_t { kAdd = 0, kDelete = 2 };

enum class MsgBoxStyle : std::uint8_t { kExclamation, kYesNoQuestion };
enum class MsgBoxResult : std::uint8_t { kOk, kYes, kNo };
inline constexpr TextView kYesCaption = u"Да";
inline constexpr TextView kNoCaption = u"Нет";

// The desktop services the handlers use, and nothing more. Requests whose result the
// program may ignore (pinning, the notification icon, shell open) report it and never throw; the
// clipboard, the settings store and the window list throw PlatformError when they fail.
class Desktop {
 public:
  virtual ~Desktop() = default;

  // The system clipboard; both throw PlatformError when the clipboard cannot be had, and
  // ClipboardHeld when another program holds it.
  virtual void ClearClipboard() = 0;
  virtual void SetClipboardText(const Text& text) = 0;

  // Hands a web address or a mailto: link to the desktop's handler for it, exactly as
  // given, with `owner` (0: none) as the owner of anything it shows. The result is the
  // shell's: above 32 for success.
  virtual std::int32_t ShellOpen(NativeHandle owner, const Text& target) = 0;

  // Pins the window above all others without moving, resizing or activating it.
  virtual bool KeepOnTop(NativeHandle window) = 0;

  // Whether the desktop has a notification area at all.
  virtual bool TrayAvailable() = 0;
  virtual bool NotifyIcon(NotifyIconMessage message, const NarrowTrayRecord& record) = 0;

  virtual float TwipsPerPixelX() = 0;

  // What each screen leaves to windows, less its panels; none where that is not known.
  virtual std::vector<ScreenRect> ScreenWorkAreas() = 0;

  // The running executable's file name without folder and extension: the store's
  // application name.
  virtual Text ExecutableBaseName() = 0;

  // The user's decimal separator, for the stored window position.
  virtual char16_t DecimalSeparator() = 0;

  // The per-user settings store: a missing key reads as `fallback`. Writes are staged
  // until Flush, which puts them on disk at once, whole, or throws.
  virtual Text ReadSetting(const Text& application, const Text& section, const Text& key,
                           const Text& fallback) = 0;
  virtual void WriteSetting(const Text& application, const Text& section, const Text& key,
                            const Text& value) = 0;
  virtual void FlushSettings(const Text& application) = 0;
  // How the application's profile was found when it was first read: whole, unreadable and
  // kept as it is, or read with losses, and which values were kept as stored.
  virtual ProfileReadReport ReportProfileRead(const Text& application) = 0;

  // Shows a message to the user and waits for the answer, kept above the pinned windows. A
  // question's buttons read kYesCaption, the default, and kNoCaption; Escape answers no.
  virtual MsgBoxResult MsgBox(const Text& prompt, MsgBoxStyle style) = 0;

  // Reads a file the user gave as XML, refusing it unread when it is larger than
  // `max_bytes`; never throws.
  virtual XmlReading ReadXmlFile(const Text& path, std::uint64_t max_bytes) = 0;

  // A loaded window by its definition's name, or null.
  virtual Window* FindLoadedWindow(std::string_view name) = 0;
  // Creates the named window from its definition, hidden, and adds it to the loaded ones.
  virtual Window& LoadWindow(std::string_view name) = 0;

  // The loaded windows, in the order they were loaded; the main window is index 0.
  // Unloading a window runs its unload handler; unloading one that is already being
  // unloaded does nothing.
  virtual int LoadedWindowCount() = 0;
  virtual void UnloadWindow(int index) = 0;

  // Ends the process at once by throwing ProcessEnded.
  [[noreturn]] virtual void EndProcess() = 0;
};

}  // namespace quillpad
