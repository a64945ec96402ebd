#pragma once

#include <string>

#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {

// A Yes/No message box whose buttons bear the program's own captions, whatever the system's
// language, and which Escape answers with No; the result is MessageBoxW's.
int AskInMessageBox(HWND owner, const std::wstring& text, UINT flags);

}  // namespace quillpad::win32
