#include "main_window/form1_definition.h"

namespace quillpad {
namespace {

constexpr OptionalColour kScrollBarColour = system_colour::kScrollBar;

constexpr FontDefinition kLabelFont{"MS Sans Serif", 8.25f, 700, 204};

}  // namespace

const WindowDefinition kForm1Window{
    .name = "Form1",
    .caption = u"Quillpad v2",
    .icon = "quillpad.ico",
    .picture = "",
    .client_width = 4890,
    .client_height = 6705,
    .client_left = 7365,
    .client_top = 1020,
    .back_colour = system_colour::kMenuText,
    .buttons = TitleBarButtons::kMinimizeAndClose,
};

// clang-format off
#define QUILLPAD_LABEL(control, text, left, top, width, height, tab)                          \
  ControlDefinition{.id = Id(Form1Control::control), .name = #control,                        \
                    .kind = ControlKind::kLabel, .caption = text,                             \
                    .place = {left, top, width, height}, .tab_position = tab, .shown = true,  \
                    .text_colour = kPureRed, .font = &kLabelFont},
#define QUILLPAD_TEXT_BOX(control, box_kind, left, top, width, height, tab, visible, back,    \
                          fore, field)                                                        \
  ControlDefinition{.id = Id(Form1Control::control), .name = #control,                        \
                    .kind = ControlKind::box_kind,                                            \
                    .place = {left, top, width, height}, .tab_position = tab,                 \
                    .shown = visible, .back_colour = back, .text_colour = fore},
#define QUILLPAD_BUTTON(control, text, left, top, width, height, tab, visible, tip, accessible) \
  ControlDefinition{.id = Id(Form1Control::control), .name = #control,                        \
                    .kind = ControlKind::kButton, .caption = text,                            \
                    .place = {left, top, width, height}, .tab_position = tab,                 \
                    .shown = visible, .pointer = Pointer::kHand, .tool_tip = tip,             \
                    .accessible_name = accessible},
#define QUILLPAD_DROP_DOWN(control, left, top, width, height, tab, visible)                    \
  ControlDefinition{.id = Id(Form1Control::control), .name = #control,                        \
                    .kind = ControlKind::kDropDownList,                                       \
                    .place = {left, top, width, height}, .tab_position = tab,                 \
                    .shown = visible},
// clang-format on

const std::array<ControlDefinition, kForm1ControlCount> kForm1Controls = {QUILLPAD_FORM1_CONTROLS(
    QUILLPAD_LABEL, QUILLPAD_TEXT_BOX, QUILLPAD_BUTTON, QUILLPAD_DROP_DOWN)};

#undef QUILLPAD_LABEL
#undef QUILLPAD_TEXT_BOX
#undef QUILLPAD_BUTTON
#undef QUILLPAD_DROP_DOWN

#define QUILLPAD_IGNORE(...)
#define QUILLPAD_BIND_FIELD(name, kind, left, top, width, height, tab, shown, back, text, field) \
  boxes[static_cast<std::size_t>(ProfileField::field)] = Id(Form1Control::name);

const FieldBoxes kForm1FieldBoxes = [] {
  FieldBoxes boxes{};
  QUILLPAD_FORM1_CONTROLS(QUILLPAD_IGNORE, QUILLPAD_BIND_FIELD, QUILLPAD_IGNORE, QUILLPAD_IGNORE)
  return boxes;
}();

#undef QUILLPAD_IGNORE
#undef QUILLPAD_BIND_FIELD

}  // namespace quillpad
