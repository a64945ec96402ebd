#pragma once

#include <span>
#include <string_view>

#include "core/colour.h"
#include "core/ids.h"
#include "core/text.h"

namespace quillpad {

// The fixed definitions from which a front end builds each window once. Every place and
// size is in twips; control places are measured from the client area's top-left corner.

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

struct FontDefinition {
  std::string_view family;
  float points;
  int weight;   // 400 regular, 700 bold
  int charset;  // 204: Cyrillic
};

enum class ControlKind { kLabel, kTextBox, kMultiLineTextBox, kButton, kDropDownList };

enum class Pointer { kDefault, kHand };

struct ControlDefinition {
  ControlId id;
  std::string_view name;
  ControlKind kind;
  TextView caption = {};
  TwipsRect place;
  int tab_position;
  bool shown;
  OptionalColour back_colour = {};  // none: the toolkit's; labels are transparent
  OptionalColour text_colour = {};
  const FontDefinition* font = nullptr;  // null: the window's default font
  Pointer pointer = Pointer::kDefault;
  TextView tool_tip = {};
  TextView accessible_name = {};  // for screen readers, where the caption does not say enough
};

enum class TitleBarButtons { kMinimizeAndClose, kCloseOnly };

struct WindowDefinition {
  std::string_view name;
  TextView caption;
  std::string_view icon;     // artwork file name
  std::string_view picture;  // drawn unscaled from the client area's top-left; "" for none
  int client_width;
  int client_height;
  int client_left;  // from the screen's left edge
  int client_top;
  Colour back_colour;
  TitleBarButtons buttons;
};

struct MenuDefinition {
  MenuId id;
  std::string_view name;
  TextView caption;
  bool in_menu_bar;  // false: only ever opened as a pop-up
};

struct MenuItemDefinition {
  MenuItemId id;
  MenuId menu;
  std::string_view name;
  TextView caption;
  char ctrl_shortcut;  // the letter pressed with Ctrl, or 0 for none
};

// Everything a window is built from.
struct WindowLayout {
  const WindowDefinition& window;
  std::span<const ControlDefinition> controls;
  std::span<const MenuDefinition> menus;
  std::span<const MenuItemDefinition> menu_items;
};

// The hand-shaped pointer over buttons and links: 32 x 32 with its hot spot at the tip of
// the index finger.
inline constexpr int kHandPointerHotSpotX = 12;
inline constexpr int kHandPointerHotSpotY = 1;

}  // namespace quillpad
