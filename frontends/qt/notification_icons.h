#pragma once

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "core/desktop.h"
#include "frontends/qt/notification_area_watch.h"
#include "tray/activation_pairing.h"

namespace quillpad::qt {

// Notification-area icons, added and deleted by the shell's narrow record, shown through
// the toolkit's tray support (XEmbed or StatusNotifierItem, whichever the desktop has).
class NotificationIcons : public QObject {
 public:
  using ActivationHandler = std::function<void(TrayActivation)>;
  // The menu an icon offers, by its owner window's handle; null for none.
  using MenuOfOwner = std::function<QMenu*(NativeHandle owner)>;

  NotificationIcons();

  // The handle of one of the program's icons, by its artwork name; the same name always
  // gives the same handle.
  NativeHandle IconHandle(std::string_view artwork);
  void OnActivated(ActivationHandler handler) { on_activated_ = std::move(handler); }
  void SetMenuOfOwner(MenuOfOwner menu_of_owner) { menu_of_owner_ = std::move(menu_of_owner); }
  // Reports from now on when the desktop's notification area goes away and comes back.
  void OnAreaChanged(std::function<void(bool present)> handler);

  static bool Available();
  bool Send(NotifyIconMessage message, const NarrowTrayRecord& record);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using Key = std::pair<NativeHandle, std::uint32_t>;

  void Report(TrayActivation activation);

  std::map<std::string, NativeHandle, std::less<>> handles_;
  std::map<NativeHandle, QIcon> icons_;
  std::map<Key, std::unique_ptr<QSystemTrayIcon>> shown_;
  ActivationHandler on_activated_;
  MenuOfOwner menu_of_owner_;
  std::unique_ptr<NotificationAreaWatch> area_watch_;
  bool reporting_ = false;
};

}  // namespace quillpad::qt
