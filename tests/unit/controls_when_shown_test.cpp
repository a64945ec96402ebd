#include "core/controls_when_shown.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "fakes/recording_window.h"

namespace quillpad {
namespace {

using testing::RecordingWindow;

constexpr ControlId kBox{1};
constexpr ControlId kList{2};
constexpr ControlId kButton{3};

constexpr ControlDefinition kControls[] = {
    {.id = kBox,
     .name = "Text1",
     .kind = ControlKind::kTextBox,
     .place = {},
     .tab_position = 0,
     .shown = true},
    {.id = kList,
     .name = "Combo1",
     .kind = ControlKind::kDropDownList,
     .place = {},
     .tab_position = 1,
     .shown = false},
    {.id = kButton,
     .name = "Command1",
     .kind = ControlKind::kButton,
     .caption = u"!",
     .place = {},
     .tab_position = 2,
     .shown = true},
};

class ControlsWhenShownTest : public ::testing::Test {
 protected:
  std::vector<std::string> log;
  RecordingWindow window{log};
  int made = 0;
  ControlsWhenShown controls{window, kControls, [this] {
                               ++made;
                               log.push_back("make controls");
                             }};
};

TEST_F(ControlsWhenShownTest, UntilFirstShownTheControlsAreKeptAndReadBackWithoutBeingMade) {
  controls.SetText(kBox, u"Иван");
  controls.SetText(kBox, u"Пётр");
  controls.AddItem(kList, u"one");
  controls.SetVisible(kButton, false);
  controls.SetTextColour(kButton, 0xFF);
  controls.SetAccessibleName(kButton, u"Копировать");
  controls.Hide();

  EXPECT_EQ(made, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"window.Hide"}));
  EXPECT_EQ(controls.GetText(kBox), u"Пётр");
  EXPECT_EQ(controls.Visible(kButton), kVbFalse);
  // What nobody set is what the definition says.
  EXPECT_EQ(controls.GetText(kButton), u"!");
  EXPECT_EQ(controls.Visible(kBox), kVbTrue);
  EXPECT_EQ(controls.Visible(kList), kVbFalse);
  EXPECT_THROW(controls.SetText(ControlId{9}, u"x"), PlatformError);
  EXPECT_THROW(controls.GetText(ControlId{9}), PlatformError);
}

TEST_F(ControlsWhenShownTest, TheFirstShowingMakesThemOnceAndGivesThemTheirStateInOrder) {
  controls.SetVisible(kButton, false);
  controls.SetText(kList, u"two");
  controls.AddItem(kList, u"one");
  controls.AddItem(kList, u"two");
  controls.SetText(kBox, u"Иван");
  controls.Show();

  EXPECT_EQ(log, (std::vector<std::string>{"make controls", "window.AddItem 2", "window.AddItem 2",
                                           "window.SetVisible 3 0", "window.Show"}));
  EXPECT_EQ(window.texts[kBox], u"Иван");
  EXPECT_EQ(window.texts[kList], u"two");
  EXPECT_EQ(window.items[kList], (std::vector<Text>{u"one", u"two"}));

  // From then on the window's own controls answer.
  controls.Hide();
  controls.Show();
  window.texts[kBox] = u"typed";
  EXPECT_EQ(controls.GetText(kBox), u"typed");
  controls.SetVisible(kBox, false);
  EXPECT_EQ(window.visibility[kBox], false);
  EXPECT_EQ(made, 1);
}

TEST_F(ControlsWhenShownTest, AWindowMinimisedBeforeItIsShownHasItsControls) {
  controls.SetText(kBox, u"Иван");
  controls.Minimize();
  EXPECT_EQ(log, (std::vector<std::string>{"make controls", "window.Minimize"}));
  EXPECT_EQ(window.texts[kBox], u"Иван");
  EXPECT_TRUE(controls.controls_made());
}

}  // namespace
}  // namespace quillpad
