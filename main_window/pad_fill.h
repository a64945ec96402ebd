#pragma once

#include <cstdint>
#include <vector>

#include "core/desktop.h"
#include "core/text.h"
#include "core/window.h"

namespace quillpad {

// Far above any real PAD file (the longest, with long lists of affiliates, hold about
// 100 KB), yet a large file dropped by mistake is refused unread.
inline constexpr std::uint64_t kMaxPadFileBytes = 4 * 1024 * 1024;

// Fills the main window's boxes from the one PAD file in `paths`, once the user agrees to
// what will change; any other drop, or a file that cannot be used, is explained and changes
// nothing. Like typing, filling writes nothing to the settings store: the boxes are saved
// at the ways out.
void FillFromPadFile(Window& window, Desktop& desktop, const std::vector<Text>& paths);

}  // namespace quillpad
