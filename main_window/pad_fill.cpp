#include "main_window/pad_fill.h"

#include "main_window/form1_definition.h"
#include "main_window/pad_messages.h"
#include "main_window/pad_values.h"

namespace quillpad {
namespace {

struct BoxChange {
  ControlId box;
  const PadValue* value;
};

void Tell(Desktop& desktop, const Text& message) {
  desktop.MsgBox(message, MsgBoxStyle::kExclamation);
}

}  // namespace

void FillFromPadFile(Window& window, Desktop& desktop, const std::vector<Text>& paths) {
  if (paths.size() != 1) return Tell(desktop, PadSeveralFilesMessage());
  const Text& path = paths.front();
  const XmlReading reading = desktop.ReadXmlFile(path, kMaxPadFileBytes);
  if (const auto message = PadReadingMessage(path, reading, kMaxPadFileBytes)) {
    return Tell(desktop, *message);
  }
  if (reading.elements.empty() || reading.elements.front().path != kPadRoot) {
    return Tell(desktop, PadWrongRootMessage(path));
  }

  const std::vector<PadValue> values = PadValues(reading.elements);
  std::vector<BoxChange> changes;
  std::vector<TextView> replaced;
  for (const PadValue& value : values) {
    const ControlId box = kForm1FieldBoxes[static_cast<std::size_t>(value.source->field)];
    const Text current = window.GetText(box);
    // Boxes typed into on Linux hold bare line feeds where the file's text has CR LF: the
    // same text, which the user is not asked to replace.
    if (WithLineBreaks(current, u"\n") == WithLineBreaks(value.text, u"\n")) continue;
    changes.push_back({box, &value});
    if (!current.empty()) replaced.push_back(value.source->name);
  }
  if (changes.empty()) return Tell(desktop, PadNothingNewMessage());
  if (desktop.MsgBox(PadFillQuestion(changes.size(), replaced), MsgBoxStyle::kYesNoQuestion) !=
      MsgBoxResult::kYes) {
    return;
  }
  for (const BoxChange& change : changes) window.SetText(change.box, change.value->text);
}

}  // namespace quillpad
