#include "core/controls_when_shown.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/errors.h"

namespace quillpad {

ControlsWhenShown::ControlsWhenShown(Window& window, std::span<const ControlDefinition> controls,
                                     std::function<void()> make_controls)
    : window_(window), controls_(controls), make_controls_(std::move(make_controls)) {}

void ControlsWhenShown::Show() {
  MakeControls();
  window_.Show();
}

void ControlsWhenShown::Minimize() {
  MakeControls();
  window_.Minimize();
}

VbBoolean ControlsWhenShown::Visible(ControlId control) {
  if (made_) return window_.Visible(control);
  const bool shown = Kept(control).visible.value_or(Definition(control).shown);
  return shown ? kVbTrue : kVbFalse;
}

void ControlsWhenShown::SetVisible(ControlId control, bool visible) {
  if (made_) return window_.SetVisible(control, visible);
  Kept(control).visible = visible;
}

Text ControlsWhenShown::GetText(ControlId control) {
  if (made_) return window_.GetText(control);
  const KeptControl& kept = Kept(control);
  return kept.text ? *kept.text : Text(Definition(control).caption);
}

void ControlsWhenShown::SetText(ControlId control, const Text& text) {
  if (made_) return window_.SetText(control, text);
  Kept(control).text = text;
}

void ControlsWhenShown::SetTextColour(ControlId control, Colour colour) {
  if (made_) return window_.SetTextColour(control, colour);
  Kept(control).text_colour = colour;
}

void ControlsWhenShown::SetAccessibleName(ControlId control, const Text& name) {
  if (made_) return window_.SetAccessibleName(control, name);
  Kept(control).accessible_name = name;
}

void ControlsWhenShown::AddItem(ControlId list, const Text& item) {
  if (made_) return window_.AddItem(list, item);
  Kept(list).items.push_back(item);
}

void ControlsWhenShown::MakeControls() {
  if (made_) return;
  make_controls_();
  made_ = true;
  // In the definition's order, so that the controls are given their state as a window made
  // at start would have been.
  for (const ControlDefinition& definition : controls_) {
    const auto found = kept_.find(definition.id);
    if (found == kept_.end()) continue;
    const KeptControl& kept = found->second;
    for (const Text& item : kept.items) window_.AddItem(definition.id, item);
    if (kept.text) window_.SetText(definition.id, *kept.text);
    if (kept.text_colour) window_.SetTextColour(definition.id, *kept.text_colour);
    if (kept.accessible_name) window_.SetAccessibleName(definition.id, *kept.accessible_name);
    if (kept.visible) window_.SetVisible(definition.id, *kept.visible);
  }
  kept_.clear();
}

const ControlDefinition& ControlsWhenShown::Definition(ControlId control) const {
  const auto found =
      std::find_if(controls_.begin(), controls_.end(),
                   [control](const ControlDefinition& d) { return d.id == control; });
  if (found == controls_.end()) {
    throw PlatformError("no control " + std::to_string(static_cast<int>(control)));
  }
  return *found;
}

ControlsWhenShown::KeptControl& ControlsWhenShown::Kept(ControlId control) {
  Definition(control);
  return kept_[control];
}

}  // namespace quillpad
