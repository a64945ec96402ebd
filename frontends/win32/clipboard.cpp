#include "frontends/win32/clipboard.h"

#include <cstring>

#include "core/errors.h"
#include "frontends/win32/unique_handle.h"

namespace quillpad::win32 {
namespace {

// Open for as long as the object lives. Whoever reads the clipboard holds it open for a
// moment, so it is asked a few times before another program counts as holding it.
class OpenClipboardFor {
 public:
  explicit OpenClipboardFor(HWND owner) {
    constexpr int kAttempts = 10;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
      if (OpenClipboard(owner)) return;
      Sleep(20);
    }
    throw ClipboardHeld();
  }
  ~OpenClipboardFor() { CloseClipboard(); }
  OpenClipboardFor(const OpenClipboardFor&) = delete;
  OpenClipboardFor& operator=(const OpenClipboardFor&) = delete;
};

}  // namespace

void ClearClipboard(HWND owner) {
  const OpenClipboardFor open(owner);
  EmptyClipboard();
}

void PutTextOnClipboard(HWND owner, const Text& text) {
  const OpenClipboardFor open(owner);
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
  UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!memory) throw PlatformError("Не хватило памяти для текста в буфере обмена.");
  std::memcpy(GlobalLock(memory.get()), text.c_str(), bytes);
  GlobalUnlock(memory.get());
  if (SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) {
    throw PlatformError("Не удалось поместить текст в буфер обмена.");
  }
  // The clipboard owns the text from here on.
  memory.release();
}

}  // namespace quillpad::win32
