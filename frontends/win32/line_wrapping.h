#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace quillpad::win32 {

// The edit control wraps a line by measuring all that is left of it for every row it makes,
// so the time to wrap grows with the square of the line's length: 10,000 characters without
// a line break take seconds, 100,000 minutes, during which the program answers nothing. A
// multi-line box whose text has a longer line than this scrolls sideways instead.
inline constexpr std::size_t kLongestWrappedLine = 2000;
// Short lines cost time too, some 4 microseconds a character wrapped: a megabyte of lines
// of 99 characters keeps the program from answering for 5 seconds and more. A box holding
// more text than this scrolls sideways too, and takes it in a second at most.
inline constexpr std::size_t kLongestWrappedText = 100000;

// Whether the box can wrap the text at once: not too much of it, and no line too long.
inline bool CanWrap(std::wstring_view text) {
  if (text.size() > kLongestWrappedText) return false;
  std::size_t longest = 0;
  std::size_t current = 0;
  for (const wchar_t character : text) {
    current = character == L'\r' || character == L'\n' ? 0 : current + 1;
    longest = std::max(longest, current);
  }
  return longest <= kLongestWrappedLine;
}

}  // namespace quillpad::win32
