#include "tray/tray_event.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace quillpad {

std::int32_t DecodeTrayEvent(float x_twips, float twips_per_pixel) {
  if (twips_per_pixel == 0.0f) throw std::domain_error("Division by zero in a mouse position");
  const float pixels = x_twips / twips_per_pixel;
  if (std::isnan(pixels)) throw std::domain_error("Invalid mouse position");
  const float rounded = std::nearbyint(pixels);  // the default rounding: half to even
  if (rounded < static_cast<float>(std::numeric_limits<std::int32_t>::min()) ||
      rounded >= -static_cast<float>(std::numeric_limits<std::int32_t>::min())) {
    throw std::overflow_error("Mouse position out of range");
  }
  return static_cast<std::int32_t>(rounded);
}

}  // namespace quillpad
