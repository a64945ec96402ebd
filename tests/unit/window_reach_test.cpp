#include "core/window_reach.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillpad {
namespace {

// The main window's outer size at 96 dots per inch, title bar and menu included.
constexpr float kWidth = 4890;
constexpr float kHeight = 7800;
// 1280 x 800 less a 32-pixel panel at the top.
const ScreenRect kLaptop{0, 480, 19200, 11520};
// A second monitor to its right, 1920 x 1080.
const ScreenRect kMonitor{19200, 0, 28800, 16200};

ScreenRect At(float left, float top) {
  return {left, top, kWidth, kHeight};
}

std::optional<ScreenRect> Stored(ScreenRect window, std::vector<ScreenRect> areas = {kLaptop}) {
  return PlaceWithinReach(window, areas, PlaceOrigin::kStored);
}

TEST(WindowReach, AStoredPlaceTheUserCanGrabAndUseStays) {
  EXPECT_EQ(Stored(At(7365, 1020)), std::nullopt);
  // Partly beyond an edge, as the user may leave it.
  EXPECT_EQ(Stored(At(-120, 1020)), std::nullopt);
  EXPECT_EQ(Stored(At(19200 - kWidth / 2, 480 - 120)), std::nullopt);
  EXPECT_EQ(Stored(At(7365, 480 + 11520 - kHeight / 2)), std::nullopt);
  // Across two monitors, half on one of them.
  EXPECT_EQ(Stored(At(19200 - kWidth / 2, 2000), {kLaptop, kMonitor}), std::nullopt);
}

TEST(WindowReach, AStoredPlaceOffEveryScreenComesWhollyOntoTheNearest) {
  // Saved while a monitor to the right was attached.
  EXPECT_EQ(Stored(At(30000, 1020)), At(19200 - kWidth, 1020));
  EXPECT_EQ(Stored(At(7365, -9000)), At(7365, 480));
  EXPECT_EQ(Stored(At(-30000, 30000)), At(0, 480 + 11520 - kHeight));
  // The nearest of two is the one it is brought onto.
  EXPECT_EQ(Stored(At(60000, 2000), {kLaptop, kMonitor}), At(19200 + 28800 - kWidth, 2000));
}

TEST(WindowReach, AStoredPlaceMostlyOffScreenOrWithItsTitleBarOutOfReachComesBack) {
  // Less than half its width on the screen.
  EXPECT_EQ(Stored(At(19200 - 2000, 1020)), At(19200 - kWidth, 1020));
  // The strip it is dragged by above the screen, under the panel.
  EXPECT_EQ(Stored(At(7365, 480 - 200)), At(7365, 480));
}

TEST(WindowReach, TheFirstPlaceStaysOnlyWhereItIsWhollyOnTheScreen) {
  const auto first = [](ScreenRect window, ScreenRect area) {
    const std::vector<ScreenRect> areas{area};
    return PlaceWithinReach(window, areas, PlaceOrigin::kFirst);
  };
  EXPECT_EQ(first(At(7365, 1020), kLaptop), std::nullopt);
  // 1280 x 1024 at 200 %: every box and "!" beyond the right edge.
  EXPECT_EQ(first(At(7365, 1020), {0, 0, 9600, 7680}), At(9600 - kWidth, 0));
  // 1366 x 768 at 150 %, less a panel: lower than the screen, so its top comes first.
  EXPECT_EQ(first(At(7365, 1020), {0, 0, 13650, 7200}), At(7365, 0));
}

TEST(WindowReach, ALargerWindowKeepsItsTopLeftCornerOnTheScreen) {
  const ScreenRect tiny{0, 0, 3000, 3000};
  EXPECT_EQ(Stored(At(9000, 9000), {tiny}), At(0, 0));
}

TEST(WindowReach, WithNoScreenKnownEveryPlaceStays) {
  EXPECT_EQ(Stored(At(30000, -9000), {}), std::nullopt);
}

}  // namespace
}  // namespace quillpad
