#pragma once

namespace quillpad {

// A window's or a screen's rectangle, in twips from the screen's top-left corner.
struct ScreenRect {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;

  bool operator==(const ScreenRect&) const = default;
};

}  // namespace quillpad
