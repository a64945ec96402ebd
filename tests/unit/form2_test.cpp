#include "about/form2.h"

#include <gtest/gtest.h>

#include "about/form2_events.h"
#include "fakes/recording_desktop.h"
#include "fakes/recording_window.h"

namespace quillpad {
namespace {

using testing::RecordingDesktop;
using testing::RecordingWindow;

class Form2Test : public ::testing::Test {
 protected:
  Colour ColourOf(Form2Control label) {
    const auto found = window.colours.find(Id(label));
    return found == window.colours.end() ? system_colour::kHighlightText : found->second;
  }
  std::pair<Colour, Colour> Links() {
    return {ColourOf(Form2Control::Label2), ColourOf(Form2Control::Label3)};
  }

  std::vector<std::string> log;
  RecordingWindow window{log};
  RecordingDesktop desktop{log};
  Form2 form{window, desktop};
};

constexpr Colour kNormal = system_colour::kHighlightText;

TEST_F(Form2Test, ALinkLightsUpUnderThePointerAndOnlyTheBackgroundPutsBothBack) {
  form.Control_MouseMove(Id(Form2Control::Label2));
  EXPECT_EQ(Links(), std::make_pair(kPureRed, kNormal));
  form.Control_MouseMove(Id(Form2Control::Label3));
  EXPECT_EQ(Links(), std::make_pair(kPureRed, kPureRed));
  form.Control_MouseMove(Id(Form2Control::Label1));  // the name changes nothing
  EXPECT_EQ(Links(), std::make_pair(kPureRed, kPureRed));
  form.Form_MouseMove(0, 0, 10, 10);
  EXPECT_EQ(Links(), std::make_pair(kNormal, kNormal));
}

TEST_F(Form2Test, EveryMoveSetsTheColourAgainMailLinkFirst) {
  form.Form_MouseMove(0, 0, 0, 0);
  form.Form_MouseMove(0, 0, 0, 0);
  const std::string label2 =
      "window.SetTextColour " + std::to_string(static_cast<int>(Id(Form2Control::Label2)));
  const std::string label3 =
      "window.SetTextColour " + std::to_string(static_cast<int>(Id(Form2Control::Label3)));
  const std::string normal = " " + std::to_string(kNormal);
  EXPECT_EQ(log, (std::vector<std::string>{label2 + normal, label3 + normal, label2 + normal,
                                           label3 + normal}));
}

TEST_F(Form2Test, TheMailLinkOpensAMessageWithTheSubjectOwnedByTheAboutWindow) {
  window.handle = 0x2002;
  form.Control_Click(Id(Form2Control::Label2));
  EXPECT_EQ(desktop.opened,
            std::vector<Text>{u"mailto:" + Text(kMakerEmail) + u"?subject=Quillpad v.1"});
  EXPECT_EQ(log.back().rfind("desktop.ShellOpen 8194 mailto:", 0), 0u);
}

TEST_F(Form2Test, TheWebLinkOpensTheSiteAsShownWithNoOwner) {
  form.Control_Click(Id(Form2Control::Label3));
  form.Control_Click(Id(Form2Control::Label1));
  EXPECT_EQ(desktop.opened, std::vector<Text>{Text(kMakerWeb)});
  EXPECT_EQ(log.back().rfind("desktop.ShellOpen 0 http", 0), 0u);
  EXPECT_EQ(kForm2Controls[2].caption, kMakerWeb);
  EXPECT_EQ(kForm2Controls[1].caption, kMakerEmail);
}

TEST_F(Form2Test, OpeningTwiceShowsTheSameWindowAndCreatesNoSecond) {
  Form2::Open(desktop);
  Form2::Open(desktop);
  EXPECT_EQ(std::count(log.begin(), log.end(), "desktop.LoadWindow Form2"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "window.Show"), 2);
  EXPECT_EQ(desktop.windows.Count(), 1);
}

TEST_F(Form2Test, AClosedAboutWindowIsCreatedAnewOnTheNextOpening) {
  Form2::Open(desktop);
  desktop.FindLoadedWindow("Form2")->SetTextColour(Id(Form2Control::Label2), kPureRed);
  desktop.UnloadWindow(0);
  Form2::Open(desktop);
  EXPECT_EQ(std::count(log.begin(), log.end(), "desktop.LoadWindow Form2"), 2);
  EXPECT_TRUE(static_cast<RecordingWindow*>(desktop.FindLoadedWindow("Form2"))->colours.empty());
}

TEST_F(Form2Test, EachEventReachesItsHandlerThroughTheBoundaryAndCloseUnloads) {
  int runs = 0;
  int unloads = 0;
  const WindowEvents events = Form2Events(
      form,
      [&](const std::function<void()>& handler) {
        ++runs;
        handler();
      },
      [&] { ++unloads; });
  events.control_mouse_move(Id(Form2Control::Label3));
  EXPECT_EQ(Links(), std::make_pair(kNormal, kPureRed));
  events.mouse_move(5, 5);
  EXPECT_EQ(Links(), std::make_pair(kNormal, kNormal));
  events.click(Id(Form2Control::Label3));
  EXPECT_EQ(desktop.opened, std::vector<Text>{Text(kMakerWeb)});
  events.close_requested();
  EXPECT_EQ(unloads, 1);
  EXPECT_EQ(runs, 4);
}

}  // namespace
}  // namespace quillpad
