#pragma once

#include "core/text.h"
#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {

// The Windows clipboard, owned by `owner` while it holds the program's text. Both throw
// PlatformError when another program keeps the clipboard open.
void ClearClipboard(HWND owner);
void PutTextOnClipboard(HWND owner, const Text& text);

}  // namespace quillpad::win32
