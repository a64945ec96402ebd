#pragma once

#include <optional>

#include "core/keys.h"
#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {

// A key going down, as Windows reports it, in the window's terms; none for other messages.
std::optional<KeyChord> ChordOf(const MSG& message);

}  // namespace quillpad::win32
