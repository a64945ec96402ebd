#include "core/display_platform.h"

#include <algorithm>

namespace quillpad {
namespace {

std::string_view Value(EnvironmentReader environment, const char* variable) {
  const char* value = environment(variable);
  return value == nullptr ? std::string_view() : std::string_view(value);
}

bool NamesPlatform(std::string_view argument) {
  return argument == "-platform" || argument == "--platform" ||
         argument.starts_with("-platform=") || argument.starts_with("--platform=");
}

std::string Quoted(std::string_view name) {
  return "«" + std::string(name) + "»";
}

}  // namespace

SessionDisplays SessionFrom(std::span<char* const> arguments, EnvironmentReader environment) {
  const bool on_command_line =
      std::any_of(arguments.begin(), arguments.end(),
                  [](const char* argument) { return NamesPlatform(argument); });
  return {.wayland = Value(environment, "WAYLAND_DISPLAY"),
          .x11 = Value(environment, "DISPLAY"),
          .platform_chosen = on_command_line || !Value(environment, "QT_QPA_PLATFORM").empty()};
}

bool RunsAsX11Client(const SessionDisplays& session, const DisplaysAnswering& answering) {
  return !session.wayland.empty() && !session.x11.empty() && answering.x11 &&
         !session.platform_chosen;
}

std::string NoDesktopMessage(const SessionDisplays& session, const DisplaysAnswering& answering) {
  const bool x11 = !session.x11.empty();
  const bool wayland = !session.wayland.empty();
  if (session.platform_chosen || (x11 && answering.x11) || (wayland && answering.wayland)) {
    return {};
  }
  const std::string needs = "Quillpad нужен графический рабочий стол";
  if (!x11 && !wayland) return needs + ", а дисплей не задан: переменная DISPLAY пуста.";
  if (x11 && wayland) {
    return needs + ": не удаётся подключиться ни к дисплею " + Quoted(session.x11) +
           ", ни к дисплею Wayland " + Quoted(session.wayland) + ".";
  }
  return needs + ": не удаётся подключиться к дисплею " +
         (x11 ? Quoted(session.x11) : "Wayland " + Quoted(session.wayland)) + ".";
}

}  // namespace quillpad
