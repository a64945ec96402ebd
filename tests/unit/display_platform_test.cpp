#include "core/display_platform.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace quillpad {
namespace {

constexpr DisplaysAnswering kBoth{.wayland = true, .x11 = true};

TEST(DisplayPlatform, WaylandWithAnXDisplayRunsAsAnXClient) {
  EXPECT_TRUE(RunsAsX11Client({.wayland = "wayland-0", .x11 = ":1"}, kBoth));
}

TEST(DisplayPlatform, WaylandAloneStaysOnWayland) {
  EXPECT_FALSE(RunsAsX11Client({.wayland = "wayland-0", .x11 = ""}, kBoth));
}

TEST(DisplayPlatform, AnXDisplayThatDoesNotAnswerLeavesItOnWayland) {
  EXPECT_FALSE(RunsAsX11Client({.wayland = "wayland-0", .x11 = ":9"}, {.wayland = true}));
}

TEST(DisplayPlatform, AnXSessionIsLeftToTheToolkit) {
  EXPECT_FALSE(RunsAsX11Client({.wayland = "", .x11 = ":1"}, kBoth));
}

TEST(DisplayPlatform, APlatformTheUserNamedStands) {
  EXPECT_FALSE(
      RunsAsX11Client({.wayland = "wayland-0", .x11 = ":1", .platform_chosen = true}, kBoth));
}

TEST(NoDesktopMessage, NoneWhileADisplayAnswers) {
  EXPECT_EQ(NoDesktopMessage({.x11 = ":1"}, {.x11 = true}), "");
  EXPECT_EQ(NoDesktopMessage({.wayland = "wayland-0", .x11 = ":9"}, {.wayland = true}), "");
}

TEST(NoDesktopMessage, NamesTheXDisplayThatDidNotAnswer) {
  EXPECT_EQ(NoDesktopMessage({.x11 = ":99"}, {}),
            "Quillpad нужен графический рабочий стол: не удаётся подключиться к дисплею «:99».");
}

TEST(NoDesktopMessage, NamesTheWaylandDisplayThatDidNotAnswer) {
  EXPECT_EQ(NoDesktopMessage({.wayland = "wayland-5"}, {}),
            "Quillpad нужен графический рабочий стол: не удаётся подключиться к дисплею Wayland "
            "«wayland-5».");
}

TEST(NoDesktopMessage, NamesBothDisplaysWhenNeitherAnswers) {
  EXPECT_EQ(NoDesktopMessage({.wayland = "wayland-5", .x11 = ":99"}, {}),
            "Quillpad нужен графический рабочий стол: не удаётся подключиться ни к дисплею "
            "«:99», ни к дисплею Wayland «wayland-5».");
}

TEST(NoDesktopMessage, SaysWhenNoDisplayIsNamed) {
  EXPECT_EQ(NoDesktopMessage({}, {}),
            "Quillpad нужен графический рабочий стол, а дисплей не задан: переменная DISPLAY "
            "пуста.");
}

TEST(NoDesktopMessage, APlatformTheUserNamedSpeaksForItself) {
  EXPECT_EQ(NoDesktopMessage({.platform_chosen = true}, {}), "");
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
  EXPECT_EQ(session.wayland, "wayland-0");
  EXPECT_EQ(session.x11, ":1");
  EXPECT_FALSE(session.platform_chosen);
}

TEST(SessionFrom, AnEmptyVariableOffersNothing) {
  const SessionDisplays session =
      Session({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}});
  EXPECT_EQ(session.x11, "");
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
