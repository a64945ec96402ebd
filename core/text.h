#pragma once

#include <string>
#include <string_view>

namespace quillpad {

// Captions and fields are UTF-16 inside the program, as on the Windows desktop it was
// made for; each front end converts at its own boundary.
using Text = std::u16string;
using TextView = std::u16string_view;

// The text as UTF-8, the form of the program's error messages; an unpaired surrogate
// becomes U+FFFD.
std::string ToUtf8(TextView text);

}  // namespace quillpad
