#include "frontends/win32/artwork.h"

#include <cstring>

#include "frontends/win32/ole_apartment.h"
#include "frontends/win32/resource_ids.h"

namespace quillpad::win32 {
namespace {

int ResourceOf(std::string_view name) {
  if (name == "quillpad.ico") return QUILLPAD_ICON_MAIN;
  if (name == "about.ico") return QUILLPAD_ICON_ABOUT;
  if (name == "banner.jpg") return QUILLPAD_PICTURE_BANNER;
  return 0;
}

// A picture's size in pixels of the screen it is drawn on, from its HIMETRIC size.
int HimetricToPixels(OLE_XSIZE_HIMETRIC himetric, int dots_per_inch) {
  constexpr int kHimetricPerInch = 2540;
  return MulDiv(himetric, dots_per_inch, kHimetricPerInch);
}

UniqueObject<IStream> ResourceStream(int id) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (found == nullptr) return nullptr;
  const DWORD size = SizeofResource(module, found);
  const void* bytes = LockResource(LoadResource(module, found));
  UniqueGlobal copy(GlobalAlloc(GMEM_MOVEABLE, size));
  if (!copy || bytes == nullptr) return nullptr;
  std::memcpy(GlobalLock(copy.get()), bytes, size);
  GlobalUnlock(copy.get());
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(copy.get(), TRUE, &stream))) return nullptr;
  // The stream frees the copy when it is released.
  copy.release();
  return UniqueObject<IStream>(stream);
}

}  // namespace

HICON ArtworkIcon(std::string_view name, int size) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                       MAKEINTRESOURCEW(ResourceOf(name)), IMAGE_ICON, size, size,
                                       LR_SHARED));
}

HCURSOR HandCursor() {
  static HCURSOR cursor = static_cast<HCURSOR>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(QUILLPAD_CURSOR_HAND), IMAGE_CURSOR, 0,
                 0, LR_DEFAULTSIZE | LR_SHARED));
  return cursor;
}

Picture::Picture(std::string_view name) {
  if (name.empty()) return;
  EnterOleApartment();
  const UniqueObject<IStream> stream = ResourceStream(ResourceOf(name));
  if (!stream) return;
  IPicture* picture = nullptr;
  OleLoadPicture(stream.get(), 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
  picture_.reset(picture);
}

void Picture::Draw(HDC dc) const {
  if (!picture_) return;
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture_->get_Width(&width);
  picture_->get_Height(&height);
  const int dots_per_inch_x = GetDeviceCaps(dc, LOGPIXELSX);
  const int dots_per_inch_y = GetDeviceCaps(dc, LOGPIXELSY);
  picture_->Render(dc, 0, 0, HimetricToPixels(width, dots_per_inch_x),
                   HimetricToPixels(height, dots_per_inch_y), 0, height, width, -height, nullptr);
}

}  // namespace quillpad::win32
