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

// Whether no line of the text is too long to wrap.
inline bool CanWrap(std::wstring_view text) {
  std::size_t longest = 0;
  std::size_t current = 0;
  for (const wchar_t character : text) {
    current = character == L'\r' || character == L'\n' ? 0 : current + 1;
    longest = std::max(longest, current);
  }
  return longest <= kLongestWrappedLine;
}

}  // namespace quillpad::win32
