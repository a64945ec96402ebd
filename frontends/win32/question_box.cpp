#include "frontends/win32/question_box.h"

#include "core/desktop.h"
#include "frontends/win32/win32_text.h"

namespace quillpad::win32 {
namespace {

thread_local HHOOK question_hook = nullptr;

// Escape reaches a dialog as its Cancel command, which a box without that button ignores.
LRESULT CALLBACK EscapeAnswersNo(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                 DWORD_PTR) {
  if (message == WM_COMMAND && LOWORD(wparam) == IDCANCEL) {
    EndDialog(box, IDNO);
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(box, EscapeAnswersNo, 0);
  return DefSubclassProc(box, message, wparam, lparam);
}

// The box is the first dialog this thread activates while the question is asked.
LRESULT CALLBACK CaptionTheQuestion(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE) {
    const auto box = reinterpret_cast<HWND>(wparam);
    wchar_t window_class[16] = {};
    GetClassNameW(box, window_class, 16);
    if (std::wstring(window_class) == L"#32770") {
      SetDlgItemTextW(box, IDYES, Wide(Text(kYesCaption)).c_str());
      SetDlgItemTextW(box, IDNO, Wide(Text(kNoCaption)).c_str());
      SetWindowSubclass(box, EscapeAnswersNo, 0, 0);
      UnhookWindowsHookEx(question_hook);
      question_hook = nullptr;
      return 0;
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

int AskInMessageBox(HWND owner, const std::wstring& text, UINT flags) {
  question_hook = SetWindowsHookExW(WH_CBT, CaptionTheQuestion, nullptr, GetCurrentThreadId());
  const int answer = MessageBoxW(owner, text.c_str(), L"Quillpad", flags);
  if (question_hook != nullptr) {
    UnhookWindowsHookEx(question_hook);
    question_hook = nullptr;
  }
  return answer;
}

}  // namespace quillpad::win32
