#include "frontends/qt/message_box.h"

namespace quillpad::qt {

void ShowMessage(QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, QStringLiteral("Quillpad"), text, QMessageBox::Ok);
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  box.exec();
}

}  // namespace quillpad::qt
