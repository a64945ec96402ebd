#include "core/display_platform.h"

#include <algorithm>
#include <string_view>

namespace quillpad {
namespace {

bool IsSet(EnvironmentReader environment, const char* variable) {
  const char* value = environment(variable);
  return value != nullptr && *value != '\0';
}

bool NamesPlatform(std::string_view argument) {
  return argument == "-platform" || argument == "--platform" ||
         argument.starts_with("-platform=") || argument.starts_with("--platform=");
}

}  // namespace

SessionDisplays SessionFrom(std::span<char* const> arguments, EnvironmentReader environment) {
  const bool on_command_line =
      std::any_of(arguments.begin(), arguments.end(),
                  [](const char* argument) { return NamesPlatform(argument); });
  return {.wayland = IsSet(environment, "WAYLAND_DISPLAY"),
          .x11 = IsSet(environment, "DISPLAY"),
          .platform_chosen = on_command_line || IsSet(environment, "QT_QPA_PLATFORM")};
}

bool RunsAsX11Client(const SessionDisplays& session) {
  return session.wayland && session.x11 && !session.platform_chosen;
}

}  // namespace quillpad
