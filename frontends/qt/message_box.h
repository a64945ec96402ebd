#pragma once

#include <QMessageBox>
#include <QString>

namespace quillpad::qt {

// A message to the user, kept above the pinned main window so that it cannot hide behind it.
void ShowMessage(QMessageBox::Icon icon, const QString& text);

// A question answered "Да" or "Нет", kept above the pinned main window like the messages;
// true for "Да".
bool AskYesNo(const QString& text);

}  // namespace quillpad::qt
