#include "core/window_reach.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillpad {
namespace {

// The top strip of a window by which the user drags it: no title bar is lower.
constexpr float kGrabStripTwips = 300;

float Overlap(float start, float length, float area_start, float area_length) {
  return std::max(0.0f,
                  std::min(start + length, area_start + area_length) - std::max(start, area_start));
}

bool Reachable(const ScreenRect& window, const ScreenRect& area) {
  const float strip = std::min(kGrabStripTwips, window.height);
  return Overlap(window.left, window.width, area.left, area.width) >= window.width / 2 &&
         Overlap(window.top, window.height, area.top, area.height) >= window.height / 2 &&
         Overlap(window.top, strip, area.top, area.height) >= strip / 2;
}

bool Contains(const ScreenRect& area, const ScreenRect& window) {
  return window.left >= area.left && window.top >= area.top &&
         window.left + window.width <= area.left + area.width &&
         window.top + window.height <= area.top + area.height;
}

float GapBetween(float start, float length, float area_start, float area_length) {
  return std::max({0.0f, area_start - (start + length), start - (area_start + area_length)});
}

float Distance(const ScreenRect& window, const ScreenRect& area) {
  return std::hypot(GapBetween(window.left, window.width, area.left, area.width),
                    GapBetween(window.top, window.height, area.top, area.height));
}

// Onto the area along one axis; a window larger than the area keeps its leading edge on it.
float Within(float start, float length, float area_start, float area_length) {
  return std::max(area_start, std::min(start, area_start + area_length - length));
}

}  // namespace

std::optional<ScreenRect> PlaceWithinReach(const ScreenRect& window,
                                           std::span<const ScreenRect> areas, PlaceOrigin origin) {
  if (areas.empty()) return std::nullopt;
  const auto stays = [&](const ScreenRect& area) {
    return origin == PlaceOrigin::kStored ? Reachable(window, area) : Contains(area, window);
  };
  if (std::any_of(areas.begin(), areas.end(), stays)) return std::nullopt;
  const ScreenRect* nearest = nullptr;
  float nearest_distance = std::numeric_limits<float>::infinity();
  for (const ScreenRect& area : areas) {
    const float distance = Distance(window, area);
    if (distance < nearest_distance) {
      nearest = &area;
      nearest_distance = distance;
    }
  }
  ScreenRect moved = window;
  moved.left = Within(window.left, window.width, nearest->left, nearest->width);
  moved.top = Within(window.top, window.height, nearest->top, nearest->height);
  if (moved == window) return std::nullopt;
  return moved;
}

}  // namespace quillpad
