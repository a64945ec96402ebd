#include "frontends/qt/message_box.h"

#include <QPushButton>

#include "core/desktop.h"
#include "frontends/qt/qt_text.h"

namespace quillpad::qt {
namespace {

// Every box of the program bears its name and stays above the pinned main window.
void Prepare(QMessageBox& box) {
  box.setWindowTitle(QStringLiteral("Quillpad"));
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

}  // namespace

void ShowMessage(QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, {}, text, QMessageBox::Ok);
  Prepare(box);
  box.exec();
}

bool AskYesNo(const QString& text) {
  QMessageBox box(QMessageBox::Question, {}, text);
  Prepare(box);
  QPushButton* yes = box.addButton(ToQString(Text(kYesCaption)), QMessageBox::YesRole);
  QPushButton* no = box.addButton(ToQString(Text(kNoCaption)), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

}  // namespace quillpad::qt
