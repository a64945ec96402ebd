#include "about/form2_definition.h"

#include "about/maker.h"

namespace quillpad {
namespace {

constexpr FontDefinition kTitleFont{"MS Sans Serif", 18.0f, 700, 204};
constexpr FontDefinition kLinkFont{"MS Sans Serif", 13.5f, 700, 204};

}  // namespace

const TextView kMakerEmail = QUILLPAD_MAKER_EMAIL;
const TextView kMakerWeb = QUILLPAD_MAKER_WEB;

const WindowDefinition kForm2Window{
    .name = "Form2",
    .caption = u"About",
    .icon = "about.ico",
    .picture = "banner.jpg",
    .client_width = 4680,
    .client_height = 1080,
    .client_left = 1740,
    .client_top = 3990,
    .back_colour = system_colour::kButtonText,
    .buttons = TitleBarButtons::kCloseOnly,
};

const std::array<ControlDefinition, 3> kForm2Controls = {{
    {.id = Id(Form2Control::Label1),
     .name = "Label1",
     .kind = ControlKind::kLabel,
     .caption = u"Quillpad v.2",
     .place = {120, 120, 2295, 375},
     .tab_position = 0,
     .shown = true,
     .text_colour = system_colour::kHighlightText,
     .font = &kTitleFont},
    {.id = Id(Form2Control::Label2),
     .name = "Label2",
     .kind = ControlKind::kLabel,
     .caption = kMakerEmail,
     .place = {2640, 120, 1815, 375},
     .tab_position = 1,
     .shown = true,
     .text_colour = system_colour::kHighlightText,
     .font = &kLinkFont,
     .pointer = Pointer::kHand},
    {.id = Id(Form2Control::Label3),
     .name = "Label3",
     .kind = ControlKind::kLabel,
     .caption = kMakerWeb,
     .place = {240, 600, 3255, 375},
     .tab_position = 2,
     .shown = true,
     .text_colour = system_colour::kHighlightText,
     .font = &kLinkFont,
     .pointer = Pointer::kHand},
}};

}  // namespace quillpad
