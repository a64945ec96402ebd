#pragma once

#include <QMessageBox>
#include <QString>

namespace quillpad::qt {

// A message to the user, kept above the pinned main window so that it cannot hide behind it.
void ShowMessage(QMessageBox::Icon icon, const QString& text);

}  // namespace quillpad::qt
