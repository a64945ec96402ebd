#pragma once

#include <QPlainTextEdit>

namespace quillpad::qt {

// A wrapping text box with a vertical scroll bar. Until the user edits it, it gives back
// exactly the text it was given, so that a profile loaded and saved unchanged is stored
// byte for byte as it was; once edited, its line breaks follow the text it was given
// (CR LF from profiles written on Windows, LF otherwise).
//
// Lines wrap at word boundaries, a word longer than the line being broken where it must.
// The toolkit's word wrap looks ahead for the next word boundary from the start of every
// line, so a run of text with none (a pasted data address, a long list of hashes) takes
// time growing with the square of its length to lay out: seconds for 100,000 characters,
// minutes for a million. While the box holds such a run, its lines break anywhere: laid out
// in one pass, the run is broken as word wrap would break it, at the cost of the box's
// other words being broken at the line's end too.
class MultiLineTextBox : public QPlainTextEdit {
 public:
  explicit MultiLineTextBox(QWidget* parent);

  void SetText(const QString& text);
  QString Text() const;

  // Longer runs without a space or line break make the box break its lines anywhere.
  static constexpr qsizetype kLongestRunWrappedAtWords = 1000;

 private:
  void FollowEdit(int position, int removed, int added);
  void WrapFor(bool has_long_run);

  QString given_;
  QString line_break_ = QStringLiteral("\n");
  bool recheck_pending_ = false;
};

}  // namespace quillpad::qt
