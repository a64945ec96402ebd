// Plays a restarted Windows shell for the end-to-end tests: "forget" drops Quillpad's icon
// from the notification area as a shell that went down does; "announce" tells every
// top-level window that the notification area is new, as the shell does on its return.
// shellapi.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  if (std::wcscmp(argv[1], L"forget") == 0) {
    HWND window = FindWindowW(L"QuillpadForm", L"Quillpad v2");
    if (window == nullptr) return 1;
    NOTIFYICONDATAW icon{};
    icon.cbSize = NOTIFYICONDATAW_V1_SIZE;
    icon.hWnd = window;
    icon.uID = 1;
    return Shell_NotifyIconW(NIM_DELETE, &icon) ? 0 : 1;
  }
  if (std::wcscmp(argv[1], L"announce") == 0) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0,
                        SMTO_ABORTIFHUNG, 5000, &result);
    return 0;
  }
  return 2;
}
