#pragma once

#include <cmath>

namespace quillpad {

inline constexpr float kTwipsPerPoint = 20.0f;

// A desktop that works in device-independent pixels counts 96 of them to the inch.
inline constexpr float kTwipsPerDeviceIndependentPixel = 15.0f;

inline int TwipsToPixels(float twips, float twips_per_pixel) {
  return static_cast<int>(std::lround(twips / twips_per_pixel));
}

inline int PointsToPixels(float points, float twips_per_pixel) {
  return TwipsToPixels(points * kTwipsPerPoint, twips_per_pixel);
}

}  // namespace quillpad
