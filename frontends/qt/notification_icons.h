#pragma once

#include <QIcon>
#include <QSystemTrayIcon>
#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "core/desktop.h"
#include "tray/activation_pairing.h"

namespace quillpad::qt {

// Notification-area icons, added and deleted by the shell's narrow record, shown through
// the toolkit's tray support (XEmbed or StatusNotifierItem, whichever the desktop has).
class NotificationIcons {
 public:
  using ActivationHandler = std::function<void(TrayActivation)>;

  NativeHandle RegisterIcon(const QIcon& icon);
  void OnActivated(ActivationHandler handler) { on_activated_ = std::move(handler); }

  static bool Available();
  bool Send(NotifyIconMessage message, const NarrowTrayRecord& record);

  // The icon shown for a window's id, or null.
  const QSystemTrayIcon* Shown(NativeHandle window, std::uint32_t id) const;

 private:
  using Key = std::pair<NativeHandle, std::uint32_t>;

  std::map<NativeHandle, QIcon> icons_;
  std::map<Key, std::unique_ptr<QSystemTrayIcon>> shown_;
  ActivationHandler on_activated_;
  bool reporting_ = false;
};

}  // namespace quillpad::qt
