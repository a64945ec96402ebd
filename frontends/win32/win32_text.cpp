#include "frontends/win32/win32_text.h"

namespace quillpad::win32 {
namespace {

std::string Narrow(UINT code_page, std::wstring_view wide) {
  if (wide.empty()) return {};
  const int length = static_cast<int>(wide.size());
  const int size =
      WideCharToMultiByte(code_page, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(code_page, 0, wide.data(), length, narrow.data(), size, nullptr, nullptr);
  return narrow;
}

}  // namespace

std::wstring WideFromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int length = static_cast<int>(utf8.size());
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), size);
  return wide;
}

std::string Utf8FromWide(std::wstring_view wide) {
  return Narrow(CP_UTF8, wide);
}

std::string AnsiFromWide(std::wstring_view wide) {
  return Narrow(CP_ACP, wide);
}

}  // namespace quillpad::win32
