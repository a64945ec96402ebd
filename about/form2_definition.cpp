#include "about/form2_definition.h"

#include "about/maker.h"

namespace quillpad {
namespace {

constexpr FontDefinition kTitleFont{"MS Sans Serif", 18.0f, 700, 204};
constexpr FontDefinition kLinkFont{"MS Sans Serif", 13.5f, 700, 204};

// The three labels differ only in these; all are transparent and drawn in highlighted-text
// colour, and their tab positions follow their order.
ControlDefinition AboutLabel(Form2Control label, std::string_view name, TextView caption,
                             TwipsRect place, const FontDefinition& font, Pointer pointer) {
  return {.id = Id(label),
          .name = name,
          .kind = ControlKind::kLabel,
          .caption = caption,
          .place = place,
          .tab_position = static_cast<int>(label),
          .shown = true,
          .text_colour = system_colour::kHighlightText,
          .font = &font,
          .pointer = pointer};
}

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

const std::array<ControlDefinition, 3> kForm2Controls = {
    AboutLabel(Form2Control::Label1, "Label1", u"Quillpad v.2", {120, 120, 2295, 375}, kTitleFont,
               Pointer::kDefault),
    AboutLabel(Form2Control::Label2, "Label2", kMakerEmail, {2640, 120, 1815, 375}, kLinkFont,
               Pointer::kHand),
    AboutLabel(Form2Control::Label3, "Label3", kMakerWeb, {240, 600, 3255, 375}, kLinkFont,
               Pointer::kHand),
};

}  // namespace quillpad
