#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include "frontends/qt/form_window.h"
#include "main_window/form1_definition.h"

namespace quillpad::qt {
namespace {

class WindowKeysTest : public ::testing::Test {
 protected:
  WindowKeysTest() {
    window.SetEvents({.click = [this](ControlId id) { clicked.push_back(id); }});
    window.Show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  QWidget* Widget(Form1Control control) const { return window.Control(Id(control)); }

  QWidget* Focused(Form1Control control) const {
    Widget(control)->setFocus();
    return Widget(control);
  }

  FormWindow window{{kForm1Window, kForm1Controls, kForm1Menus, kForm1MenuItems}, 1};
  std::vector<ControlId> clicked;
};

TEST_F(WindowKeysTest, EnterAndSpacePressTheFocusedButton) {
  QTest::keyClick(Focused(Form1Control::Command1), Qt::Key_Return);
  QTest::keyClick(Focused(Form1Control::Command15), Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(Focused(Form1Control::Command16), Qt::Key_Space);
  EXPECT_EQ(clicked, (std::vector{Id(Form1Control::Command1), Id(Form1Control::Command15),
                                  Id(Form1Control::Command16)}));
}

TEST_F(WindowKeysTest, EnterInTheCommentsBoxMakesANewLine) {
  QTest::keyClicks(Focused(Form1Control::Text16), "one");
  QTest::keyClick(Widget(Form1Control::Text16), Qt::Key_Return);
  QTest::keyClicks(Widget(Form1Control::Text16), "two");
  EXPECT_EQ(static_cast<QPlainTextEdit*>(Widget(Form1Control::Text16))->toPlainText(),
            QStringLiteral("one\ntwo"));
  EXPECT_TRUE(clicked.empty());
}

TEST_F(WindowKeysTest, AltWithALetterLeavesEveryKindOfBoxAsItWas) {
  for (Form1Control box : {Form1Control::Text4, Form1Control::Text16}) {
    QTest::keyClick(Focused(box), Qt::Key_M, Qt::AltModifier);
    QTest::keyClick(Widget(box), Qt::Key_M, Qt::AltModifier | Qt::ShiftModifier);
    QTest::keyClick(Widget(box), Qt::Key_Space, Qt::AltModifier);
    QTest::keyClick(Widget(box), Qt::Key_Return, Qt::AltModifier);
  }
  EXPECT_EQ(static_cast<QLineEdit*>(Widget(Form1Control::Text4))->text(), QString());
  EXPECT_EQ(static_cast<QPlainTextEdit*>(Widget(Form1Control::Text16))->toPlainText(), QString());
}

TEST_F(WindowKeysTest, ShiftTabGoesBackOutOfTheCommentsBox) {
  QTest::keyClick(Focused(Form1Control::Text16), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), Widget(Form1Control::Text14));
  QTest::keyClick(Focused(Form1Control::Text16), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Widget(Form1Control::Command1));
}

TEST_F(WindowKeysTest, F10OpensTheMenu) {
  QTest::keyClick(Focused(Form1Control::Text4), Qt::Key_F10);
  QMenu* menu = window.Menu(IdOf<MenuId>(Form1Menu::vr));
  EXPECT_EQ(window.menuBar()->activeAction(), menu->menuAction());
  EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
  EXPECT_EQ(static_cast<QLineEdit*>(Widget(Form1Control::Text4))->text(), QString());
}

}  // namespace
}  // namespace quillpad::qt
