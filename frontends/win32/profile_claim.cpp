#include "frontends/win32/profile_claim.h"

#include <iterator>
#include <vector>

#include "frontends/win32/form_window.h"

namespace quillpad::win32 {
namespace {

// How long the running copy may take to answer; a copy busy for longer is asked again.
constexpr UINT kAnswerWaitMs = 5000;
// The class of the dialogs that message boxes are.
constexpr wchar_t kDialogClass[] = L"#32770";

// Registry keys are named regardless of letter case, and so is the claim on one.
std::wstring ProfileName(const std::wstring& program_name) {
  std::wstring name = program_name;
  CharLowerBuffW(name.data(), DWORD(name.size()));
  return name;
}

bool HasClass(HWND window, const wchar_t* name) {
  wchar_t found[32] = {};
  GetClassNameW(window, found, int(std::size(found)));
  return lstrcmpW(found, name) == 0;
}

BOOL CALLBACK AddFormWindow(HWND window, LPARAM windows) {
  if (HasClass(window, kFormWindowClass)) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  }
  return TRUE;
}

BOOL CALLBACK FindMessageBox(HWND window, LPARAM found) {
  if (!IsWindowVisible(window) || !HasClass(window, kDialogClass)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Every top-level window of the program's copies, of any profile.
std::vector<HWND> FormWindows() {
  std::vector<HWND> windows;
  EnumWindows(&AddFormWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

}  // namespace

MutexProfileClaim::MutexProfileClaim(const std::wstring& program_name)
    : message_(StartedAgainMessage(program_name)),
      mutex_(CreateMutexW(nullptr, FALSE,
                          (L"Local\\Quillpad." + ProfileName(program_name)).c_str())) {}

UINT MutexProfileClaim::StartedAgainMessage(const std::wstring& program_name) {
  return RegisterWindowMessageW((L"Quillpad.StartedAgain." + ProfileName(program_name)).c_str());
}

bool MutexProfileClaim::Take(std::chrono::milliseconds wait) {
  // Without a mutex to meet at, each start runs on its own, as before.
  if (!mutex_) return true;
  // Owned until this process ends; a copy that ended without releasing it leaves it abandoned,
  // which is as good as free.
  const DWORD waited = WaitForSingleObject(mutex_.get(), DWORD(wait.count()));
  return waited != WAIT_TIMEOUT;
}

HandOverAnswer MutexProfileClaim::HandOver() {
  for (HWND window : FormWindows()) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    // This start was just made by the user: the copy may take the foreground in its stead.
    AllowSetForegroundWindow(process);
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutW(window, message_, 0, 0, SMTO_ABORTIFHUNG, kAnswerWaitMs, &answer) ==
        0) {
      continue;
    }
    if (answer == DWORD_PTR(kTaken)) return HandOverAnswer::kTaken;
    if (answer == DWORD_PTR(kEnding)) return HandOverAnswer::kEnding;
  }
  return HandOverAnswer::kNoAnswer;
}

HWND OpenMessageBox() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindMessageBox, reinterpret_cast<LPARAM>(&found));
  return found;
}

void BringToFront(HWND window) {
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
}

}  // namespace quillpad::win32
