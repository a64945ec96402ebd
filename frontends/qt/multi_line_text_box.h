#pragma once

#include <QPlainTextEdit>

namespace quillpad::qt {

// A wrapping text box with a vertical scroll bar. Until the user edits it, it gives back
// exactly the text it was given, so that a profile loaded and saved unchanged is stored
// byte for byte as it was; once edited, its line breaks follow the text it was given
// (CR LF from profiles written on Windows, LF otherwise).
class MultiLineTextBox : public QPlainTextEdit {
 public:
  explicit MultiLineTextBox(QWidget* parent);

  void SetText(const QString& text);
  QString Text() const;

 private:
  QString given_;
  QString line_break_ = QStringLiteral("\n");
};

}  // namespace quillpad::qt
