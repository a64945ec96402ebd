#include "main_window/form1_definition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace quillpad {
namespace {

const ControlDefinition& Definition(Form1Control control) {
  return kForm1Controls[static_cast<std::size_t>(control)];
}

TEST(Form1Definition, EveryControlIsDefinedOnceInItsOwnRow) {
  ASSERT_EQ(kForm1Controls.size(), 68u);
  for (std::size_t i = 0; i < kForm1Controls.size(); ++i) {
    EXPECT_EQ(static_cast<std::size_t>(kForm1Controls[i].id), i) << kForm1Controls[i].name;
  }
  std::set<std::string_view> names;
  for (const auto& control : kForm1Controls) names.insert(control.name);
  EXPECT_EQ(names.size(), kForm1Controls.size());
}

TEST(Form1Definition, TabPositionsUseEachNumberFrom0To67Once) {
  std::vector<int> positions;
  for (const auto& control : kForm1Controls) positions.push_back(control.tab_position);
  std::sort(positions.begin(), positions.end());
  for (int i = 0; i < static_cast<int>(positions.size()); ++i) EXPECT_EQ(positions[i], i);
}

TEST(Form1Definition, EveryFieldHasABoxOfItsOwnAndOnlyCommentsAndFullDescriptionAreMultiLine) {
  ASSERT_EQ(kProfileFieldCount, 23u);
  std::set<ControlId> boxes(kForm1FieldBoxes.begin(), kForm1FieldBoxes.end());
  EXPECT_EQ(boxes.size(), kProfileFieldCount);
  for (std::size_t field = 0; field < kProfileFieldCount; ++field) {
    const auto& box = kForm1Controls[static_cast<std::size_t>(kForm1FieldBoxes[field])];
    const bool multi_line = field == static_cast<std::size_t>(ProfileField::kComments) ||
                            field == static_cast<std::size_t>(ProfileField::kPrgfullo);
    EXPECT_EQ(box.kind, multi_line ? ControlKind::kMultiLineTextBox : ControlKind::kTextBox)
        << box.name;
  }
}

TEST(Form1Definition, ProgramBoxesLieExactlyOnTheAuthorBoxesOfTheSharedRows) {
  const std::pair<Form1Control, Form1Control> shared[] = {
      {Form1Control::Text3, Form1Control::Text18}, {Form1Control::Text5, Form1Control::Text19},
      {Form1Control::Text6, Form1Control::Text20}, {Form1Control::Text7, Form1Control::Text21},
      {Form1Control::Text8, Form1Control::Text22}, {Form1Control::Text9, Form1Control::Text23}};
  for (const auto& [author, program] : shared) {
    const TwipsRect a = Definition(author).place;
    const TwipsRect p = Definition(program).place;
    EXPECT_EQ(std::tie(a.left, a.top, a.width, a.height),
              std::tie(p.left, p.top, p.width, p.height))
        << Definition(program).name;
  }
}

TEST(Form1Definition, EveryButtonTakesTheHandPointerAndEveryCopyButtonSaysCopy) {
  int copy_buttons = 0;
  for (const auto& control : kForm1Controls) {
    if (control.kind != ControlKind::kButton) continue;
    EXPECT_EQ(control.pointer, Pointer::kHand) << control.name;
    if (control.caption == u"!") {
      ++copy_buttons;
      EXPECT_EQ(control.tool_tip, u"Copy") << control.name;
    }
  }
  EXPECT_EQ(copy_buttons, 17);
}

}  // namespace
}  // namespace quillpad
