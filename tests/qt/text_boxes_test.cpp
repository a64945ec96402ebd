#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QTextCursor>

#include "frontends/qt/form_window.h"
#include "frontends/qt/multi_line_text_box.h"
#include "main_window/form1_definition.h"

namespace quillpad::qt {
namespace {

class TextBoxesTest : public ::testing::Test {
 protected:
  Text RoundTrip(Form1Control box, const Text& text) {
    window.SetText(Id(box), text);
    return window.GetText(Id(box));
  }

  FormWindow window{{kForm1Window, kForm1Controls, kForm1Menus, kForm1MenuItems}, 1};
};

TEST_F(TextBoxesTest, SingleLineBoxesHoldAnyTextWhole) {
  const Text long_text(1 << 20, u'x');
  EXPECT_EQ(RoundTrip(Form1Control::Text4, long_text), long_text);
  EXPECT_EQ(RoundTrip(Form1Control::Text12, u"  spaced  "), u"  spaced  ");
  EXPECT_EQ(RoundTrip(Form1Control::Text10, u"Россия"), u"Россия");
}

TEST_F(TextBoxesTest, MultiLineBoxesGiveBackTheLineBreaksTheyWereGiven) {
  EXPECT_EQ(RoundTrip(Form1Control::Text16, u"one\r\ntwo\r\n"), u"one\r\ntwo\r\n");
  EXPECT_EQ(RoundTrip(Form1Control::Text17, u"one\ntwo"), u"one\ntwo");
  EXPECT_EQ(RoundTrip(Form1Control::Text17, u"no\u00a0break"), u"no\u00a0break");
  const Text many_lines = [] {
    Text text;
    for (int i = 0; i < 10000; ++i) text += u"line\r\n";
    return text;
  }();
  EXPECT_EQ(RoundTrip(Form1Control::Text16, many_lines), many_lines);
  // Pasted or hand-written texts may mix their line breaks; untouched, they stay as they are.
  EXPECT_EQ(RoundTrip(Form1Control::Text16, u"lf\ncrlf\r\ncr\rend"), u"lf\ncrlf\r\ncr\rend");
}

TEST_F(TextBoxesTest, ARunWithoutSpacesLongerThanAnyLineIsBrokenAnywhere) {
  auto* box = window.findChild<MultiLineTextBox*>(QStringLiteral("Text16"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);

  const Text data_address = u"data:image/png;base64," + Text(1'000'000, u'Q');
  EXPECT_EQ(RoundTrip(Form1Control::Text16, data_address), data_address);
  EXPECT_EQ(box->wordWrapMode(), QTextOption::WrapAnywhere);

  const Text words = u"words " + Text(MultiLineTextBox::kLongestRunWrappedAtWords, u'w');
  EXPECT_EQ(RoundTrip(Form1Control::Text16, words), words);
  EXPECT_EQ(box->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}

TEST_F(TextBoxesTest, TheWrapFollowsWhatIsTypedOrPasted) {
  auto* box = window.findChild<MultiLineTextBox*>(QStringLiteral("Text17"));
  ASSERT_NE(box, nullptr);
  box->SetText(QStringLiteral("first line\nsecond line"));
  QTextCursor cursor(box->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(u' ' + QString(MultiLineTextBox::kLongestRunWrappedAtWords + 1, u'x'));
  EXPECT_EQ(box->wordWrapMode(), QTextOption::WrapAnywhere);
  cursor.deletePreviousChar();
  QCoreApplication::processEvents();
  EXPECT_EQ(box->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
  EXPECT_EQ(box->Text(), QStringLiteral("first line\nsecond line ") +
                             QString(MultiLineTextBox::kLongestRunWrappedAtWords, u'x'));
}

TEST_F(TextBoxesTest, TypedLinesTakeTheConventionOfTheLoadedText) {
  window.SetText(Id(Form1Control::Text16), u"a\r\nb");
  auto* box = static_cast<MultiLineTextBox*>(window.Control(Id(Form1Control::Text16)));
  box->appendPlainText(QStringLiteral("c"));
  EXPECT_EQ(window.GetText(Id(Form1Control::Text16)), u"a\r\nb\r\nc");
}

TEST_F(TextBoxesTest, PositionsRoundTripInTwipsAndSurviveMinimising) {
  window.SetTop(-120);
  window.SetLeft(20000);
  EXPECT_EQ(window.Top(), -120.0f);
  EXPECT_EQ(window.Left(), 19995.0f);  // the nearest whole pixel
  window.Show();
  window.Minimize();
  EXPECT_EQ(window.Top(), -120.0f);
}

}  // namespace
}  // namespace quillpad::qt
