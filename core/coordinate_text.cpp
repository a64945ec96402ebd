#include "core/coordinate_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace quillpad {
namespace {

// Window systems place windows at 16-bit pixel coordinates; at 15 twips to the pixel that
// is this many twips either way.
constexpr float kLargestCoordinate = 32767.0f * 15.0f;

bool IsSpace(char16_t c) {
  return c == u' ' || c == u'\t';
}

}  // namespace

Text CoordinateToText(float twips, char16_t decimal_separator) {
  if (twips == 0.0f) twips = 0.0f;  // never "-0"
  std::array<char, 64> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), twips, std::chars_format::fixed);
  Text text;
  for (const char* c = buffer.data(); c != result.ptr; ++c) {
    text += *c == '.' ? decimal_separator : static_cast<char16_t>(*c);
  }
  return text;
}

std::optional<float> TextToCoordinate(TextView text, char16_t decimal_separator) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  if (text.empty()) return std::nullopt;

  std::string ascii;
  for (char16_t c : text) {
    if (c == decimal_separator) {
      ascii += '.';
    } else if ((c >= u'0' && c <= u'9') || c == u'-' || c == u'e' || c == u'E') {
      ascii += static_cast<char>(c);
    } else {
      return std::nullopt;
    }
  }

  float value = 0.0f;
  const char* end = ascii.data() + ascii.size();
  const auto result = std::from_chars(ascii.data(), end, value, std::chars_format::general);
  if (result.ec != std::errc{} || result.ptr != end) return std::nullopt;
  if (!std::isfinite(value) || std::fabs(value) > kLargestCoordinate) return std::nullopt;
  return value;
}

}  // namespace quillpad
