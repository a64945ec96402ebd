#include "frontends/qt/display_answer.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
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

// A compositor listens on a socket in the user's runtime folder, unless named by its path.
std::string WaylandSocket(std::string_view name) {
  if (name.starts_with('/')) return std::string(name);
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  return runtime == nullptr || *runtime == '\0' ? std::string()
                                                : std::string(runtime) + "/" + std::string(name);
}

bool WaylandDisplayAnswers(std::string_view name) {
  const std::string path = name.empty() ? std::string() : WaylandSocket(name);
  sockaddr_un address{};
  if (path.empty() || path.size() >= sizeof(address.sun_path)) return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int connection = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (connection < 0) return false;
  const bool answers =
      connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
  close(connection);
  return answers;
}

}  // namespace

DisplaysAnswering DisplaysAnswer(const SessionDisplays& session) {
  return {.wayland = WaylandDisplayAnswers(session.wayland), .x11 = XDisplayAnswers(session.x11)};
}

}  // namespace quillpad::qt
