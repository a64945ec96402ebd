#pragma once

#include <array>
#include <cstdint>

#include "core/window_definition.h"

namespace quillpad {

enum class Form2Control : std::uint16_t { Label1, Label2, Label3 };

extern const WindowDefinition kForm2Window;
extern const std::array<ControlDefinition, 3> kForm2Controls;

// The maker's contact address and web site, as the links show them.
extern const TextView kMakerEmail;
extern const TextView kMakerWeb;

constexpr ControlId Id(Form2Control control) {
  return IdOf<ControlId>(control);
}

}  // namespace quillpad
