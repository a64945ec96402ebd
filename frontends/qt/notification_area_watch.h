#pragma once

#include <QAbstractNativeEventFilter>
#include <QDBusServiceWatcher>
#include <QObject>
#include <cstdint>
#include <functional>

struct xcb_connection_t;

namespace quillpad::qt {

// Tells when the desktop's notification area goes away (its panel ends) and when one comes
// back, which the toolkit's tray icon does not: an XEmbed tray by the owner of its screen
// selection, a StatusNotifierItem host by its watcher's name on the session bus.
class NotificationAreaWatch : public QObject, public QAbstractNativeEventFilter {
 public:
  using Handler = std::function<void(bool present)>;

  explicit NotificationAreaWatch(Handler on_change);
  ~NotificationAreaWatch() override;

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

 private:
  void WatchTrayOwner();
  // The toolkit learns of the change from the same event after this filter, so it is asked
  // about the area once it has.
  void RecheckSoon();

  Handler on_change_;
  bool present_;
  QDBusServiceWatcher host_watcher_;
  xcb_connection_t* connection_ = nullptr;
  std::uint32_t tray_selection_ = 0;
  std::uint32_t manager_ = 0;
  std::uint32_t tray_owner_ = 0;
};

}  // namespace quillpad::qt
