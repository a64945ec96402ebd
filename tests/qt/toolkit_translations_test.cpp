#include "frontends/qt/toolkit_translations.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <memory>

namespace quillpad::qt {
namespace {

QStringList Items(QMenu* menu) {
  QStringList items;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) items << action->text().section(QLatin1Char('\t'), 0, 0);
  }
  delete menu;
  return items;
}

const QStringList kRussianEditMenu = {"&Отменить действие", "&Повторить действие", "&Вырезать",
                                      "&Копировать",        "В&ставить",           "Удалить",
                                      "Выделить всё"};

TEST(ToolkitTranslations, TheBoxesContextMenusAreInRussianWhateverTheSystemsLanguage) {
  const auto translations = LoadToolkitTranslations();
  QLineEdit line;
  QPlainTextEdit box;
  EXPECT_EQ(Items(line.createStandardContextMenu()), kRussianEditMenu);
  EXPECT_EQ(Items(box.createStandardContextMenu()), kRussianEditMenu);
}

}  // namespace
}  // namespace quillpad::qt
