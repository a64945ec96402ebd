// Reads the captions of the buttons of the message box Quillpad shows, from another process,
// as a screen reader would. Prints one caption a line, in UTF-8; nothing when no box is up.
// clang-format off
#include <windows.h>
// clang-format on

#include <cstdio>
#include <string>

namespace {

BOOL CALLBACK PrintButton(HWND control, LPARAM) {
  wchar_t control_class[16] = {};
  GetClassNameW(control, control_class, 16);
  if (std::wstring(control_class) != L"Button") return TRUE;
  wchar_t caption[64] = {};
  GetWindowTextW(control, caption, 64);
  char bytes[256] = {};
  WideCharToMultiByte(CP_UTF8, 0, caption, -1, bytes, sizeof(bytes), nullptr, nullptr);
  std::printf("%s\n", bytes);
  return TRUE;
}

}  // namespace

int main() {
  HWND box = FindWindowW(L"#32770", L"Quillpad");
  if (box == nullptr) return 1;
  EnumChildWindows(box, PrintButton, 0);
  return 0;
}
