#include "main_window/form1.h"

#include <gtest/gtest.h>

#include <optional>

#include "core/controls_when_shown.h"
#include "core/profile_entries.h"
#include "fakes/recording_desktop.h"
#include "fakes/recording_window.h"

namespace quillpad {
namespace {

using testing::RecordingDesktop;
using testing::RecordingWindow;
using Log = std::vector<std::string>;

std::string Visibility(Form1Control control, bool visible) {
  return "window.SetVisible " + std::to_string(static_cast<int>(control)) + (visible ? " 1" : " 0");
}

Log Without(const Log& log, const std::string& prefix) {
  Log kept;
  for (const auto& entry : log) {
    if (entry.rfind(prefix, 0) != 0) kept.push_back(entry);
  }
  return kept;
}

class Form1Test : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop.windows.Add("Form1", nullptr, [this] { form.Form_Unload(); });
  }

  void Store(const Text& key, const Text& value) {
    desktop.settings[{u"Quillpad", u"Setting", key}] = value;
  }
  Text Stored(const Text& key) { return desktop.settings.at({u"Quillpad", u"Setting", key}); }
  Text TextOf(Form1Control control) { return window.texts[Id(control)]; }

  Log log;
  RecordingWindow window{log};
  RecordingDesktop desktop{log};
  Form1 form{window, desktop};
};

TEST_F(Form1Test, StartupPinsHidesAddsTheIconLoadsAndLeavesTheAuthorsDetailsOnShow) {
  window.handle = 0xABC;
  form.Form_Load();
  const Log steps = Without(Without(log, "desktop.ReadSetting"), "desktop.ExecutableBaseName");
  Log expected = {
      // Nothing stored: the window stays where its definition put it, unmoved.
      "desktop.KeepOnTop 2748",
      "window.Hide",
      "desktop.NotifyIcon add",
  };
  const std::string add_item =
      "window.AddItem " + std::to_string(static_cast<int>(Id(Form1Control::Combo1)));
  expected.insert(expected.end(), 31, add_item);
  const Log hidden = {
      Visibility(Form1Control::Combo1, false),    Visibility(Form1Control::Command18, false),
      Visibility(Form1Control::Command19, false), Visibility(Form1Control::Text15, false),
      Visibility(Form1Control::Text17, false),    Visibility(Form1Control::Label16, false),
      Visibility(Form1Control::Label17, false),   Visibility(Form1Control::Label18, false),
      Visibility(Form1Control::Label19, false),   Visibility(Form1Control::Label20, false),
      Visibility(Form1Control::Label21, false),   Visibility(Form1Control::Label22, false),
      Visibility(Form1Control::Label23, false),   Visibility(Form1Control::Label24, false),
      Visibility(Form1Control::Command20, false),
  };
  expected.insert(expected.end(), hidden.begin(), hidden.end());
  EXPECT_EQ(steps, expected);
  // The profile is read between adding the icon and hiding the program's details.
  const auto first_read = std::find_if(log.begin(), log.end(), [](const std::string& entry) {
    return entry.rfind("desktop.ReadSetting", 0) == 0;
  });
  EXPECT_EQ(*(first_read - 2), "desktop.NotifyIcon add");
  EXPECT_EQ(std::count_if(log.begin(), log.end(),
                          [](const std::string& entry) {
                            return entry.rfind("desktop.ReadSetting", 0) == 0;
                          }),
            25);
}

TEST_F(Form1Test, StartupLoadsEveryFieldIntoItsBoxProgramFieldsIncluded) {
  Store(u"name", u"Иван");
  Store(u"lastname", u"Петров");
  Store(u"prgvers", u"2.1");
  Store(u"comments", u"one\r\ntwo");
  Store(u"prgo", u"short");
  form.Form_Load();
  EXPECT_EQ(TextOf(Form1Control::Text4), u"Иван");
  EXPECT_EQ(TextOf(Form1Control::Text1), u"Петров");
  EXPECT_EQ(TextOf(Form1Control::Text15), u"2.1");
  EXPECT_EQ(TextOf(Form1Control::Text16), u"one\r\ntwo");
  EXPECT_EQ(TextOf(Form1Control::Text23), u"short");
}

TEST_F(Form1Test, ButtonsSwitchPagesCopyTheFieldOnShowAndOpenTheChosenCatalogue) {
  form.Form_Load();
  window.texts[Id(Form1Control::Text3)] = u"Company";
  window.texts[Id(Form1Control::Text18)] = u"Program";
  window.texts[Id(Form1Control::Combo1)] = u"https://www.softonic.com/";
  const auto click = [&](Form1Control button) { form.Control_Click(Id(button)); };
  click(Form1Control::Command4);
  EXPECT_EQ(desktop.clipboard, u"Company");
  click(Form1Control::Command17);
  click(Form1Control::Command4);
  EXPECT_EQ(desktop.clipboard, u"Program");
  click(Form1Control::Command16);
  click(Form1Control::Command4);
  EXPECT_EQ(desktop.clipboard, u"Company");
  click(Form1Control::Command18);
  EXPECT_EQ(desktop.opened, std::vector<Text>{u"https://www.softonic.com/"});
  EXPECT_EQ(window.items[Id(Form1Control::Combo1)].size(), 31u);
}

TEST_F(Form1Test, ExitingWithTheAboutWindowOpenUnloadsItFirstThenSavesAndEnds) {
  form.MenuItem_Click(IdOf<MenuItemId>(Form1MenuItem::or_));
  form.MenuItem_Click(IdOf<MenuItemId>(Form1MenuItem::or_));
  ASSERT_EQ(desktop.windows.Count(), 2);
  log.clear();
  EXPECT_THROW(form.vrr_Click(), ProcessEnded);
  EXPECT_EQ(log[0], "desktop.UnloadWindow 1");
  EXPECT_EQ(log[1], "desktop.unloaded Form2");
  EXPECT_EQ(log[2], "desktop.UnloadWindow 0");
  EXPECT_EQ(desktop.settings.size(), 25u);
  EXPECT_EQ(log.back(), "desktop.EndProcess");
}

TEST_F(Form1Test, StartupWithNoNotificationAreaShowsTheWindowOnceEverythingIsLoaded) {
  desktop.accept_icon = false;
  form.Form_Load();
  EXPECT_EQ(Without(log, "desktop.ExecutableBaseName").back(), "window.Show");
  EXPECT_EQ(std::count(log.begin(), log.end(), "window.Show"), 1);
}

TEST_F(Form1Test, AProfileNotReadWholeIsToldOnceTheProgramIsReachable) {
  desktop.read_report.outcome = {
      ProfileRead::kDamaged, ProfileHolder::kFile, u"/cfg/Q.ini", {}, u"/cfg/Q-1.ini"};
  form.Form_Load();
  const Log steps = Without(Without(log, "desktop.ReadSetting"), "desktop.ExecutableBaseName");
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0], ProfileReadNotice(desktop.read_report));
  EXPECT_EQ(steps.back(), "desktop.MsgBox exclamation");
  EXPECT_LT(std::find(steps.begin(), steps.end(), "desktop.NotifyIcon add"), steps.end() - 1);
}

TEST_F(Form1Test, HideAddsExactlyOneIconAndDoubleClickRestoresAndRemovesIt) {
  form.Form_Load();
  form.TrayIcon_Activated(TrayActivation::kDoubleClick, 0, 400);
  log.clear();
  form.MenuItem_Click(IdOf<MenuItemId>(Form1MenuItem::cr));
  EXPECT_EQ(log, (Log{"window.Hide", "desktop.NotifyIcon add"}));
  log.clear();
  form.TrayIcon_Activated(TrayActivation::kDoubleClick, 5000, 400);
  EXPECT_EQ(log, (Log{"window.Show", "desktop.NotifyIcon delete"}));
}

TEST_F(Form1Test, TheIconsHostActivationRestoresAtOnce) {
  form.Form_Load();
  log.clear();
  form.TrayIcon_Activated(TrayActivation::kHostActivation, 0, 400);
  EXPECT_EQ(log, (Log{"window.Show", "desktop.NotifyIcon delete"}));
}

TEST_F(Form1Test, HiddenThenLeftFromTheTrayItStoresWhereItWasLastOnTheScreen) {
  form.Form_Load();
  form.TrayIcon_Activated(TrayActivation::kHostActivation, 0, 400);
  window.top = 3000;
  form.MenuItem_Click(IdOf<MenuItemId>(Form1MenuItem::cr));
  // The window manager moves the hidden window's client to its frame's corner.
  window.top = 3000 - 555;
  EXPECT_THROW(form.MenuItem_Click(IdOf<MenuItemId>(Form1MenuItem::ex)), ProcessEnded);
  EXPECT_EQ(Stored(u"top"), u"3000");
}

TEST_F(Form1Test, AStoredPlaceOffEveryScreenIsBroughtOnScreenWhenRestored) {
  desktop.work_areas = {{0, 0, 19200, 12000}};
  Store(u"left", u"30000");
  form.Form_Load();
  form.TrayIcon_Activated(TrayActivation::kHostActivation, 0, 400);
  EXPECT_THROW(form.MenuItem_Click(IdOf<MenuItemId>(Form1MenuItem::vrr)), ProcessEnded);
  EXPECT_EQ(Stored(u"left"), u"14310");
}

TEST_F(Form1Test, TheIconsContextRequestOpensThePopUpMenu) {
  form.Form_Load();
  log.clear();
  form.TrayIcon_Activated(TrayActivation::kContextMenu, 0, 400);
  EXPECT_EQ(log, (Log{"window.PopupMenu " + std::to_string(static_cast<int>(Form1Menu::pop))}));
}

TEST_F(Form1Test, RealMovesOverTheWindowNeverRestoreOrOpenTheMenu) {
  for (float x = 0; x < 4890.0f; x += 7.5f) form.Form_MouseMove(0, 0, x, 100.0f);
  EXPECT_EQ(log, Log{});
}

TEST_F(Form1Test, RealMovesNeverRestoreOrOpenTheMenuOnAScaledScreen) {
  desktop.twips_per_pixel = 7.5f;  // 192 dots per inch: the window is 652 pixels wide
  form.Form_Load();
  form.TrayIcon_Activated(TrayActivation::kDoubleClick, 0, 400);
  log.clear();
  for (float x = 0; x < 4890.0f; x += 7.5f) form.Form_MouseMove(0, 0, x, 100.0f);
  EXPECT_EQ(log, Log{});
}

TEST_F(Form1Test, ARestartedNotificationAreaGetsTheIconBackWhileHidden) {
  form.Form_Load();
  log.clear();
  form.NotificationArea_Created();
  EXPECT_EQ(log, (Log{"desktop.NotifyIcon add"}));
}

TEST_F(Form1Test, ALostNotificationAreaShowsTheWindowUntilAnotherComes) {
  form.Form_Load();
  log.clear();
  form.NotificationArea_Gone();
  EXPECT_EQ(log, (Log{"window.Show", "desktop.NotifyIcon delete"}));
  log.clear();
  form.NotificationArea_Created();
  EXPECT_EQ(log, (Log{"window.Hide", "desktop.NotifyIcon add"}));
}

TEST_F(Form1Test, MenuExitSavesAll25EntriesAndEnds) {
  window.texts[Id(Form1Control::Text12)] = u"author@example.org";
  window.top = 735;
  EXPECT_THROW(form.MenuItem_Click(IdOf<MenuItemId>(Form1MenuItem::vrr)), ProcessEnded);
  EXPECT_EQ(desktop.settings.size(), 25u);
  EXPECT_EQ(Stored(u"email"), u"author@example.org");
  EXPECT_EQ(Stored(u"top"), u"735");
  EXPECT_EQ(log.back(), "desktop.EndProcess");
  EXPECT_EQ(std::count(log.begin(), log.end(), "desktop.NotifyIcon delete"), 0);
}

TEST_F(Form1Test, TheIconOffersThePopUpMenuWithTheTrayExitToDesktopsThatShowItThemselves) {
  EXPECT_EQ(window.notification_icon_menu, IdOf<MenuId>(Form1Menu::pop));
}

TEST_F(Form1Test, TrayExitRemovesTheIconFirstThenSavesAndEnds) {
  form.Form_Load();
  log.clear();
  EXPECT_THROW(form.MenuItem_Click(IdOf<MenuItemId>(Form1MenuItem::ex)), ProcessEnded);
  EXPECT_EQ(log.front(), "desktop.NotifyIcon delete");
  EXPECT_EQ(log[1], "desktop.UnloadWindow 0");
  EXPECT_EQ(log.back(), "desktop.EndProcess");
  EXPECT_EQ(desktop.settings.size(), 25u);
}

TEST_F(Form1Test, TheThreeWaysOutLeaveTheSameValuesInTheStore) {
  const auto stored_after = [&](auto way_out) {
    desktop.settings.clear();
    desktop.windows = {};
    desktop.windows.Add("Form1", nullptr, [this] { form.Form_Unload(); });
    window.texts[Id(Form1Control::Text17)] = u"full\ndescription";
    EXPECT_THROW(way_out(), ProcessEnded);
    return desktop.settings;
  };
  const auto closed = stored_after([&] { desktop.UnloadWindow(0); });
  const auto menu = stored_after([&] { form.vrr_Click(); });
  const auto tray = stored_after([&] { form.ex_Click(); });
  EXPECT_EQ(closed, menu);
  EXPECT_EQ(closed, tray);
}

TEST_F(Form1Test, AFailedSaveAfterTheTrayExitBringsTheWindowBackWithItsText) {
  form.Form_Load();
  window.texts[Id(Form1Control::Text4)] = u"typed";
  desktop.fail_flush = true;
  log.clear();
  EXPECT_THROW(form.ex_Click(), PlatformError);
  EXPECT_EQ(log.back(), "window.Show");
  EXPECT_EQ(TextOf(Form1Control::Text4), u"typed");
  desktop.fail_flush = false;
  EXPECT_THROW(form.vrr_Click(), ProcessEnded);
  EXPECT_EQ(Stored(u"name"), u"typed");
}

TEST_F(Form1Test, StartedAgainWhileHiddenTheWindowComesUpAsFromTheIcon) {
  form.Form_Load();
  log.clear();
  EXPECT_EQ(form.Form_StartedAgain(false), StartedAgainAnswer::kWindowUp);
  EXPECT_EQ(log, (Log{"window.Show", "desktop.NotifyIcon delete"}));
}

TEST_F(Form1Test, StartedAgainWhileShownTheWindowStaysAsItIs) {
  form.Form_Load();
  form.TrayIcon_Activated(TrayActivation::kHostActivation, 0, 400);
  log.clear();
  EXPECT_EQ(form.Form_StartedAgain(false), StartedAgainAnswer::kWindowUp);
  EXPECT_EQ(log, Log{});
}

TEST_F(Form1Test, StartedAgainWithAMessageOpenOnlyTheMessageIsToComeForward) {
  form.Form_Load();
  log.clear();
  EXPECT_EQ(form.Form_StartedAgain(true), StartedAgainAnswer::kMessageUp);
  EXPECT_EQ(log, Log{});
  // The window still comes up from its icon once the message is answered.
  EXPECT_EQ(form.Form_StartedAgain(false), StartedAgainAnswer::kWindowUp);
  EXPECT_EQ(log, (Log{"window.Show", "desktop.NotifyIcon delete"}));
}

TEST_F(Form1Test, StartedAgainWhileEndingNothingIsDoneAndTheOtherStartWaits) {
  form.Form_Load();
  window.texts[Id(Form1Control::Text4)] = u"typed";
  std::optional<StartedAgainAnswer> during_save;
  desktop.during_flush = [&] {
    const std::size_t before = log.size();
    during_save = form.Form_StartedAgain(false);
    EXPECT_EQ(log.size(), before);
  };
  EXPECT_THROW(form.ex_Click(), ProcessEnded);
  EXPECT_EQ(during_save, StartedAgainAnswer::kEnding);
  EXPECT_EQ(Stored(u"name"), u"typed");
}

TEST_F(Form1Test, StartedAgainAfterAFailedSaveTheRunGoesOnAndAnswers) {
  form.Form_Load();
  desktop.fail_flush = true;
  EXPECT_THROW(form.vrr_Click(), PlatformError);
  EXPECT_EQ(form.Form_StartedAgain(false), StartedAgainAnswer::kWindowUp);
  desktop.fail_flush = false;
  form.Run_Ended();
  EXPECT_EQ(form.Form_StartedAgain(false), StartedAgainAnswer::kEnding);
}

TEST(Form1WithControlsWhenShownTest, ARunThatNeverShowsTheWindowSavesWhatItRead) {
  Log log;
  RecordingWindow window{log};
  RecordingDesktop desktop{log};
  bool made = false;
  ControlsWhenShown controls_when_shown(window, kForm1Controls, [&] { made = true; });
  Form1 form{controls_when_shown, desktop};
  desktop.windows.Add("Form1", nullptr, [&] { form.Form_Unload(); });
  for (const StoreEntry& entry : kStoreEntries) {
    desktop.settings[{u"Quillpad", u"Setting", Text(entry.key)}] =
        entry.is_position ? Text(u"735") : Text(entry.key) + u" one\r\ntwo";
  }
  const auto read = desktop.settings;
  form.Form_Load();
  EXPECT_THROW(form.ex_Click(), ProcessEnded);
  EXPECT_FALSE(made);
  EXPECT_EQ(desktop.settings, read);
  // Nothing reached a control that was never made.
  EXPECT_TRUE(window.texts.empty());
  for (const char* control_request : {"window.GetText", "window.SetVisible", "window.Visible",
                                      "window.AddItem", "window.SetTextColour"}) {
    EXPECT_EQ(Without(log, control_request), log);
  }
}

}  // namespace
}  // namespace quillpad
