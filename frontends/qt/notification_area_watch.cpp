#include "frontends/qt/notification_area_watch.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QGuiApplication>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "frontends/qt/notification_icons.h"

namespace quillpad::qt {
namespace {

// The XEmbed tray of the first screen, and the message a new tray announces itself with.
constexpr char kTraySelection[] = "_NET_SYSTEM_TRAY_S0";
constexpr char kManager[] = "MANAGER";
constexpr char kStatusNotifierWatcher[] = "org.kde.StatusNotifierWatcher";

std::uint32_t Atom(xcb_connection_t* connection, const char* name) {
  const auto cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply ? reply->atom : std::uint32_t{XCB_ATOM_NONE};
}

// Adds structure events of a window to those this program already receives from it.
void WatchStructure(xcb_connection_t* connection, xcb_window_t window) {
  const std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
      xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window),
                                      nullptr),
      &std::free);
  if (!attributes) return;
  const std::uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
}

}  // namespace

NotificationAreaWatch::NotificationAreaWatch(Handler on_change)
    : on_change_(std::move(on_change)),
      present_(NotificationIcons::Available()),
      host_watcher_(kStatusNotifierWatcher, QDBusConnection::sessionBus(),
                    QDBusServiceWatcher::WatchForOwnerChange) {
  connect(&host_watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
          &NotificationAreaWatch::RecheckSoon);
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr) return;
  connection_ = x11->connection();
  tray_selection_ = Atom(connection_, kTraySelection);
  manager_ = Atom(connection_, kManager);
  // A new tray tells the root window; the tray in place is watched for its end.
  WatchStructure(connection_, xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root);
  WatchTrayOwner();
  QCoreApplication::instance()->installNativeEventFilter(this);
}

NotificationAreaWatch::~NotificationAreaWatch() {
  if (connection_ != nullptr) QCoreApplication::instance()->removeNativeEventFilter(this);
}

void NotificationAreaWatch::WatchTrayOwner() {
  const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
      xcb_get_selection_owner_reply(connection_,
                                    xcb_get_selection_owner(connection_, tray_selection_), nullptr),
      &std::free);
  tray_owner_ = owner ? owner->owner : std::uint32_t{XCB_WINDOW_NONE};
  if (tray_owner_ != XCB_WINDOW_NONE) WatchStructure(connection_, tray_owner_);
  xcb_flush(connection_);
}

bool NotificationAreaWatch::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
  if (type != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  switch (event->response_type & 0x7f) {
    case XCB_CLIENT_MESSAGE: {
      const auto* client = static_cast<const xcb_client_message_event_t*>(message);
      if (client->type == manager_ && client->data.data32[1] == tray_selection_) {
        WatchTrayOwner();
        RecheckSoon();
      }
      break;
    }
    case XCB_DESTROY_NOTIFY:
      if (static_cast<const xcb_destroy_notify_event_t*>(message)->window == tray_owner_) {
        tray_owner_ = XCB_WINDOW_NONE;
        RecheckSoon();
      }
      break;
    default:
      break;
  }
  return false;
}

void NotificationAreaWatch::RecheckSoon() {
  QTimer::singleShot(0, this, [this] {
    const bool present = NotificationIcons::Available();
    if (present == present_) return;
    present_ = present;
    on_change_(present);
  });
}

}  // namespace quillpad::qt
