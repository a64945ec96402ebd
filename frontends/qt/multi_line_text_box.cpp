#include "frontends/qt/multi_line_text_box.h"

#include <QMetaObject>
#include <QTextBlock>
#include <QTextDocument>

namespace quillpad::qt {
namespace {

bool HasLongRun(QStringView text) {
  qsizetype run = 0;
  for (const QChar character : text) {
    run = character.isSpace() ? 0 : run + 1;
    if (run > MultiLineTextBox::kLongestRunWrappedAtWords) return true;
  }
  return false;
}

}  // namespace

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);
  connect(document(), &QTextDocument::contentsChange, this, &MultiLineTextBox::FollowEdit);
}

void MultiLineTextBox::SetText(const QString& text) {
  given_ = text;
  line_break_ =
      text.contains(QStringLiteral("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
  QString plain = text;
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  // Breaking anywhere is chosen before a long run goes in, word wrap once it has gone:
  // either way the long run is never laid out under word wrap.
  const bool has_long_run = HasLongRun(plain);
  if (has_long_run) WrapFor(true);
  setPlainText(plain);
  if (!has_long_run) WrapFor(false);
}

QString MultiLineTextBox::Text() const {
  if (!document()->isModified()) return given_;
  // The raw text keeps what the plain text would change (no-break spaces, for one); its
  // paragraph separators are the line breaks.
  QString text = document()->toRawText();
  text.replace(QChar::ParagraphSeparator, line_break_);
  return text;
}

void MultiLineTextBox::FollowEdit(int position, int, int added) {
  if (wordWrapMode() == QTextOption::WrapAnywhere) {
    // The edit may have taken the last long run away. That is seen once the edit has been
    // laid out: switching now would lay the text out again as it was before the edit.
    if (!recheck_pending_) {
      recheck_pending_ = true;
      QMetaObject::invokeMethod(
          this,
          [this] {
            recheck_pending_ = false;
            WrapFor(HasLongRun(document()->toRawText()));
          },
          Qt::QueuedConnection);
    }
    return;
  }
  // Word wrap is in force, so no paragraph held a long run before: the edited ones may now.
  const QTextBlock last = document()->findBlock(position + added);
  for (QTextBlock block = document()->findBlock(position); block.isValid(); block = block.next()) {
    if (HasLongRun(block.text())) {
      WrapFor(true);
      return;
    }
    if (block == last) break;
  }
}

void MultiLineTextBox::WrapFor(bool has_long_run) {
  const auto mode =
      has_long_run ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
  if (wordWrapMode() != mode) setWordWrapMode(mode);
}

}  // namespace quillpad::qt
