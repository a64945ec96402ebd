#include "tray/tray_icon.h"

#include <gtest/gtest.h>

#include "fakes/recording_desktop.h"
#include "fakes/recording_window.h"
#include "tray/tray_event.h"

namespace quillpad {
namespace {

using testing::RecordingDesktop;
using testing::RecordingWindow;
using Log = std::vector<std::string>;

constexpr MenuId kPopup{7};

class TrayIconTest : public ::testing::Test {
 protected:
  void MouseMoveAtPixel(float pixel) { icon.OnMouseMove(pixel * desktop.twips_per_pixel); }

  Log log;
  RecordingWindow window{log};
  RecordingDesktop desktop{log};
  TrayIcon icon{window, desktop, kPopup};
};

TEST_F(TrayIconTest, TheIconOffersThePopUpMenuWhereTheDesktopShowsTheMenuItself) {
  EXPECT_EQ(window.notification_icon_menu, kPopup);
}

TEST_F(TrayIconTest, HideHidesTheWindowThenAddsAFreshlyFilledIcon) {
  window.handle = 0x55;
  icon.HideOwner();
  EXPECT_EQ(log, (Log{"window.Hide", "desktop.NotifyIcon add"}));
  EXPECT_EQ(icon.record().window, 0x55u);
  EXPECT_EQ(desktop.records.back(), ToNarrow(icon.record()));
}

TEST_F(TrayIconTest, WithoutANotificationAreaHideMinimisesInstead) {
  desktop.tray_available = false;
  icon.HideOwner();
  EXPECT_EQ(log, (Log{"window.Minimize"}));
}

TEST_F(TrayIconTest, WhenTheIconIsRefusedTheWindowStaysReachable) {
  desktop.accept_icon = false;
  icon.HideOwner();
  EXPECT_EQ(log, (Log{"window.Hide", "desktop.NotifyIcon add", "window.Show", "window.Minimize"}));
}

TEST_F(TrayIconTest, DoubleClickShowsTheWindowThenDeletesTheIconAsLastFilled) {
  icon.Add();
  const NarrowTrayRecord added = desktop.records.back();
  window.handle = 0x9999;  // a delete names the icon by the record as filled, not anew
  log.clear();
  MouseMoveAtPixel(kTrayLeftDoubleClick);
  EXPECT_EQ(log, (Log{"window.Show", "desktop.NotifyIcon delete"}));
  EXPECT_EQ(desktop.records.back(), added);
}

TEST_F(TrayIconTest, RestoreBringsTheWindowBackAsADoubleClickDoesAndOnlyFromTheIcon) {
  icon.Add();
  log.clear();
  icon.Restore();
  EXPECT_EQ(log, (Log{"window.Show", "desktop.NotifyIcon delete"}));
  log.clear();
  icon.Restore();
  MouseMoveAtPixel(kTrayLeftDoubleClick);
  EXPECT_EQ(log, Log{});
}

TEST_F(TrayIconTest, RightButtonReleaseOpensThePopUpMenuAndNothingElse) {
  icon.Add();
  log.clear();
  MouseMoveAtPixel(kTrayRightButtonUp);
  EXPECT_EQ(log, (Log{"window.PopupMenu 7"}));
}

TEST_F(TrayIconTest, OtherMouseEventsOnTheIconDoNothing) {
  icon.Add();
  log.clear();
  for (float code : {512.0f, 513.0f, 514.0f, 516.0f, 518.0f, 0.0f, 326.0f}) MouseMoveAtPixel(code);
  EXPECT_EQ(log, Log{});
}

TEST_F(TrayIconTest, DecodesWithTheDesktopsTwipsPerPixel) {
  desktop.twips_per_pixel = 12.0f;  // 120 dots per inch
  icon.Add();
  log.clear();
  icon.OnMouseMove(515 * 12.0f);
  EXPECT_EQ(log.front(), "window.Show");
}

TEST_F(TrayIconTest, WithoutTheIconMovesAtTheEventColumnsDoNothing) {
  MouseMoveAtPixel(kTrayLeftDoubleClick);
  MouseMoveAtPixel(kTrayRightButtonUp);
  EXPECT_EQ(log, Log{});
}

TEST_F(TrayIconTest, ARefusedIconReportsNoEvents) {
  desktop.accept_icon = false;
  icon.Add();
  log.clear();
  MouseMoveAtPixel(kTrayRightButtonUp);
  EXPECT_EQ(log, Log{});
}

TEST_F(TrayIconTest, ARestoredWindowsOwnMovesDoNothing) {
  icon.Add();
  MouseMoveAtPixel(kTrayLeftDoubleClick);
  log.clear();
  MouseMoveAtPixel(kTrayLeftDoubleClick);
  MouseMoveAtPixel(kTrayRightButtonUp);
  EXPECT_EQ(log, Log{});
}

TEST_F(TrayIconTest, ANewNotificationAreaGetsTheIconBackWhileHidden) {
  icon.HideOwner();
  window.handle = 0x77;
  log.clear();
  icon.OnNotificationAreaCreated();
  EXPECT_EQ(log, (Log{"desktop.NotifyIcon add"}));
  EXPECT_EQ(icon.record().window, 0x77u);
}

TEST_F(TrayIconTest, ANewNotificationAreaAddsNothingWhileShown) {
  icon.Add();
  MouseMoveAtPixel(kTrayLeftDoubleClick);
  log.clear();
  icon.OnNotificationAreaCreated();
  EXPECT_EQ(log, Log{});
}

TEST_F(TrayIconTest, WhenTheAreaGoesAwayTheHiddenWindowIsShownAndTheIconDropped) {
  icon.HideOwner();
  log.clear();
  icon.OnNotificationAreaGone();
  EXPECT_EQ(log, (Log{"window.Show", "desktop.NotifyIcon delete"}));
  MouseMoveAtPixel(kTrayLeftDoubleClick);  // no icon is left to report
  EXPECT_EQ(log.size(), 2u);
}

TEST_F(TrayIconTest, WhenTheAreaComesBackTheWindowGoesBackIntoIt) {
  icon.HideOwner();
  icon.OnNotificationAreaGone();
  window.handle = 0x77;
  log.clear();
  icon.OnNotificationAreaCreated();
  EXPECT_EQ(log, (Log{"window.Hide", "desktop.NotifyIcon add"}));
  EXPECT_EQ(icon.record().window, 0x77u);
  log.clear();
  MouseMoveAtPixel(kTrayLeftDoubleClick);
  EXPECT_EQ(log, (Log{"window.Show", "desktop.NotifyIcon delete"}));
}

TEST_F(TrayIconTest, AnAreaGoingAwayLeavesAShownWindowAlone) {
  icon.Add();
  MouseMoveAtPixel(kTrayLeftDoubleClick);
  log.clear();
  icon.OnNotificationAreaGone();
  icon.OnNotificationAreaCreated();
  EXPECT_EQ(log, Log{});
}

TEST_F(TrayIconTest, AWindowShownByTheAreaGoingAwayReturnsOnlyOnce) {
  icon.HideOwner();
  icon.OnNotificationAreaGone();
  icon.OnNotificationAreaCreated();
  MouseMoveAtPixel(kTrayLeftDoubleClick);
  log.clear();
  icon.OnNotificationAreaCreated();
  EXPECT_EQ(log, Log{});
}

TEST_F(TrayIconTest, WhenTheNewAreaRefusesTheIconTheWindowStaysReachable) {
  icon.HideOwner();
  desktop.accept_icon = false;
  log.clear();
  icon.OnNotificationAreaCreated();
  EXPECT_EQ(log, (Log{"desktop.NotifyIcon add", "window.Show", "window.Minimize"}));
}

}  // namespace
}  // namespace quillpad
