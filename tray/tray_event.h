#pragma once

#include <cstdint>

namespace quillpad {

// Mouse event codes the shell reports for the icon, carried in the horizontal coordinate
// of a mouse move over the main window.
inline constexpr std::int32_t kTrayLeftDoubleClick = 515;
inline constexpr std::int32_t kTrayRightButtonUp = 517;

// The event code of a mouse move at `x_twips`: the pixel column, rounded to the nearest
// integer, half to even. An invalid or overflowing division throws std::domain_error or
// std::overflow_error.
std::int32_t DecodeTrayEvent(float x_twips, float twips_per_pixel);

}  // namespace quillpad
