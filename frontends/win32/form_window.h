#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/window.h"
#include "core/window_definition.h"
#include "core/window_events.h"
#include "frontends/win32/accessible_names.h"
#include "frontends/win32/artwork.h"
#include "frontends/win32/unique_handle.h"
#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {

// The class of every window the program builds.
inline constexpr wchar_t kFormWindowClass[] = L"QuillpadForm";

// A real window built once from its definition; it carries out what the handlers ask and
// reports user events, deciding nothing itself.
class FormWindow : public Window {
 public:
  // Whether the window's controls come with it or only from MakeControls; its menus, size and
  // place come with it either way.
  enum class Controls { kMade, kLater };

  explicit FormWindow(const WindowLayout& layout, Controls controls = Controls::kMade);
  ~FormWindow() override { Destroy(); }
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Makes the controls of a window built without them; a window that has them keeps them.
  void MakeControls();
  // The window takes dropped files only when the events have a handler for them.
  void SetEvents(WindowEvents events);
  // What the window answers a message registered by name, sent by another process.
  void SetAnswer(UINT message, std::function<LRESULT()> answer) {
    answered_message_ = message;
    answer_ = std::move(answer);
  }

  std::string_view name() const { return name_; }
  HWND hwnd() const { return hwnd_.get(); }
  HWND Control(ControlId id) const { return Built(id).hwnd; }
  HMENU Menu(MenuId id) const { return menus_.at(id); }
  // The window's keyboard: its menu keys, the keys the window gives a meaning, then the
  // dialog keys of Windows.
  bool TranslateKeys(MSG& message) const;
  // Removes the window from the screen for good.
  void Destroy();

  // Window
  void Show() override;
  void Hide() override;
  void Minimize() override;
  NativeHandle Handle() override;
  NativeHandle IconHandle() override;
  float Top() override;
  float Left() override;
  void SetTop(float twips) override;
  void SetLeft(float twips) override;
  float Width() override;
  float Height() override;
  bool PlaceKnown() override { return true; }
  VbBoolean Visible(ControlId control) override;
  void SetVisible(ControlId control, bool visible) override;
  Text GetText(ControlId control) override;
  void SetText(ControlId control, const Text& text) override;
  void SetTextColour(ControlId control, Colour colour) override;
  void SetAccessibleName(ControlId control, const Text& name) override;
  void AddItem(ControlId list, const Text& item) override;
  void PopupMenu(MenuId menu) override;

 private:
  struct BuiltControl {
    const ControlDefinition* definition;
    HWND hwnd;
    OptionalColour text_colour;
  };

  const BuiltControl& Built(ControlId id) const { return built_.at(controls_.at(id)); }
  BuiltControl& Built(ControlId id) { return built_.at(controls_.at(id)); }

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK ControlProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                           UINT_PTR subclass, DWORD_PTR data);
  LRESULT Receive(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT ReceiveForControl(BuiltControl& control, UINT message, WPARAM wparam, LPARAM lparam);
  std::optional<LRESULT> ColourControl(HDC dc, HWND control);
  void OnCommand(WPARAM wparam, LPARAM lparam);
  bool TakeKey(MSG& message) const;
  void MoveFocus(bool previous) const;
  void TakeDrop(HDROP drop);
  void PaintBackground(HDC dc);

  void CreateFrame(const WindowDefinition& window, bool has_menu_bar);
  void BuildMenus(const WindowLayout& layout);
  void BuildControls();
  HWND CreateControl(const ControlDefinition& definition, int child_id, DWORD extra_style = 0);
  // Makes a multi-line box wrap its lines, or scroll sideways, as its new text allows.
  void WrapFor(BuiltControl& built, std::wstring_view text);
  // Whether a paste into a wrapping multi-line box would give it a line too long to wrap;
  // if so, the box is replaced by one that scrolls sideways, holding the pasted text.
  bool PasteOutgrowsWrapping(const BuiltControl& built);
  void TakePaste();
  HFONT FontFor(const FontDefinition& definition);
  void MakeToolTips();
  // A transparent label leaves its old text behind unless what lies under it is redrawn.
  void RedrawUnder(HWND control);
  void MoveTo(int x, int y);
  RECT NormalPlace() const;

  // Menu items send their commands from here on, clear of the controls' child numbers.
  static constexpr int kFirstMenuItem = 1000;

  std::string_view name_;
  std::span<const ControlDefinition> control_definitions_;
  // Fonts and menus outlive the window, which uses them until it is destroyed.
  std::map<const FontDefinition*, UniqueFont> fonts_;
  std::vector<UniqueMenu> popups_not_in_bar_;
  UniqueAccelerators accelerators_;
  UniqueWindow hwnd_;
  std::vector<std::pair<HWND, std::wstring>> tips_to_make_;  // control, tip
  struct Paste {
    std::size_t control;
    std::wstring text;
    DWORD caret;
  };
  std::optional<Paste> paste_;
  HICON icon_ = nullptr;
  HWND focus_when_active_ = nullptr;
  HICON small_icon_ = nullptr;
  Colour back_colour_;
  Picture picture_;
  WindowEvents events_;
  UINT answered_message_ = 0;
  std::function<LRESULT()> answer_;
  std::vector<BuiltControl> built_;
  std::map<ControlId, std::size_t> controls_;
  std::map<HWND, std::size_t> by_handle_;
  std::map<MenuId, HMENU> menus_;
  AccessibleNames accessible_names_;
};

}  // namespace quillpad::win32
