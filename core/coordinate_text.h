#pragma once

#include <optional>

#include "core/text.h"

namespace quillpad {

// A window coordinate in twips as stored: its shortest decimal form, integer when whole,
// with the user's decimal separator.
Text CoordinateToText(float twips, char16_t decimal_separator);

// Reads a stored coordinate back. Text that is not a finite decimal number within the
// window system's range gives nothing, and the window keeps its place.
std::optional<float> TextToCoordinate(TextView text, char16_t decimal_separator);

}  // namespace quillpad
