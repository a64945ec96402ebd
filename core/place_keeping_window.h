#pragma once

#include <optional>

#include "core/desktop.h"
#include "core/window.h"

namespace quillpad {

// The main window as the rest of the program sees it, with its place kept by the program
// itself, so that every build stores and brings back the same place:
// - while hidden, its place is where its outer corner was when it was last on the screen (or
//   where it was put to come up), whatever the window manager does with a hidden window;
// - each time it comes up, it is first brought within the user's reach on the screens there
//   are then (see PlaceWithinReach).
// Everything else is the window's own.
class PlaceKeepingWindow final : public Window {
 public:
  // The window is taken as it is built: hidden, at its first place.
  PlaceKeepingWindow(Window& window, Desktop& desktop);

  void Show() override;
  void Hide() override;
  void Minimize() override { window_.Minimize(); }

  NativeHandle Handle() override { return window_.Handle(); }
  NativeHandle IconHandle() override { return window_.IconHandle(); }

  float Top() override;
  float Left() override;
  float Width() override { return window_.Width(); }
  float Height() override { return window_.Height(); }
  // A place set while hidden is the stored one the window is to come up at.
  void SetTop(float twips) override;
  void SetLeft(float twips) override;
  bool PlaceKnown() override { return window_.PlaceKnown(); }

  VbBoolean Visible(ControlId control) override { return window_.Visible(control); }
  void SetVisible(ControlId control, bool visible) override {
    window_.SetVisible(control, visible);
  }
  Text GetText(ControlId control) override { return window_.GetText(control); }
  void SetText(ControlId control, const Text& text) override { window_.SetText(control, text); }
  void SetTextColour(ControlId control, Colour colour) override {
    window_.SetTextColour(control, colour);
  }
  void SetAccessibleName(ControlId control, const Text& name) override {
    window_.SetAccessibleName(control, name);
  }
  void AddItem(ControlId list, const Text& item) override { window_.AddItem(list, item); }
  void PopupMenu(MenuId menu) override { window_.PopupMenu(menu); }
  void SetNotificationIconMenu(MenuId menu) override { window_.SetNotificationIconMenu(menu); }

 private:
  void BringWithinReach();

  Window& window_;
  Desktop& desktop_;
  bool hidden_ = true;
  // Whether the place is the user's (stored, or where the user had the window) rather than
  // the program's first place.
  bool place_is_users_ = false;
  // The place while hidden, once known; before that, the window's own.
  std::optional<float> top_;
  std::optional<float> left_;
};

}  // namespace quillpad
