#pragma once

#include "core/colour.h"
#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {

// A colour of the definitions as the screen shows it now: system colours follow the
// user's colour scheme.
COLORREF ResolveColour(Colour colour);

// A brush of that colour: the system's own for system colours, else one kept for the
// life of the process.
HBRUSH ColourBrush(Colour colour);

}  // namespace quillpad::win32
