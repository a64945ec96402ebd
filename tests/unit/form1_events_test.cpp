#include "main_window/form1_events.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "fakes/recording_desktop.h"
#include "fakes/recording_window.h"
#include "tray/tray_event.h"

namespace quillpad {
namespace {

using testing::RecordingDesktop;
using testing::RecordingWindow;
using Log = std::vector<std::string>;

class Form1EventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop.windows.Add("Form1", nullptr, [this] { form.Form_Unload(); });
  }

  // What the events since the last call left in the log.
  Log Taken() {
    Log taken;
    taken.swap(log);
    return taken;
  }

  Log log;
  RecordingWindow window{log};
  RecordingDesktop desktop{log};
  Form1 form{window, desktop};
  int runs = 0;
  const MainWindowEvents events = Form1Events(form, desktop, [this](const auto& handler) {
    ++runs;
    handler();
  });
};

TEST_F(Form1EventsTest, ACloseRequestUnloadsWindowZeroWhichSavesAndEnds) {
  EXPECT_THROW(events.window.close_requested(), ProcessEnded);
  EXPECT_EQ(log.front(), "desktop.UnloadWindow 0");
  EXPECT_EQ(desktop.settings.size(), 25u);
  EXPECT_EQ(log.back(), "desktop.EndProcess");
  EXPECT_EQ(runs, 1);
}

TEST_F(Form1EventsTest, AnotherStartReachesItsHandlerThroughTheBoundaryWithItsAnswer) {
  events.load();
  Taken();
  EXPECT_EQ(events.started_again(true), StartedAgainAnswer::kMessageUp);
  EXPECT_EQ(events.started_again(false), StartedAgainAnswer::kWindowUp);
  EXPECT_EQ(Taken(), (Log{"window.Show", "desktop.NotifyIcon delete"}));
  EXPECT_EQ(runs, 3);
  // A boundary that runs nothing, as once the process has ended, leaves the run ending.
  const MainWindowEvents ended = Form1Events(form, desktop, [](const auto&) {});
  EXPECT_EQ(ended.started_again(false), StartedAgainAnswer::kEnding);
}

TEST_F(Form1EventsTest, TheWindowsOwnEventsReachTheirHandlersThroughTheBoundary) {
  events.load();
  EXPECT_EQ(desktop.LoadedWindowCount(), 1);
  Taken();
  window.texts[Id(Form1Control::Text3)] = u"Company";
  events.window.click(Id(Form1Control::Command4));
  EXPECT_EQ(desktop.clipboard, u"Company");
  events.window.menu_item(IdOf<MenuItemId>(Form1MenuItem::or_));
  EXPECT_EQ(desktop.LoadedWindowCount(), 2);
  Taken();
  events.window.mouse_move(kTrayRightButtonUp * desktop.twips_per_pixel, 0);
  EXPECT_EQ(Taken(), Log{"window.PopupMenu " + std::to_string(static_cast<int>(Form1Menu::pop))});
  EXPECT_EQ(runs, 4);
}

TEST_F(Form1EventsTest, FilesDroppedOnTheWindowReachTheirHandlerThroughTheBoundary) {
  events.window.files_dropped({u"/a.xml", u"/b.xml"});
  EXPECT_EQ(Taken(), Log{"desktop.MsgBox exclamation"});
  events.window.files_dropped({u"/a.xml"});
  EXPECT_EQ(Taken(), (Log{"desktop.ReadXmlFile /a.xml 4194304", "desktop.MsgBox exclamation"}));
  EXPECT_EQ(runs, 2);
}

TEST_F(Form1EventsTest, TheIconsAndTheNotificationAreasEventsReachTheirHandlers) {
  events.load();
  Taken();
  events.tray_activated(TrayActivation::kContextMenu, 0, 400);
  EXPECT_EQ(Taken(), Log{"window.PopupMenu " + std::to_string(static_cast<int>(Form1Menu::pop))});
  events.notification_area_changed(false);
  EXPECT_EQ(Taken(), (Log{"window.Show", "desktop.NotifyIcon delete"}));
  events.notification_area_changed(true);
  EXPECT_EQ(Taken(), (Log{"window.Hide", "desktop.NotifyIcon add"}));
  events.window.notification_area_created();
  EXPECT_EQ(Taken(), Log{"desktop.NotifyIcon add"});
  EXPECT_EQ(runs, 5);
}

TEST_F(Form1EventsTest, TheSessionsSaveRequestAndTheRunsEndSaveTheFields) {
  events.window.session_save_requested();
  EXPECT_EQ(desktop.settings.size(), 25u);
  desktop.settings.clear();
  events.window.run_ended();
  EXPECT_EQ(desktop.settings.size(), 25u);
  EXPECT_EQ(std::count(log.begin(), log.end(), "desktop.EndProcess"), 0);
  EXPECT_EQ(runs, 2);
}

}  // namespace
}  // namespace quillpad
