#include "frontends/win32/system_colours.h"

#include <map>

#include "frontends/win32/unique_handle.h"

namespace quillpad::win32 {

COLORREF ResolveColour(Colour colour) {
  if (IsSystemColour(colour)) return GetSysColor(static_cast<int>(SystemColourIndex(colour)));
  return RGB(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

HBRUSH ColourBrush(Colour colour) {
  if (IsSystemColour(colour)) return GetSysColorBrush(static_cast<int>(SystemColourIndex(colour)));
  static std::map<Colour, UniqueBrush> brushes;
  UniqueBrush& brush = brushes[colour];
  if (!brush) brush.reset(CreateSolidBrush(ResolveColour(colour)));
  return brush.get();
}

}  // namespace quillpad::win32
