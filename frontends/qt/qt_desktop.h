#pragma once

#include <functional>
#include <vector>

#include "core/desktop.h"
#include "core/loaded_windows.h"
#include "frontends/qt/form_window.h"
#include "frontends/qt/ini_settings.h"
#include "frontends/qt/notification_icons.h"

namespace quillpad::qt {

// The desktop services on a Qt desktop: the real tray, the settings file, the window list.
class QtDesktop : public Desktop {
 public:
  QtDesktop();

  // The running executable's file name without folder and extension.
  static QString ProgramName();

  NotificationIcons& notification_icons() { return icons_; }

  // Creates a window by its definition's name, or returns null for a name it does not know;
  // the window is added to the loaded ones by the factory.
  using WindowFactory = std::function<FormWindow*(std::string_view name)>;
  void SetWindowFactory(WindowFactory factory) { factory_ = std::move(factory); }

  // Adds a window to the loaded windows; `unload` is its unload handler.
  void AddLoadedWindow(FormWindow& window, std::function<void()> unload);
  // Where the window stands in the loaded windows, for unloading it on request.
  int IndexOf(const FormWindow& window) const;

  bool ended() const { return ended_; }

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
  // The desktop keeps pinned windows in front of the others, also of one just shown.
  void RaisePinnedWindows();

  WindowFactory factory_;
  NotificationIcons icons_;
  IniSettings settings_;
  LoadedWindows<FormWindow*> windows_;
  bool ended_ = false;
};

}  // namespace quillpad::qt
