#pragma once

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <vector>

#include "core/window.h"
#include "core/window_definition.h"

namespace quillpad {

// A window whose controls are made only when it first comes up, so that a run spent waiting
// in the notification area never pays for them. Until then everything the handlers set on a
// control is kept here and read back from here; when the window is first shown (or
// minimised, which the desktop may undo by itself), the controls are made and given, control
// by control in the definition's order, their entries, text, colour, name and visibility,
// before the window comes up. After that every call goes to the window.
class ControlsWhenShown final : public Window {
 public:
  // `make_controls` makes the window's controls from `controls`; the window is taken
  // without them.
  ControlsWhenShown(Window& window, std::span<const ControlDefinition> controls,
                    std::function<void()> make_controls);

  bool controls_made() const { return made_; }

  void Show() override;
  void Hide() override { window_.Hide(); }
  void Minimize() override;

  NativeHandle Handle() override { return window_.Handle(); }
  NativeHandle IconHandle() override { return window_.IconHandle(); }

  float Top() override { return window_.Top(); }
  float Left() override { return window_.Left(); }
  void SetTop(float twips) override { window_.SetTop(twips); }
  void SetLeft(float twips) override { window_.SetLeft(twips); }
  float Width() override { return window_.Width(); }
  float Height() override { return window_.Height(); }
  bool PlaceKnown() override { return window_.PlaceKnown(); }

  VbBoolean Visible(ControlId control) override;
  void SetVisible(ControlId control, bool visible) override;
  Text GetText(ControlId control) override;
  void SetText(ControlId control, const Text& text) override;
  void SetTextColour(ControlId control, Colour colour) override;
  void SetAccessibleName(ControlId control, const Text& name) override;
  void AddItem(ControlId list, const Text& item) override;
  void PopupMenu(MenuId menu) override { window_.PopupMenu(menu); }
  void SetNotificationIconMenu(MenuId menu) override { window_.SetNotificationIconMenu(menu); }

 private:
  // What the handlers have set on one control so far.
  struct KeptControl {
    std::vector<Text> items;
    std::optional<Text> text;
    std::optional<Colour> text_colour;
    std::optional<Text> accessible_name;
    std::optional<bool> visible;
  };

  void MakeControls();
  // The control's definition; PlatformError for an id the window does not have.
  const ControlDefinition& Definition(ControlId control) const;
  KeptControl& Kept(ControlId control);

  Window& window_;
  std::span<const ControlDefinition> controls_;
  std::function<void()> make_controls_;
  bool made_ = false;
  std::map<ControlId, KeptControl> kept_;
};

}  // namespace quillpad
