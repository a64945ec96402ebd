#include "frontends/qt/message_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace quillpad::qt {
namespace {

struct SeenBox {
  QString title;
  bool on_top = false;
  QString preset;
  QStringList captions;
};

// Once the box shows, notes how it looks and presses the button with the given caption.
void AnswerOnShow(const QString& caption, SeenBox& seen) {
  QTimer::singleShot(0, [&seen, caption] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen = {box->windowTitle(),
            box->windowFlags().testFlag(Qt::WindowStaysOnTopHint),
            box->defaultButton()->text(),
            {}};
    for (QAbstractButton* button : box->buttons()) {
      seen.captions << button->text();
      if (button->text() == caption) button->click();
    }
  });
}

TEST(MessageBoxTest, AQuestionIsAnsweredInRussianAboveThePinnedWindow) {
  for (const bool yes : {true, false}) {
    SeenBox seen;
    AnswerOnShow(yes ? QStringLiteral("Да") : QStringLiteral("Нет"), seen);
    EXPECT_EQ(AskYesNo(QStringLiteral("Заполнить 3 поля?")), yes);
    seen.captions.sort();
    EXPECT_EQ(seen.captions, (QStringList{"Да", "Нет"}));
    EXPECT_EQ(seen.title, QStringLiteral("Quillpad"));
    EXPECT_TRUE(seen.on_top);
    EXPECT_EQ(seen.preset, QStringLiteral("Да"));
  }
}

}  // namespace
}  // namespace quillpad::qt
