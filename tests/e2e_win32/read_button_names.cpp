// Reads what a screen reader hears for each "!" button Quillpad shows: the name its
// accessible object gives through Active Accessibility, from another process, as screen
// readers ask for it. Prints one name a line, in UTF-8.
// clang-format off
#include <windows.h>
#include <oleacc.h>
// clang-format on

#include <cstdio>
#include <string>
#include <vector>

namespace {

// IAccessible's interface id, written out: the one in mingw-w64's import library does not
// resolve to it.
constexpr GUID kIidAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

BOOL CALLBACK CollectShownCopyButtons(HWND control, LPARAM found) {
  wchar_t caption[8] = {};
  wchar_t control_class[16] = {};
  GetWindowTextW(control, caption, 8);
  GetClassNameW(control, control_class, 16);
  if (std::wstring(caption) == L"!" && std::wstring(control_class) == L"Button" &&
      IsWindowVisible(control)) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(control);
  }
  return TRUE;
}

std::string Utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(size > 0 ? size - 1 : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

}  // namespace

int wmain() {
  HWND window = FindWindowW(L"QuillpadForm", L"Quillpad v2");
  if (window == nullptr) return 1;
  CoInitialize(nullptr);
  std::vector<HWND> buttons;
  EnumChildWindows(window, &CollectShownCopyButtons, reinterpret_cast<LPARAM>(&buttons));
  int failures = 0;
  for (HWND button : buttons) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(button, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                          reinterpret_cast<void**>(&accessible)))) {
      ++failures;
      continue;
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr) {
      std::printf("%s\n", Utf8(name).c_str());
      SysFreeString(name);
    } else {
      ++failures;
    }
    accessible->Release();
  }
  CoUninitialize();
  return failures == 0 ? 0 : 1;
}
