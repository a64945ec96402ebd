#include "main_window/copy_buttons.h"

#include <gtest/gtest.h>

#include <set>

#include "fakes/recording_desktop.h"
#include "fakes/recording_window.h"
#include "main_window/pages.h"

namespace quillpad {
namespace {

using testing::RecordingDesktop;
using testing::RecordingWindow;
using Log = std::vector<std::string>;

class CopyButtonsTest : public ::testing::Test {
 protected:
  CopyButtonsTest() {
    // Every box holds its own name, so a copy shows where it came from.
    for (const auto& control : kForm1Controls) {
      window.texts[control.id] = Text(control.name.begin(), control.name.end());
    }
  }

  Text Copy(Form1Control button) {
    CopyField(window, desktop, *FindCopyButton(button));
    return desktop.clipboard.value_or(u"<empty>");
  }

  Log log;
  RecordingWindow window{log};
  RecordingDesktop desktop{log};
};

TEST_F(CopyButtonsTest, SeventeenButtonsCopySeventeenDifferentBoxes) {
  std::set<Form1Control> buttons, boxes;
  for (const CopyButton& copy : kCopyButtons) {
    buttons.insert(copy.button);
    boxes.insert(copy.box);
    if (copy.program_box) boxes.insert(*copy.program_box);
  }
  EXPECT_EQ(buttons.size(), 17u);
  EXPECT_EQ(boxes.size(), 23u);
  for (ControlId box : kForm1FieldBoxes) EXPECT_EQ(boxes.count(EnumOf<Form1Control>(box)), 1u);
  EXPECT_EQ(FindCopyButton(Form1Control::Command16), nullptr);
}

TEST_F(CopyButtonsTest, EachSharedRowCopiesTheBoxOfThePageOnShow) {
  const std::pair<Form1Control, std::pair<const char16_t*, const char16_t*>> rows[] = {
      {Form1Control::Command4, {u"Text3", u"Text18"}},
      {Form1Control::Command5, {u"Text5", u"Text19"}},
      {Form1Control::Command6, {u"Text6", u"Text20"}},
      {Form1Control::Command7, {u"Text7", u"Text21"}},
      {Form1Control::Command8, {u"Text8", u"Text22"}},
      {Form1Control::Command9, {u"Text9", u"Text23"}}};
  ShowAuthorPage(window);
  for (const auto& [button, boxes] : rows) EXPECT_EQ(Copy(button), boxes.first);
  ShowProgramPage(window);
  for (const auto& [button, boxes] : rows) EXPECT_EQ(Copy(button), boxes.second);
}

TEST_F(CopyButtonsTest, ASharedButtonLooksOnlyAtItsOwnRowsAuthorBox) {
  window.visibility[Id(Form1Control::Text3)] = false;
  EXPECT_EQ(Copy(Form1Control::Command7), u"Text7");
  EXPECT_EQ(Copy(Form1Control::Command4), u"Text18");
}

TEST_F(CopyButtonsTest, SingleBoxButtonsCopyTheirBoxOnEitherPage) {
  ShowProgramPage(window);
  EXPECT_EQ(Copy(Form1Control::Command1), u"Text4");
  EXPECT_EQ(Copy(Form1Control::Command19), u"Text15");
  ShowAuthorPage(window);
  EXPECT_EQ(Copy(Form1Control::Command20), u"Text17");
}

TEST_F(CopyButtonsTest, TheClipboardIsClearedBeforeTheBoxIsRead) {
  log.clear();
  Copy(Form1Control::Command5);
  const auto id = [](Form1Control c) { return std::to_string(static_cast<int>(c)); };
  EXPECT_EQ(log, (Log{"desktop.ClearClipboard", "window.Visible " + id(Form1Control::Text5),
                      "window.GetText " + id(Form1Control::Text5), "desktop.SetClipboardText"}));
  log.clear();
  Copy(Form1Control::Command12);
  EXPECT_EQ(log, (Log{"desktop.ClearClipboard", "window.GetText " + id(Form1Control::Text12),
                      "desktop.SetClipboardText"}));
}

TEST_F(CopyButtonsTest, TextIsCopiedWholeEmptyAndMultiLineIncluded) {
  window.texts[Id(Form1Control::Text16)] = u" line 1\r\nline 2 ";
  EXPECT_EQ(Copy(Form1Control::Command15), u" line 1\r\nline 2 ");
  window.texts[Id(Form1Control::Text12)] = u"";
  EXPECT_EQ(Copy(Form1Control::Command12), u"");
}

TEST_F(CopyButtonsTest, AFailureAfterTheClearingLeavesTheClipboardEmptyAndTheFieldsAlone) {
  window.texts[Id(Form1Control::Text12)] = u"author@example.org";
  const auto texts = window.texts;
  struct FailingSet : RecordingDesktop {
    using RecordingDesktop::RecordingDesktop;
    void SetClipboardText(const Text&) override { throw PlatformError("clipboard refused"); }
  } failing{log};
  EXPECT_THROW(CopyField(window, failing, *FindCopyButton(Form1Control::Command12)), PlatformError);
  EXPECT_FALSE(failing.clipboard.has_value());
  EXPECT_EQ(window.texts, texts);
}

}  // namespace
}  // namespace quillpad
