#include "main_window/pad_values.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "main_window/form1_definition.h"

namespace quillpad {
namespace {

constexpr TextView kXmlSpace = u" \t\r\n";

bool IsLineBreak(char16_t character) {
  return character == u'\r' || character == u'\n';
}

bool IsXmlSpace(char16_t character) {
  return kXmlSpace.find(character) != TextView::npos;
}

TextView Trimmed(TextView text) {
  const auto first = text.find_first_not_of(kXmlSpace);
  if (first == TextView::npos) return {};
  return text.substr(first, text.find_last_not_of(kXmlSpace) - first + 1);
}

// A single-line box shows no line break: a run of breaks, with the spaces and tabs around
// it, becomes one space, so that text wrapped in the file reads as one line.
Text OnOneLine(TextView text) {
  Text line;
  std::size_t at = 0;
  while (at < text.size()) {
    if (!IsLineBreak(text[at])) {
      line += text[at++];
      continue;
    }
    while (!line.empty() && IsXmlSpace(line.back())) line.pop_back();
    while (at < text.size() && IsXmlSpace(text[at])) ++at;
    line += u' ';
  }
  return line;
}

bool ShowsLines(ProfileField field) {
  const ControlId box = kForm1FieldBoxes[static_cast<std::size_t>(field)];
  return std::any_of(kForm1Controls.begin(), kForm1Controls.end(),
                     [&](const ControlDefinition& control) {
                       return control.id == box && control.kind == ControlKind::kMultiLineTextBox;
                     });
}

// The language whose descriptions are used, by the name of its element.
std::optional<TextView> DescriptionLanguage(const std::vector<XmlElement>& elements,
                                            TextView descriptions) {
  std::optional<TextView> first;
  for (const XmlElement& element : elements) {
    const TextView path = element.path;
    if (!path.starts_with(descriptions)) continue;
    const TextView language = path.substr(descriptions.size());
    if (language.find(u'/') != TextView::npos) continue;
    if (language == kPadPreferredLanguage) return language;
    if (!first) first = language;
  }
  return first;
}

}  // namespace

Text WithLineBreaks(TextView text, TextView line_break) {
  Text lines;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n') ++at;
    if (IsLineBreak(text[at])) {
      lines += line_break;
    } else {
      lines += text[at];
    }
  }
  return lines;
}

std::vector<PadValue> PadValues(const std::vector<XmlElement>& elements) {
  std::unordered_map<TextView, TextView> texts;
  for (const XmlElement& element : elements) texts.emplace(element.path, element.text);

  const Text root = Text(kPadRoot) + u'/';
  const Text descriptions = root + Text(kPadDescriptions) + u'/';
  const std::optional<TextView> language = DescriptionLanguage(elements, descriptions);

  std::vector<PadValue> values;
  for (const PadField& field : kPadFields) {
    if (field.branch == PadBranch::kDescription && !language) continue;
    const Text base =
        field.branch == PadBranch::kRoot ? root : descriptions + Text(*language) + u'/';
    for (TextView path : field.paths) {
      if (path.empty()) break;
      const auto found = texts.find(base + Text(path));
      if (found == texts.end()) continue;
      const TextView text = Trimmed(found->second);
      if (text.empty()) continue;
      values.push_back(
          {&field, ShowsLines(field.field) ? WithLineBreaks(text, u"\r\n") : OnOneLine(text)});
      break;
    }
  }
  return values;
}

}  // namespace quillpad
