#include "core/keys.h"

#include <gtest/gtest.h>

namespace quillpad {
namespace {

constexpr ControlKind kAllKinds[] = {ControlKind::kTextBox, ControlKind::kMultiLineTextBox,
                                     ControlKind::kButton, ControlKind::kDropDownList};

TEST(Keys, EnterAndSpacePressTheFocusedButton) {
  EXPECT_EQ(EffectOf({.key = Key::kEnter}, ControlKind::kButton), KeyEffect::kPressButton);
  EXPECT_EQ(EffectOf({.key = Key::kSpace}, ControlKind::kButton), KeyEffect::kPressButton);
  EXPECT_EQ(EffectOf({.key = Key::kSpace, .shift = true}, ControlKind::kButton),
            KeyEffect::kPressButton);
}

TEST(Keys, EnterInABoxIsTheBoxsOwn) {
  EXPECT_EQ(EffectOf({.key = Key::kEnter}, ControlKind::kMultiLineTextBox),
            KeyEffect::kControlsOwn);
  EXPECT_EQ(EffectOf({.key = Key::kEnter}, ControlKind::kTextBox), KeyEffect::kControlsOwn);
  EXPECT_EQ(EffectOf({.key = Key::kSpace}, ControlKind::kTextBox), KeyEffect::kControlsOwn);
}

TEST(Keys, TabAndShiftTabMoveOnFromEveryControl) {
  for (const ControlKind kind : kAllKinds) {
    EXPECT_EQ(EffectOf({.key = Key::kTab}, kind), KeyEffect::kNextControl);
    EXPECT_EQ(EffectOf({.key = Key::kTab, .shift = true}, kind), KeyEffect::kPreviousControl);
  }
}

TEST(Keys, AltWithATypingKeyReachesNoControl) {
  for (const ControlKind kind : kAllKinds) {
    for (const Key key : {Key::kCharacter, Key::kSpace, Key::kEnter, Key::kTab}) {
      EXPECT_EQ(EffectOf({.key = key, .alt = true}, kind), KeyEffect::kKeptFromControls);
      EXPECT_EQ(EffectOf({.key = key, .shift = true, .alt = true}, kind),
                KeyEffect::kKeptFromControls);
    }
  }
}

TEST(Keys, AltGrTypesAsWindowsReportsIt) {
  EXPECT_EQ(EffectOf({.key = Key::kCharacter, .ctrl = true, .alt = true}, ControlKind::kTextBox),
            KeyEffect::kControlsOwn);
}

TEST(Keys, CharactersAndCtrlKeysAreTheControlsOwn) {
  EXPECT_EQ(EffectOf({.key = Key::kCharacter}, ControlKind::kTextBox), KeyEffect::kControlsOwn);
  EXPECT_EQ(EffectOf({.key = Key::kCharacter, .ctrl = true}, ControlKind::kTextBox),
            KeyEffect::kControlsOwn);
  EXPECT_EQ(EffectOf({.key = Key::kTab, .ctrl = true}, ControlKind::kMultiLineTextBox),
            KeyEffect::kControlsOwn);
}

TEST(Keys, F10OpensTheMenuBar) {
  for (const ControlKind kind : kAllKinds) {
    EXPECT_EQ(EffectOf({.key = Key::kF10}, kind), KeyEffect::kOpenMenuBar);
  }
  EXPECT_EQ(EffectOf({.key = Key::kF10, .shift = true}, ControlKind::kTextBox),
            KeyEffect::kControlsOwn);
}

}  // namespace
}  // namespace quillpad
