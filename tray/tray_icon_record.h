#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/desktop.h"
#include "core/window.h"

namespace quillpad {

// The main window's notification-icon record, in the first, 88-byte layout the shell
// knows. The tip is kept as 64 wide characters and narrowed for every call.
struct TrayIconRecord {
  std::uint32_t size = 0;
  NativeHandle window = 0;
  std::uint32_t id = 0;
  std::uint32_t flags = 0;
  std::uint32_t callback_message = 0;
  NativeHandle icon = 0;
  std::array<char16_t, 64> tip{};

  bool operator==(const TrayIconRecord&) const = default;
};

// Where the tip starts in the narrow form, after six 4-byte fields.
inline constexpr std::size_t kNarrowTipOffset = 24;

inline constexpr std::uint32_t kTrayIconId = 1;
inline constexpr std::uint32_t kTrayIconFlags = 7;  // message + icon + tip
// The shell reports the icon's mouse events as mouse moves over the main window.
inline constexpr std::uint32_t kTrayCallbackMessage = 512;
inline constexpr char16_t kTrayTip[] = u"Quillpad";

// Fills every field afresh, reading the window's handle and icon now.
void FillTrayIconRecord(TrayIconRecord& record, Window& owner);

// Fields copied unchanged, little-endian, then one byte per tip character.
NarrowTrayRecord ToNarrow(const TrayIconRecord& record);

// The fields back from the narrow form, each tip byte read as the character of that code.
TrayIconRecord FromNarrow(const NarrowTrayRecord& bytes);

// The tip as the shell shows it: the characters before the NUL.
std::u16string_view ShownTip(const TrayIconRecord& record);

}  // namespace quillpad
