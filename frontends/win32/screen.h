#pragma once

namespace quillpad::win32 {

// Twips per pixel of the screen, from its real dots per inch (15 at 96).
float ScreenTwipsPerPixel();

// Twips to the screen's pixels, and back.
int ScreenPixels(float twips);
float ScreenTwips(int pixels);

}  // namespace quillpad::win32
