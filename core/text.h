#pragma once

#include <string>
#include <string_view>

namespace quillpad {

// Captions and fields are UTF-16 inside the program, as on the Windows desktop it was
// made for; each front end converts at its own boundary.
using Text = std::u16string;
using TextView = std::u16string_view;

}  // namespace quillpad
