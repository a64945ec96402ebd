#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quillpad {

// The displays a desktop session offers, by the names the environment gives them ("" where
// none), and whether the user named a toolkit platform (in the environment or on the
// command line) for this start.
struct SessionDisplays {
  std::string_view wayland = {};
  std::string_view x11 = {};
  bool platform_chosen = false;
};

// Which of the session's displays let the program connect.
struct DisplaysAnswering {
  bool wayland = false;
  bool x11 = false;
};

// Reads an environment variable: null where it is not set.
using EnvironmentReader = const char* (*)(const char* name);

// The session as the environment and the command line describe it.
SessionDisplays SessionFrom(std::span<char* const> arguments, EnvironmentReader environment);

// Whether to run as an X client where the toolkit would pick Wayland: only on X can the
// program keep its window above others, put it back where it was and dock its icon as
// everywhere else. Without an X display that answers it stays on Wayland; a platform the
// user named always stands.
bool RunsAsX11Client(const SessionDisplays& session, const DisplaysAnswering& answering);

// The one line that tells a user started away from any desktop why the program cannot run,
// naming the displays it tried; empty when one of them answers, and where the user named a
// platform, which then speaks for itself.
std::string NoDesktopMessage(const SessionDisplays& session, const DisplaysAnswering& answering);

}  // namespace quillpad
