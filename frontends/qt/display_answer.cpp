#include "frontends/qt/display_answer.h"

#include <wayland-client.h>
#include <xcb/xcb.h>

#include <string>

namespace quillpad::qt {
namespace {

bool XDisplayAnswers(std::string_view name) {
  if (name.empty()) return false;
  xcb_connection_t* connection = xcb_connect(std::string(name).c_str(), nullptr);
  const bool answers = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return answers;
}

bool WaylandDisplayAnswers(std::string_view name) {
  if (name.empty()) return false;
  wl_display* display = wl_display_connect(std::string(name).c_str());
  if (display == nullptr) return false;
  wl_display_disconnect(display);
  return true;
}

}  // namespace

DisplaysAnswering DisplaysAnswer(const SessionDisplays& session) {
  return {.wayland = WaylandDisplayAnswers(session.wayland), .x11 = XDisplayAnswers(session.x11)};
}

}  // namespace quillpad::qt
