#pragma once

#include <string_view>

#include "frontends/win32/unique_handle.h"
#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {

// The program's artwork, built into the executable and named by its file name.
HICON ArtworkIcon(std::string_view name, int size);
HCURSOR HandCursor();

// A picture drawn unscaled, pixel for pixel; empty for the name "".
class Picture {
 public:
  explicit Picture(std::string_view name);

  void Draw(HDC dc) const;

 private:
  UniqueObject<IPicture> picture_;
};

}  // namespace quillpad::win32
