#pragma once

#include <QPlainTextEdit>

namespace quillpad::qt {

// A wrapping text box with a vertical scroll bar that gives its text back with the line
// breaks it was given (CR LF from profiles written on Windows, LF otherwise), so that a
// profile loaded and saved unchanged is stored byte for byte as it was.
class MultiLineTextBox : public QPlainTextEdit {
 public:
  explicit MultiLineTextBox(QWidget* parent);

  void SetText(const QString& text);
  QString Text() const;

 private:
  QString line_break_ = QStringLiteral("\n");
};

}  // namespace quillpad::qt
