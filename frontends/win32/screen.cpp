#include "frontends/win32/screen.h"

#include "core/twips.h"
#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {

float ScreenTwipsPerPixel() {
  HDC screen = GetDC(nullptr);
  const int dots_per_inch = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return 1440.0f / static_cast<float>(dots_per_inch > 0 ? dots_per_inch : 96);
}

int ScreenPixels(float twips) {
  return TwipsToPixels(twips, ScreenTwipsPerPixel());
}

float ScreenTwips(int pixels) {
  return static_cast<float>(pixels) * ScreenTwipsPerPixel();
}

}  // namespace quillpad::win32
