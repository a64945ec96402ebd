#include "frontends/qt/multi_line_text_box.h"

#include <QTextDocument>

namespace quillpad::qt {

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);
}

void MultiLineTextBox::SetText(const QString& text) {
  given_ = text;
  line_break_ =
      text.contains(QStringLiteral("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
  QString plain = text;
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  setPlainText(plain);
}

QString MultiLineTextBox::Text() const {
  if (!document()->isModified()) return given_;
  // The raw text keeps what the plain text would change (no-break spaces, for one); its
  // paragraph separators are the line breaks.
  QString text = document()->toRawText();
  text.replace(QChar::ParagraphSeparator, line_break_);
  return text;
}

}  // namespace quillpad::qt
