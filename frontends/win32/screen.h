#pragma once

namespace quillpad::win32 {

// Twips per pixel of the screen, from its real dots per inch (15 at 96).
float ScreenTwipsPerPixel();

}  // namespace quillpad::win32
