#pragma once

#include <vector>

#include "core/text.h"
#include "core/xml_reading.h"
#include "main_window/pad_fields.h"

namespace quillpad {

// What a PAD file gives one field, written as the field's box shows it.
struct PadValue {
  const PadField* source;
  Text text;
};

// The text with each line break (CR LF, CR or LF) written as `line_break`. Multi-line boxes
// get CR LF, which both desktops' boxes show as a break and give back as it was set.
Text WithLineBreaks(TextView text, TextView line_break);

// The values that a PAD file's elements (its root first) give, in kPadFields order, one for
// each field with a non-empty value. Of elements with the same path the first counts. The
// descriptions are taken from the English ones where the file has them, else from the first
// language it lists.
std::vector<PadValue> PadValues(const std::vector<XmlElement>& elements);

}  // namespace quillpad
