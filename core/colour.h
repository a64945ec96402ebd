#pragma once

#include <cstdint>
#include <optional>

namespace quillpad {

// A colour is either fixed (0x00BBGGRR) or one of the desktop's system colours
// (0x80000000 + n), which follow the user's colour scheme.
using Colour = std::uint32_t;

constexpr Colour SystemColour(unsigned index) {
  return 0x80000000u + index;
}
constexpr bool IsSystemColour(Colour colour) {
  return (colour & 0x80000000u) != 0;
}
constexpr unsigned SystemColourIndex(Colour colour) {
  return colour & 0x7FFFFFFFu;
}

constexpr std::uint8_t RedOf(Colour colour) {
  return colour & 0xFF;
}
constexpr std::uint8_t GreenOf(Colour colour) {
  return (colour >> 8) & 0xFF;
}
constexpr std::uint8_t BlueOf(Colour colour) {
  return (colour >> 16) & 0xFF;
}

inline constexpr Colour kBlack = 0;
inline constexpr Colour kPureRed = 255;

namespace system_colour {
inline constexpr Colour kScrollBar = SystemColour(0);
inline constexpr Colour kMenuText = SystemColour(7);
inline constexpr Colour kHighlightText = SystemColour(14);
inline constexpr Colour kButtonText = SystemColour(18);
}  // namespace system_colour

// No colour given: the toolkit's own for that kind of control.
using OptionalColour = std::optional<Colour>;
inline constexpr OptionalColour kToolkitColour{};

}  // namespace quillpad
