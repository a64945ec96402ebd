#include "main_window/form1_definition.h"

namespace quillpad {
namespace {

constexpr OptionalColour kScrollBarColour = system_colour::kScrollBar;

constexpr FontDefinition kLabelFont{"MS Sans Serif", 8.25f, 700, 204};

}  // namespace

const WindowDefinition kForm1Window{
    .name = "Form1",
    .caption = u"Quillpad v2",
    .client_width = 4890,
    .client_height = 6705,
    .client_left = 7365,
    .client_top = 1020,
    .back_colour = system_colour::kMenuText,
    .buttons = TitleBarButtons::kMinimizeAndClose,
};

#define QUILLPAD_LABEL(name, caption, left, top, width, height, tab) \
  ControlDefinition{Id(Form1Control::name),                          \
                    #name,                                           \
                    ControlKind::kLabel,                             \
                    caption,                                         \
                    {left, top, width, height},                      \
                    tab,                                             \
                    true,                                            \
                    kToolkitColour,                                  \
                    kPureRed,                                        \
                    &kLabelFont,                                     \
                    Pointer::kDefault,                               \
                    u""},
#define QUILLPAD_TEXT_BOX(name, kind, left, top, width, height, tab, shown, back, text, field) \
  ControlDefinition{Id(Form1Control::name),                                                    \
                    #name,                                                                     \
                    ControlKind::kind,                                                         \
                    u"",                                                                       \
                    {left, top, width, height},                                                \
                    tab,                                                                       \
                    shown,                                                                     \
                    back,                                                                      \
                    text,                                                                      \
                    nullptr,                                                                   \
                    Pointer::kDefault,                                                         \
                    u""},
#define QUILLPAD_BUTTON(name, caption, left, top, width, height, tab, shown, tip) \
  ControlDefinition{Id(Form1Control::name),                                       \
                    #name,                                                        \
                    ControlKind::kButton,                                         \
                    caption,                                                      \
                    {left, top, width, height},                                   \
                    tab,                                                          \
                    shown,                                                        \
                    kToolkitColour,                                               \
                    kToolkitColour,                                               \
                    nullptr,                                                      \
                    Pointer::kHand,                                               \
                    tip},
#define QUILLPAD_DROP_DOWN(name, left, top, width, height, tab, shown) \
  ControlDefinition{Id(Form1Control::name),                            \
                    #name,                                             \
                    ControlKind::kDropDownList,                        \
                    u"",                                               \
                    {left, top, width, height},                        \
                    tab,                                               \
                    shown,                                             \
                    kToolkitColour,                                    \
                    kToolkitColour,                                    \
                    nullptr,                                           \
                    Pointer::kDefault,                                 \
                    u""},

const std::array<ControlDefinition, kForm1ControlCount> kForm1Controls = {QUILLPAD_FORM1_CONTROLS(
    QUILLPAD_LABEL, QUILLPAD_TEXT_BOX, QUILLPAD_BUTTON, QUILLPAD_DROP_DOWN)};

#undef QUILLPAD_LABEL
#undef QUILLPAD_TEXT_BOX
#undef QUILLPAD_BUTTON
#undef QUILLPAD_DROP_DOWN

const std::array<MenuDefinition, 2> kForm1Menus = {{
    {IdOf<MenuId>(Form1Menu::vr), "vr", u"Меню", true},
    {IdOf<MenuId>(Form1Menu::pop), "pop", u"pop", false},
}};

const std::array<MenuItemDefinition, 4> kForm1MenuItems = {{
    {IdOf<MenuItemId>(Form1MenuItem::cr), IdOf<MenuId>(Form1Menu::vr), "cr", u"Скрыть", 'D'},
    {IdOf<MenuItemId>(Form1MenuItem::or_), IdOf<MenuId>(Form1Menu::vr), "or", u"О программе", 'A'},
    {IdOf<MenuItemId>(Form1MenuItem::vrr), IdOf<MenuId>(Form1Menu::vr), "vrr", u"Выход", 'E'},
    {IdOf<MenuItemId>(Form1MenuItem::ex), IdOf<MenuId>(Form1Menu::pop), "ex", u"Выход", 0},
}};

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
