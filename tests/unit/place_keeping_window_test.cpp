#include "core/place_keeping_window.h"

#include <gtest/gtest.h>

#include "fakes/recording_desktop.h"
#include "fakes/recording_window.h"

namespace quillpad {
namespace {

using testing::RecordingDesktop;
using testing::RecordingWindow;

class PlaceKeepingWindowTest : public ::testing::Test {
 protected:
  std::vector<std::string> log;
  RecordingWindow window{log};
  RecordingDesktop desktop{log};
  PlaceKeepingWindow kept{window, desktop};
};

TEST_F(PlaceKeepingWindowTest, AHiddenWindowIsWhereItWasLastOnTheScreen) {
  kept.Show();
  window.top = 3000;
  window.left = 6000;
  kept.Hide();
  // The window manager keeps a hidden window's client at its frame's corner.
  window.top = 3000 - 555;
  EXPECT_EQ(kept.Top(), 3000);
  EXPECT_EQ(kept.Left(), 6000);
  kept.Show();
  window.top = 4000;
  EXPECT_EQ(kept.Top(), 4000);
}

TEST_F(PlaceKeepingWindowTest, BeforeItIsFirstShownItIsWhereItWasPut) {
  kept.Hide();
  EXPECT_EQ(kept.Top(), 1020);
  kept.SetTop(-120);
  kept.SetLeft(20000);
  window.top = 0;
  EXPECT_EQ(kept.Top(), -120);
  EXPECT_EQ(kept.Left(), 20000);
}

TEST_F(PlaceKeepingWindowTest, EachShowingFirstBringsThePlaceWithinReach) {
  desktop.work_areas = {{0, 0, 19200, 12000}};
  kept.Hide();
  kept.SetLeft(30000);
  log.clear();
  kept.Show();
  EXPECT_EQ(log, (std::vector<std::string>{"window.SetLeft 14310", "window.Show"}));
  // Moved off the screens while shown, by the user: left alone until shown again.
  window.top = -9000;
  kept.Hide();
  log.clear();
  kept.Show();
  EXPECT_EQ(log, (std::vector<std::string>{"window.SetTop 0", "window.Show"}));
}

TEST_F(PlaceKeepingWindowTest, APlaceTheUserLeftPartlyBeyondAnEdgeStaysAcrossShowings) {
  desktop.work_areas = {{0, 0, 19200, 12000}};
  kept.Show();
  window.left = 19200 - 2000;
  window.top = 6000;
  kept.Hide();
  log.clear();
  kept.Show();
  // Less than half its width on the screen is out of reach; more than half is not.
  EXPECT_EQ(log.front(), "window.SetLeft 14310");
  window.left = 19200 - 3000;
  kept.Hide();
  log.clear();
  kept.Show();
  EXPECT_EQ(log, (std::vector<std::string>{"window.Show"}));
}

TEST_F(PlaceKeepingWindowTest, WhereTheDesktopPlacesWindowsItselfNothingIsMoved) {
  desktop.work_areas = {{0, 0, 19200, 12000}};
  window.place_known = false;
  kept.Hide();
  kept.SetLeft(30000);
  log.clear();
  kept.Show();
  EXPECT_EQ(log, (std::vector<std::string>{"window.Show"}));
}

}  // namespace
}  // namespace quillpad
