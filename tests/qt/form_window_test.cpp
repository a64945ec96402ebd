#include "frontends/qt/form_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "frontends/qt/system_colours.h"
#include "main_window/form1_definition.h"

namespace quillpad::qt {
namespace {

class FormWindowTest : public ::testing::Test {
 protected:
  FormWindowTest() {
    window.SetEvents({.click = [](ControlId) {},
                      .menu_item = [this](MenuItemId item) { chosen.push_back(item); },
                      .mouse_move = [](float, float) {},
                      .close_requested = [] {}});
  }

  QWidget* Widget(Form1Control control) const { return window.Control(Id(control)); }

  void ShowAndActivate() {
    window.Show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  FormWindow window{{kForm1Window, kForm1Controls, kForm1Menus, kForm1MenuItems}, 1};
  std::vector<MenuItemId> chosen;
};

TEST_F(FormWindowTest, ControlsStandWhereTheDefinitionPutsThemAt15TwipsToThePixel) {
  EXPECT_EQ(Widget(Form1Control::Label1)->geometry(), QRect(8, 8, 113, 17));
  EXPECT_EQ(Widget(Form1Control::Text16)->geometry(), QRect(160, 408, 145, 33));
  EXPECT_EQ(Widget(Form1Control::Command17)->geometry(), QRect(40, 424, 33, 17));
  EXPECT_EQ(Widget(Form1Control::Combo1)->geometry(), QRect(24, 24, 145, 21));
  EXPECT_EQ(window.centralWidget()->size(), QSize(326, 447));
}

TEST_F(FormWindowTest, TheClientAreaStartsAtItsInitialPlaceBelowTheMenuBar) {
  EXPECT_EQ(window.pos().x(), 491);
  EXPECT_EQ(window.pos().y() + window.menuBar()->sizeHint().height(), 68);
  EXPECT_EQ(window.Left(), 491 * 15.0f);
}

TEST(FormWindowMadeLater, StandsAsLargeAndWhereAWindowMadeWholeStandsBeforeAndAfter) {
  const WindowLayout layout{kForm1Window, kForm1Controls, kForm1Menus, kForm1MenuItems};
  FormWindow whole{layout, 1};
  FormWindow later{layout, 1, FormWindow::Controls::kLater};
  EXPECT_EQ(later.menuWidget(), nullptr);
  EXPECT_EQ(later.geometry(), whole.geometry());
  later.MakeControls();
  EXPECT_EQ(later.geometry(), whole.geometry());
  EXPECT_EQ(later.menuBar()->sizeHint(), whole.menuBar()->sizeHint());
}

TEST_F(FormWindowTest, CaptionsAreShownCharacterForCharacter) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillpad v2"));
  EXPECT_EQ(static_cast<QLabel*>(Widget(Form1Control::Label5))->text(),
            QStringLiteral("Должность(Title): "));
  EXPECT_EQ(static_cast<QLabel*>(Widget(Form1Control::Label22))->text(),
            QStringLiteral("e-mail: "));
  EXPECT_EQ(static_cast<QLabel*>(Widget(Form1Control::Label1))->text(),
            QStringLiteral("Имя(First name ):"));
  EXPECT_EQ(static_cast<QPushButton*>(Widget(Form1Control::Command18))->text(),
            QStringLiteral("Перейти!"));
  const auto menus = window.menuBar()->actions();
  ASSERT_EQ(menus.size(), 1);
  EXPECT_EQ(menus.front()->text(), QStringLiteral("Меню"));
  QStringList items;
  for (QAction* item : menus.front()->menu()->actions()) items << item->text();
  EXPECT_EQ(items, (QStringList{"Скрыть", "О программе", "Выход"}));
}

TEST_F(FormWindowTest, TabMovesThroughTheShownControlsInTheirTabPositions) {
  std::vector<const ControlDefinition*> stops;
  for (const auto& control : kForm1Controls) {
    if (control.kind != ControlKind::kLabel && control.shown) stops.push_back(&control);
  }
  std::sort(stops.begin(), stops.end(),
            [](auto* a, auto* b) { return a->tab_position < b->tab_position; });
  ShowAndActivate();
  window.Control(stops.front()->id)->setFocus();
  for (const ControlDefinition* stop : stops) {
    EXPECT_EQ(QApplication::focusWidget(), window.Control(stop->id)) << stop->name;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(Widget(Form1Control::Label1)->focusPolicy(), Qt::NoFocus);
}

TEST_F(FormWindowTest, LabelsAreRedOnTheWindowColourAndBoxesTakeTheirColours) {
  const QColor red(255, 0, 0);
  EXPECT_EQ(Widget(Form1Control::Label9)->palette().color(QPalette::WindowText), red);
  EXPECT_FALSE(Widget(Form1Control::Label9)->autoFillBackground());
  EXPECT_EQ(window.centralWidget()->palette().color(QPalette::Window),
            ResolveColour(system_colour::kMenuText));
  EXPECT_EQ(Widget(Form1Control::Text1)->palette().color(QPalette::Base),
            ResolveColour(system_colour::kScrollBar));
  EXPECT_EQ(Widget(Form1Control::Text16)->palette().color(QPalette::Text), QColor(Qt::black));
  const QFont font = Widget(Form1Control::Label1)->font();
  EXPECT_EQ(font.families().front(), QStringLiteral("MS Sans Serif"));
  EXPECT_EQ(font.pixelSize(), 11);
  EXPECT_TRUE(font.bold());
}

TEST_F(FormWindowTest, EveryButtonShowsTheHandWithItsHotSpotAtTheFingerTip) {
  for (const auto& control : kForm1Controls) {
    if (control.kind != ControlKind::kButton) continue;
    const QCursor cursor = window.Control(control.id)->cursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << control.name;
    EXPECT_EQ(cursor.hotSpot(), QPoint(12, 1)) << control.name;
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32)) << control.name;
  }
  EXPECT_EQ(Widget(Form1Control::Command16)->toolTip(), QStringLiteral("Заказы"));
  EXPECT_EQ(Widget(Form1Control::Command5)->toolTip(), QStringLiteral("Copy"));
  EXPECT_TRUE(Widget(Form1Control::Command18)->toolTip().isEmpty());
}

TEST_F(FormWindowTest, ProgramBoxesAndTheCatalogueStartHiddenTheRestShown) {
  EXPECT_TRUE(Widget(Form1Control::Text18)->isHidden());
  EXPECT_TRUE(Widget(Form1Control::Combo1)->isHidden());
  EXPECT_TRUE(Widget(Form1Control::Command18)->isHidden());
  EXPECT_FALSE(Widget(Form1Control::Label16)->isHidden());
  EXPECT_FALSE(Widget(Form1Control::Text15)->isHidden());
}

TEST_F(FormWindowTest, MenuShortcutsFireEvenWhileATextBoxHasTheFocus) {
  ShowAndActivate();
  // An author's box, the comments box, and a box of the program's details.
  for (Form1Control box : {Form1Control::Text4, Form1Control::Text16, Form1Control::Text15}) {
    Widget(box)->setFocus();
    QTest::keyClick(Widget(box), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Widget(box), Qt::Key_D, Qt::ControlModifier);
    QTest::keyClick(Widget(box), Qt::Key_E, Qt::ControlModifier);
  }
  const auto item = [](Form1MenuItem i) { return IdOf<MenuItemId>(i); };
  const std::vector<MenuItemId> expected = {item(Form1MenuItem::or_), item(Form1MenuItem::cr),
                                            item(Form1MenuItem::vrr)};
  std::vector<MenuItemId> thrice;
  for (int i = 0; i < 3; ++i) thrice.insert(thrice.end(), expected.begin(), expected.end());
  EXPECT_EQ(chosen, thrice);
}

TEST_F(FormWindowTest, TheCatalogueListStartsWithNothingChosen) {
  for (int i = 0; i < 3; ++i) window.AddItem(Id(Form1Control::Combo1), u"https://example.org/");
  auto* combo = static_cast<QComboBox*>(Widget(Form1Control::Combo1));
  EXPECT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->currentIndex(), -1);
  EXPECT_EQ(window.GetText(Id(Form1Control::Combo1)), u"");
  EXPECT_FALSE(combo->isEditable());
}

TEST_F(FormWindowTest, VisibilityReadsBackAsTheToolkitsTruthValues) {
  EXPECT_EQ(window.Visible(Id(Form1Control::Text3)), kVbTrue);  // although the window is hidden
  window.SetVisible(Id(Form1Control::Text3), false);
  EXPECT_EQ(window.Visible(Id(Form1Control::Text3)), kVbFalse);
}

TEST_F(FormWindowTest, EachCopyButtonTellsScreenReadersWhichFieldItCopies) {
  EXPECT_EQ(Widget(Form1Control::Command12)->accessibleName(),
            QStringLiteral("Копировать: e-mail"));
  EXPECT_EQ(static_cast<QPushButton*>(Widget(Form1Control::Command12))->text(),
            QStringLiteral("!"));
  QStringList names;
  for (const auto& control : kForm1Controls) {
    if (control.caption == u"!") names << window.Control(control.id)->accessibleName();
  }
  names.removeDuplicates();
  EXPECT_EQ(names.size(), 17);
}

TEST_F(FormWindowTest, AButtonsNameForScreenReadersCanChange) {
  window.SetAccessibleName(Id(Form1Control::Command4), u"Копировать: Название программы");
  EXPECT_EQ(Widget(Form1Control::Command4)->accessibleName(),
            QStringLiteral("Копировать: Название программы"));
}

TEST_F(FormWindowTest, ThePopUpMenuIsNotInTheMenuBarAndHasOnlyExit) {
  QMenu* pop = window.Menu(IdOf<MenuId>(Form1Menu::pop));
  ASSERT_EQ(pop->actions().size(), 1);
  EXPECT_EQ(pop->actions().front()->text(), QStringLiteral("Выход"));
  EXPECT_TRUE(pop->actions().front()->shortcut().isEmpty());
  EXPECT_FALSE(window.menuBar()->actions().contains(pop->menuAction()));
}

}  // namespace
}  // namespace quillpad::qt
