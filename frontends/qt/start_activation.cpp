#include "frontends/qt/start_activation.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QList>
#include <QWindow>
#include <cstdlib>

namespace quillpad::qt {
namespace {

constexpr char kSeparator = '\t';

// The time of the user's action that started the program, as a startup notification id
// carries it ("..._TIME<timestamp>"); none when it carries none.
xcb_timestamp_t LaunchTime(const QByteArray& startup_id) {
  const qsizetype at = startup_id.lastIndexOf("_TIME");
  if (at < 0) return XCB_CURRENT_TIME;
  bool ok = false;
  const auto time = startup_id.mid(at + 5).toULong(&ok);
  return ok ? static_cast<xcb_timestamp_t>(time) : XCB_CURRENT_TIME;
}

// The X window manager is asked to activate the window as of the launch, the way a program it
// started itself would ask: its focus-stealing prevention then weighs the user's own action.
void ActivateOnX11(const QWidget& window, xcb_timestamp_t time) {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || window.windowHandle() == nullptr) return;
  xcb_connection_t* connection = x11->connection();
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  constexpr char kName[] = "_NET_ACTIVE_WINDOW";
  xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, sizeof(kName) - 1, kName), nullptr);
  if (atom == nullptr) return;
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = static_cast<xcb_window_t>(window.winId());
  event.type = atom->atom;
  event.data.data32[0] = 1;  // from an application
  event.data.data32[1] = time;
  std::free(atom);
  xcb_send_event(connection, 0, screen->root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(connection);
}

}  // namespace

StartActivation StartActivation::OfThisProcess() {
  return {qgetenv("XDG_ACTIVATION_TOKEN"), qgetenv("DESKTOP_STARTUP_ID")};
}

QByteArray StartActivation::ToLine() const {
  return xdg_activation_token + kSeparator + desktop_startup_id + '\n';
}

StartActivation StartActivation::FromLine(const QByteArray& line) {
  const QByteArray text = line.endsWith('\n') ? line.chopped(1) : line;
  const QList<QByteArray> parts = text.split(kSeparator);
  return {parts.value(0), parts.value(1)};
}

void BringToFront(QWidget& window, const StartActivation& activation) {
  if (window.isMinimized()) window.showNormal();
  // The toolkit's Wayland activation takes the token from the environment, once.
  if (!activation.xdg_activation_token.isEmpty()) {
    qputenv("XDG_ACTIVATION_TOKEN", activation.xdg_activation_token);
  }
  window.raise();
  window.activateWindow();
  if (!activation.desktop_startup_id.isEmpty()) {
    ActivateOnX11(window, LaunchTime(activation.desktop_startup_id));
  }
}

}  // namespace quillpad::qt
