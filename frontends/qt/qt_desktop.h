#pragma once

#include <functional>
#include <vector>

#include "core/desktop.h"
#include "frontends/qt/form_window.h"
#include "frontends/qt/ini_settings.h"
#include "frontends/qt/notification_icons.h"

namespace quillpad::qt {

// The desktop services on a Qt desktop: the real tray, the settings file, the window list.
class QtDesktop : public Desktop {
 public:
  NotificationIcons& notification_icons() { return icons_; }

  // Adds a window to the loaded windows; `unload` is its unload handler.
  void AddLoadedWindow(FormWindow& window, std::function<void()> unload);

  bool ended() const { return ended_; }

  void ClearClipboard() override;
  void SetClipboardText(const Text& text) override;
  std::int32_t ShellOpen(NativeHandle owner, const Text& target) override;
  bool KeepOnTop(NativeHandle window) override;
  bool TrayAvailable() override;
  bool NotifyIcon(NotifyIconMessage message, const NarrowTrayRecord& record) override;
  float TwipsPerPixelX() override;
  Text ExecutableBaseName() override;
  char16_t DecimalSeparator() override;
  Text ReadSetting(const Text& application, const Text& section, const Text& key,
                   const Text& fallback) override;
  void WriteSetting(const Text& application, const Text& section, const Text& key,
                    const Text& value) override;
  void FlushSettings(const Text& application) override;
  int LoadedWindowCount() override;
  void UnloadWindow(int index) override;
  [[noreturn]] void EndProcess() override;

 private:
  struct LoadedWindow {
    FormWindow* window;
    std::function<void()> unload;
    bool unloading = false;
  };

  NotificationIcons icons_;
  IniSettings settings_;
  std::vector<LoadedWindow> windows_;
  bool ended_ = false;
};

}  // namespace quillpad::qt
