#pragma once

#include <string>

#include "core/one_copy.h"
#include "frontends/win32/unique_handle.h"
#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {

// The claim as a mutex of the user's session, named after the profile (the program's base
// name, as its registry key is, letter case aside), so that a program of another name runs
// beside this one; the hand-over as a message to the main window of the copy that holds it.
class MutexProfileClaim final : public ProfileClaim {
 public:
  explicit MutexProfileClaim(const std::wstring& program_name);

  bool Take(std::chrono::milliseconds wait) override;
  HandOverAnswer HandOver() override;

  // The message a later start sends the main window, and the window's answers to it; a window
  // of another profile knows no such message and answers 0.
  static UINT StartedAgainMessage(const std::wstring& program_name);
  static constexpr LRESULT kTaken = 1;
  static constexpr LRESULT kEnding = 2;

 private:
  using UniqueMutex = UniqueHandle<HANDLE, &CloseHandle>;

  UINT message_;
  UniqueMutex mutex_;
};

// The message box this thread has open, or none.
HWND OpenMessageBox();

// Brings a window of this program to the front with the keyboard focus, as the start that
// handed over allowed; a minimised window comes back first.
void BringToFront(HWND window);

}  // namespace quillpad::win32
