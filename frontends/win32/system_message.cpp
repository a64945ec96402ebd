#include "frontends/win32/system_message.h"

#include "frontends/win32/unique_handle.h"

namespace quillpad::win32 {

std::wstring SystemMessage(DWORD code) {
  wchar_t* text = nullptr;
  FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  const UniqueLocal owned(text);
  std::wstring message = text != nullptr ? text : L"";
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                              message.back() == L'.' || message.back() == L' ')) {
    message.pop_back();
  }
  if (message.empty()) return L"код ошибки " + std::to_wstring(code);
  return message;
}

}  // namespace quillpad::win32
