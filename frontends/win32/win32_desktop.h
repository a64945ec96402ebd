#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "core/desktop.h"
#include "core/loaded_windows.h"
#include "frontends/win32/form_window.h"
#include "frontends/win32/registry_settings.h"

namespace quillpad::win32 {

// The desktop services on Windows: the shell's notification area, the registry, the
// clipboard and the program's windows.
class Win32Desktop : public Desktop {
 public:
  // The running executable's file name without folder and extension.
  static std::wstring ProgramName();

  // Creates a window by its definition's name, or returns null for a name it does not know;
  // the window is added to the loaded ones by the factory.
  using WindowFactory = std::function<FormWindow*(std::string_view name)>;
  void SetWindowFactory(WindowFactory factory) { factory_ = std::move(factory); }

  // Adds a window to the loaded windows, which then own it; `unload` is its unload handler.
  FormWindow& AddLoadedWindow(std::unique_ptr<FormWindow> window, std::function<void()> unload);
  // Where the window stands in the loaded windows, for unloading it on request.
  int IndexOf(const FormWindow& window) const;

  // The keyboard of the window that a message is for.
  bool TranslateKeys(MSG& message) const;
  // Frees the windows unloaded since the last call, once no message of theirs is running.
  void ReleaseUnloaded() { unloaded_.clear(); }

  bool ended() const { return ended_; }
  // What to tell the user, once, about a profile or values that could not be read; empty
  // when none.

  void ClearClipboard() override;
  void SetClipboardText(const Text& text) override;
  std::int32_t ShellOpen(NativeHandle owner, const Text& target) override;
  bool KeepOnTop(NativeHandle window) override;
  bool TrayAvailable() override;
  bool NotifyIcon(NotifyIconMessage message, const NarrowTrayRecord& record) override;
  float TwipsPerPixelX() override;
  std::vector<ScreenRect> ScreenWorkAreas() override;
  Text ExecutableBaseName() override;
  char16_t DecimalSeparator() override;
  Text ReadSetting(const Text& application, const Text& section, const Text& key,
                   const Text& fallback) override;
  void WriteSetting(const Text& application, const Text& section, const Text& key,
                    const Text& value) override;
  void FlushSettings(const Text& application) override;
  ProfileReadReport ReportProfileRead(const Text& application) override;
  MsgBoxResult MsgBox(const Text& prompt, MsgBoxStyle style) override;
  XmlReading ReadXmlFile(const Text& path, std::uint64_t max_bytes) override;
  Window* FindLoadedWindow(std::string_view name) override;
  Window& LoadWindow(std::string_view name) override;
  int LoadedWindowCount() override;
  void UnloadWindow(int index) override;
  [[noreturn]] void EndProcess() override;

 private:
  HWND ClipboardOwner() const;

  WindowFactory factory_;
  RegistrySettings settings_;
  LoadedWindows<std::unique_ptr<FormWindow>> windows_;
  std::vector<std::unique_ptr<FormWindow>> unloaded_;
  bool ended_ = false;
};

}  // namespace quillpad::win32
