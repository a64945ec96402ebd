#pragma once

#include <string>

#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {

// The system's own words for an error code, without the closing full stop, or the bare code
// when the system has none.
std::wstring SystemMessage(DWORD code);

}  // namespace quillpad::win32
