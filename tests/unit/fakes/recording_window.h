#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/errors.h"
#include "core/window.h"

namespace quillpad::testing {

// A window that records every request in a shared log, so tests can check the order in
// which handlers ask for things.
class RecordingWindow : public Window {
 public:
  explicit RecordingWindow(std::vector<std::string>& log) : log_(log) {}

  void Show() override { Record("Show"); }
  void Hide() override { Record("Hide"); }
  void Minimize() override { Record("Minimize"); }
  NativeHandle Handle() override { return handle; }
  NativeHandle IconHandle() override { return icon; }
  float Top() override { return top; }
  float Left() override { return left; }
  void SetTop(float twips) override {
    Record("SetTop " + std::to_string(static_cast<int>(twips)));
    top = twips;
  }
  void SetLeft(float twips) override {
    Record("SetLeft " + std::to_string(static_cast<int>(twips)));
    left = twips;
  }
  float Width() override { return width; }
  float Height() override { return height; }
  bool PlaceKnown() override { return place_known; }
  VbBoolean Visible(ControlId control) override {
    Record("Visible " + std::to_string(static_cast<int>(control)));
    const auto found = visibility.find(control);
    return found == visibility.end() || found->second ? kVbTrue : kVbFalse;
  }
  void SetVisible(ControlId control, bool visible) override {
    if (fail_visibility_at == control) throw PlatformError("control is gone");
    Record("SetVisible " + std::to_string(static_cast<int>(control)) + (visible ? " 1" : " 0"));
    visibility[control] = visible;
  }
  Text GetText(ControlId control) override {
    Record("GetText " + std::to_string(static_cast<int>(control)));
    return texts[control];
  }
  void SetText(ControlId control, const Text& text) override { texts[control] = text; }
  void SetTextColour(ControlId control, Colour colour) override {
    Record("SetTextColour " + std::to_string(static_cast<int>(control)) + " " +
           std::to_string(colour));
    colours[control] = colour;
  }
  void SetAccessibleName(ControlId control, const Text& name) override {
    accessible_names[control] = name;
  }
  void AddItem(ControlId list, const Text& item) override {
    Record("AddItem " + std::to_string(static_cast<int>(list)));
    items[list].push_back(item);
  }
  void PopupMenu(MenuId menu) override {
    Record("PopupMenu " + std::to_string(static_cast<int>(menu)));
  }
  void SetNotificationIconMenu(MenuId menu) override { notification_icon_menu = menu; }

  NativeHandle handle = 0x1234;
  NativeHandle icon = 0x77;
  float top = 1020;
  float left = 7365;
  float width = 4890;
  float height = 7380;
  bool place_known = true;
  std::map<ControlId, Text> texts;
  std::map<ControlId, bool> visibility;  // a control not listed is visible
  std::map<ControlId, std::vector<Text>> items;
  std::map<ControlId, Colour> colours;
  std::map<ControlId, Text> accessible_names;
  std::optional<ControlId> fail_visibility_at;
  std::optional<MenuId> notification_icon_menu;

 private:
  void Record(std::string entry) { log_.push_back("window." + std::move(entry)); }

  std::vector<std::string>& log_;
};

}  // namespace quillpad::testing
