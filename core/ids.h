#pragma once

#include <cstdint>
#include <type_traits>

namespace quillpad {

// Each window names its controls and menus with an enum of its own; the front end and the
// core services speak of them through these neutral ids.
enum class ControlId : std::uint16_t {};
enum class MenuId : std::uint16_t {};
enum class MenuItemId : std::uint16_t {};

template <typename Id, typename Enum>
constexpr Id IdOf(Enum value) {
  return static_cast<Id>(static_cast<std::underlying_type_t<Enum>>(value));
}

template <typename Enum, typename Id>
constexpr Enum EnumOf(Id id) {
  return static_cast<Enum>(static_cast<std::underlying_type_t<Id>>(id));
}

}  // namespace quillpad
