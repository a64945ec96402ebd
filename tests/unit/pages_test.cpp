#include "main_window/pages.h"

#include <gtest/gtest.h>

#include <set>

#include "fakes/recording_window.h"

namespace quillpad {
namespace {

using testing::RecordingWindow;
using Log = std::vector<std::string>;

std::string Write(Form1Control control, bool visible) {
  return "window.SetVisible " + std::to_string(static_cast<int>(control)) + (visible ? " 1" : " 0");
}

Log Switch(void (*show_page)(Window&)) {
  Log log;
  RecordingWindow window(log);
  show_page(window);
  return log;
}

TEST(Pages, EachSwitchSetsTheAuthorSetThenTheProgramSetAllSixtyEveryTime) {
  Log expected;
  for (Form1Control control : kAuthorPage) expected.push_back(Write(control, true));
  for (Form1Control control : kProgramPage) expected.push_back(Write(control, false));
  EXPECT_EQ(Switch(ShowAuthorPage), expected);
}

TEST(Pages, TheTwoSwitchesAreMirrors) {
  const Log author = Switch(ShowAuthorPage);
  const Log program = Switch(ShowProgramPage);
  ASSERT_EQ(author.size(), 60u);
  ASSERT_EQ(program.size(), 60u);
  for (std::size_t i = 0; i < author.size(); ++i) {
    EXPECT_EQ(author[i].substr(0, author[i].size() - 1),
              program[i].substr(0, program[i].size() - 1));
    EXPECT_NE(author[i].back(), program[i].back());
  }
}

TEST(Pages, ThePagesShareNoControlAndLeaveTheSharedButtonsAlone) {
  std::set<Form1Control> touched(kAuthorPage.begin(), kAuthorPage.end());
  touched.insert(kProgramPage.begin(), kProgramPage.end());
  EXPECT_EQ(touched.size(), 60u);
  for (Form1Control shared : {Form1Control::Command4, Form1Control::Command9,
                              Form1Control::Command16, Form1Control::Command17}) {
    EXPECT_EQ(touched.count(shared), 0u);
  }
  EXPECT_EQ(touched.size() + 8, kForm1ControlCount);
}

TEST(Pages, OnePageShowingIsExactlyWhatTheLastSwitchWrote) {
  Log log;
  RecordingWindow window(log);
  for (auto* show_page :
       {ShowAuthorPage, ShowAuthorPage, ShowProgramPage, ShowProgramPage, ShowAuthorPage}) {
    show_page(window);
  }
  for (Form1Control control : kAuthorPage) EXPECT_TRUE(window.visibility[Id(control)]);
  for (Form1Control control : kProgramPage) EXPECT_FALSE(window.visibility[Id(control)]);
}

TEST(Pages, AFailurePartWayLeavesTheControlsAlreadySet) {
  Log log;
  RecordingWindow window(log);
  ShowAuthorPage(window);
  window.fail_visibility_at = Id(Form1Control::Text10);
  EXPECT_THROW(ShowProgramPage(window), PlatformError);
  EXPECT_FALSE(window.visibility[Id(Form1Control::Text9)]);
  EXPECT_TRUE(window.visibility[Id(Form1Control::Text10)]);
  EXPECT_FALSE(window.visibility[Id(Form1Control::Combo1)]);
}

}  // namespace
}  // namespace quillpad
