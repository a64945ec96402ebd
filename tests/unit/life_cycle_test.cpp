#include "core/life_cycle.h"

#include <gtest/gtest.h>

#include "fakes/recording_desktop.h"
#include "fakes/recording_window.h"

namespace quillpad {
namespace {

using testing::RecordingDesktop;
using testing::RecordingWindow;

class LifeCycleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The main window's unload saves and ends; a second window just goes.
    desktop.windows.Add("Form1", nullptr, [this] { run_end.SaveAndExit(); });
    desktop.windows.Add("Form2", nullptr, [this] { log.push_back("About unloaded"); });
  }

  std::vector<std::string> Tail(std::size_t count) {
    return {log.end() - static_cast<std::ptrdiff_t>(count), log.end()};
  }

  std::vector<std::string> log;
  RecordingWindow window{log};
  RecordingDesktop desktop{log};
  FieldBoxes boxes{};
  RunEnd run_end{window, desktop, boxes};

  Text Stored(const Text& key) { return desktop.settings.at({u"Quillpad", u"Setting", key}); }
  long Saves() { return std::count(log.begin(), log.end(), "desktop.FlushSettings Quillpad"); }
};

TEST_F(LifeCycleTest, UnloadingAllWindowsGoesFromTheLastLoadedAndEndsThroughTheMainWindow) {
  EXPECT_THROW(UnloadAllWindows(desktop), ProcessEnded);
  EXPECT_EQ(log[0], "desktop.UnloadWindow 1");
  EXPECT_EQ(log[1], "About unloaded");
  EXPECT_EQ(log[2], "desktop.UnloadWindow 0");
  // The main window's own walk finds it already unloading, then the process ends.
  EXPECT_EQ(Tail(3), (std::vector<std::string>{"desktop.FlushSettings Quillpad",
                                               "desktop.UnloadWindow 0", "desktop.EndProcess"}));
}

TEST_F(LifeCycleTest, ClosingTheMainWindowSavesOnceUnloadsTheOthersAndEndsLast) {
  EXPECT_THROW(desktop.UnloadWindow(0), ProcessEnded);
  EXPECT_EQ(std::count(log.begin(), log.end(), "desktop.FlushSettings Quillpad"), 1);
  EXPECT_EQ(Tail(5), (std::vector<std::string>{"desktop.FlushSettings Quillpad",
                                               "desktop.UnloadWindow 1", "About unloaded",
                                               "desktop.UnloadWindow 0", "desktop.EndProcess"}));
  EXPECT_EQ(desktop.settings.size(), kStoreEntryCount);
}

TEST_F(LifeCycleTest, AFailedSaveEndsNothingAndShowsTheMainWindow) {
  desktop.fail_flush = true;
  window.texts[ControlId{}] = u"typed";
  try {
    run_end.SaveAndExit();
    FAIL() << "a failed save must be reported";
  } catch (const PlatformError& error) {
    EXPECT_NE(std::string(error.what()).find("disk full"), std::string::npos);
  }
  EXPECT_EQ(Tail(2), (std::vector<std::string>{"desktop.FlushSettings Quillpad", "window.Show"}));
  EXPECT_EQ(desktop.windows.Count(), 2);
  EXPECT_EQ(window.texts[ControlId{}], u"typed");
}

TEST_F(LifeCycleTest, AnExitAfterAFailedSaveTriesAgainAndSucceeds) {
  desktop.fail_flush = true;
  EXPECT_THROW(UnloadAllWindows(desktop), PlatformError);
  desktop.fail_flush = false;
  EXPECT_THROW(UnloadAllWindows(desktop), ProcessEnded);
  EXPECT_EQ(desktop.settings.size(), kStoreEntryCount);
  EXPECT_EQ(log.back(), "desktop.EndProcess");
}

TEST_F(LifeCycleTest, TheSaveOnAnyEndOfTheLoopWritesWhatSaveAndExitWrites) {
  window.texts[ControlId{}] = u"typed";
  run_end.Ended();
  EXPECT_EQ(Saves(), 1);
  EXPECT_EQ(desktop.settings.size(), kStoreEntryCount);
  EXPECT_EQ(Stored(u"name"), u"typed");
  // Nothing else: the windows stay as they are and the process is not ended from here.
  EXPECT_EQ(log.back(), "desktop.FlushSettings Quillpad");
  EXPECT_EQ(desktop.windows.Count(), 2);
}

TEST_F(LifeCycleTest, TheSaveOnAnyEndOfTheLoopIsMadeOnce) {
  run_end.Ended();
  run_end.Ended();
  EXPECT_EQ(Saves(), 1);
}

TEST_F(LifeCycleTest, TheSaveOnAnyEndOfTheLoopIsNotMadeAgainAfterSaveAndExit) {
  EXPECT_THROW(UnloadAllWindows(desktop), ProcessEnded);
  run_end.Ended();
  EXPECT_EQ(Saves(), 1);
}

TEST_F(LifeCycleTest, TheSaveOnAnyEndOfTheLoopIsMadeAfterAFailedSaveAndExit) {
  desktop.fail_flush = true;
  EXPECT_THROW(UnloadAllWindows(desktop), PlatformError);
  desktop.fail_flush = false;
  run_end.Ended();
  EXPECT_EQ(Saves(), 2);
  EXPECT_EQ(desktop.settings.size(), kStoreEntryCount);
}

TEST_F(LifeCycleTest, AFailedSaveOnTheEndOfTheLoopIsReportedAndMayBeTriedAgain) {
  desktop.fail_flush = true;
  EXPECT_THROW(run_end.Ended(), PlatformError);
  desktop.fail_flush = false;
  run_end.Ended();
  EXPECT_EQ(desktop.settings.size(), kStoreEntryCount);
}

TEST_F(LifeCycleTest, ASaveTheSessionAsksForLeavesTheRunGoingAndTheEndSavesAgain) {
  window.texts[ControlId{}] = u"before";
  run_end.SaveNow();
  EXPECT_EQ(log.back(), "desktop.FlushSettings Quillpad");
  EXPECT_EQ(desktop.windows.Count(), 2);
  window.texts[ControlId{}] = u"after";
  EXPECT_THROW(UnloadAllWindows(desktop), ProcessEnded);
  EXPECT_EQ(Saves(), 2);
  EXPECT_EQ(Stored(u"name"), u"after");
}

}  // namespace
}  // namespace quillpad
