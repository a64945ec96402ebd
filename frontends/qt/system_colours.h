#pragma once

#include <QColor>

#include "core/colour.h"

namespace quillpad::qt {

// The colour a definition asks for: fixed colours as they are, system colours from the
// desktop's palette, so they follow the user's colour scheme.
QColor ResolveColour(Colour colour);

}  // namespace quillpad::qt
