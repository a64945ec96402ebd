#pragma once

#include <string>
#include <string_view>

#include "core/text.h"
#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {

// The program's text and the wide Windows functions both speak UTF-16, one unit for one.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring Wide(TextView text) {
  return std::wstring(text.begin(), text.end());
}

inline Text FromWide(std::wstring_view text) {
  return Text(text.begin(), text.end());
}

// Names in the definitions are plain ASCII.
inline std::wstring Wide(std::string_view ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
// The narrow functions take the system's ANSI code page; what it cannot hold becomes '?'.
std::string AnsiFromWide(std::wstring_view wide);

}  // namespace quillpad::win32
