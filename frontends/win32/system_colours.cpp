#include "frontends/win32/system_colours.h"

#include <map>

namespace quillpad::win32 {

COLORREF ResolveColour(Colour colour) {
  if (IsSystemColour(colour)) return GetSysColor(static_cast<int>(SystemColourIndex(colour)));
  return RGB(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

HBRUSH ColourBrush(Colour colour) {
  if (IsSystemColour(colour)) return GetSysColorBrush(static_cast<int>(SystemColourIndex(colour)));
  static std::map<Colour, HBRUSH> brushes;
  HBRUSH& brush = brushes[colour];
  if (brush == nullptr) brush = CreateSolidBrush(ResolveColour(colour));
  return brush;
}

}  // namespace quillpad::win32
