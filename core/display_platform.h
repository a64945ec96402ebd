#pragma once

#include <span>

namespace quillpad {

// The displays a desktop session offers, and whether the user named a toolkit platform
// (in the environment or on the command line) for this start.
struct SessionDisplays {
  bool wayland = false;
  bool x11 = false;
  bool platform_chosen = false;
};

// Reads an environment variable: null where it is not set.
using EnvironmentReader = const char* (*)(const char* name);

// The session as the environment and the command line describe it.
SessionDisplays SessionFrom(std::span<char* const> arguments, EnvironmentReader environment);

// Whether to run as an X client where the toolkit would pick Wayland: only on X can the
// program keep its window above others, put it back where it was and dock its icon as
// everywhere else. Without an X display it stays on Wayland; a platform the user named
// always stands.
bool RunsAsX11Client(const SessionDisplays& session);

}  // namespace quillpad
