#include "core/display_platform.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace quillpad {
namespace {

TEST(DisplayPlatform, WaylandWithAnXDisplayRunsAsAnXClient) {
  EXPECT_TRUE(RunsAsX11Client({.wayland = true, .x11 = true}));
}

TEST(DisplayPlatform, WaylandAloneStaysOnWayland) {
  EXPECT_FALSE(RunsAsX11Client({.wayland = true, .x11 = false}));
}

TEST(DisplayPlatform, AnXSessionIsLeftToTheToolkit) {
  EXPECT_FALSE(RunsAsX11Client({.wayland = false, .x11 = true}));
}

TEST(DisplayPlatform, APlatformTheUserNamedStands) {
  EXPECT_FALSE(RunsAsX11Client({.wayland = true, .x11 = true, .platform_chosen = true}));
}

// The environment a test sets, read as the program reads its own.
std::map<std::string, std::string> environment;

const char* Read(const char* name) {
  const auto found = environment.find(name);
  return found == environment.end() ? nullptr : found->second.c_str();
}

SessionDisplays Session(std::map<std::string, std::string> variables,
                        std::vector<const char*> arguments = {"quillpad"}) {
  environment = std::move(variables);
  std::vector<char*> argv;
  for (const char* argument : arguments) argv.push_back(const_cast<char*>(argument));
  return SessionFrom(argv, &Read);
}

TEST(SessionFrom, ReadsTheDisplaysFromTheEnvironment) {
  const SessionDisplays session = Session({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":1"}});
  EXPECT_TRUE(session.wayland);
  EXPECT_TRUE(session.x11);
  EXPECT_FALSE(session.platform_chosen);
}

TEST(SessionFrom, AnEmptyVariableOffersNothing) {
  const SessionDisplays session =
      Session({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}});
  EXPECT_FALSE(session.x11);
  EXPECT_FALSE(session.platform_chosen);
}

TEST(SessionFrom, ThePlatformIsChosenInTheEnvironmentOrOnTheCommandLine) {
  EXPECT_TRUE(Session({}, {"quillpad", "-platform", "wayland"}).platform_chosen);
  EXPECT_TRUE(Session({}, {"quillpad", "--platform=wayland"}).platform_chosen);
  EXPECT_FALSE(Session({}, {"quillpad", "-display", ":1"}).platform_chosen);
  EXPECT_TRUE(Session({{"QT_QPA_PLATFORM", "wayland"}}).platform_chosen);
}

}  // namespace
}  // namespace quillpad
