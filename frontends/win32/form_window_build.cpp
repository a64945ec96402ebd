#include <algorithm>
#include <stdexcept>

#include "core/errors.h"
#include "core/twips.h"
#include "frontends/win32/form_window.h"
#include "frontends/win32/line_wrapping.h"
#include "frontends/win32/screen.h"
#include "frontends/win32/win32_text.h"

// A form window's making, from its definition: the frame, the menus, the controls.
namespace quillpad::win32 {
namespace {

// Controls' child numbers start here. Like the menu items' commands, they stay clear of the
// numbers the dialog keys send (IDOK, IDCANCEL).
constexpr int kFirstControl = 100;
// The drop-down's list, below its box: room for a dozen entries.
constexpr int kDropDownListHeight = 200;

void RegisterWindowClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    window_class.lpszClassName = kFormWindowClass;
    return RegisterClassExW(&window_class) != 0;
  }();
  if (!registered) throw PlatformError("Не удалось зарегистрировать класс окна Quillpad.");
}

DWORD FrameStyle(TitleBarButtons buttons) {
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  if (buttons == TitleBarButtons::kMinimizeAndClose) style |= WS_MINIMIZEBOX;
  return style;
}

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD extended_style;
};

ControlClass ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::kLabel:
      // Notifying, so that the label has mouse moves and clicks of its own.
      return {L"STATIC", SS_LEFT | SS_NOTIFY, WS_EX_TRANSPARENT};
    case ControlKind::kTextBox:
      return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::kMultiLineTextBox:
      return {L"EDIT", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
              WS_EX_CLIENTEDGE};
    case ControlKind::kButton:
      return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::kDropDownList:
      return {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
  }
  throw std::logic_error("unknown control kind");
}

// The common controls' library is loaded only when a window first makes its controls, so a
// run spent in the notification area never loads it.
void EnterCommonControls() {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
}

std::wstring MenuItemCaption(const MenuItemDefinition& item) {
  std::wstring caption = Wide(item.caption);
  if (item.ctrl_shortcut != 0) caption += std::wstring(L"\tCtrl+") + wchar_t(item.ctrl_shortcut);
  return caption;
}

}  // namespace

FormWindow::FormWindow(const WindowLayout& layout, Controls controls)
    : name_(layout.window.name),
      control_definitions_(layout.controls),
      icon_(ArtworkIcon(layout.window.icon, GetSystemMetrics(SM_CXICON))),
      small_icon_(ArtworkIcon(layout.window.icon, GetSystemMetrics(SM_CXSMICON))),
      back_colour_(layout.window.back_colour),
      picture_(layout.window.picture) {
  RegisterWindowClass(&FormWindow::Procedure);
  const bool has_menu_bar =
      std::any_of(layout.menus.begin(), layout.menus.end(),
                  [](const MenuDefinition& menu) { return menu.in_menu_bar; });
  CreateFrame(layout.window, has_menu_bar);
  BuildMenus(layout);
  if (controls == Controls::kMade) BuildControls();
}

void FormWindow::MakeControls() {
  if (built_.empty()) BuildControls();
}

void FormWindow::CreateFrame(const WindowDefinition& window, bool has_menu_bar) {
  const DWORD style = FrameStyle(window.buttons);
  RECT outer{0, 0, ScreenPixels(static_cast<float>(window.client_width)),
             ScreenPixels(static_cast<float>(window.client_height))};
  AdjustWindowRectEx(&outer, style, has_menu_bar, 0);
  // The definition places the client area; frame and menu bar stand around it.
  const int left = ScreenPixels(static_cast<float>(window.client_left)) + outer.left;
  const int top = ScreenPixels(static_cast<float>(window.client_top)) + outer.top;
  hwnd_.reset(CreateWindowExW(0, kFormWindowClass, Wide(window.caption).c_str(), style, left, top,
                              outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr));
  if (!hwnd_) {
    throw PlatformError("Окно «" + std::string(window.name) + "» не удалось создать.");
  }
  SetWindowLongPtrW(hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_));
}

void FormWindow::BuildMenus(const WindowLayout& layout) {
  HMENU bar = nullptr;
  for (const MenuDefinition& definition : layout.menus) {
    HMENU menu = CreatePopupMenu();
    menus_[definition.id] = menu;
    if (!definition.in_menu_bar) {
      popups_not_in_bar_.emplace_back(menu);
      continue;
    }
    if (bar == nullptr) bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu),
                Wide(definition.caption).c_str());
  }
  std::vector<ACCEL> keys;
  for (const MenuItemDefinition& item : layout.menu_items) {
    const auto command = static_cast<WORD>(kFirstMenuItem + static_cast<int>(item.id));
    AppendMenuW(menus_.at(item.menu), MF_STRING, command, MenuItemCaption(item).c_str());
    if (item.ctrl_shortcut != 0) {
      keys.push_back({FVIRTKEY | FCONTROL, static_cast<WORD>(item.ctrl_shortcut), command});
    }
  }
  if (bar != nullptr) SetMenu(hwnd(), bar);
  if (!keys.empty()) accelerators_.reset(CreateAcceleratorTableW(keys.data(), int(keys.size())));
}

void FormWindow::BuildControls() {
  EnterCommonControls();
  // Created in tab order, which is the order Tab moves the focus in.
  std::vector<const ControlDefinition*> in_tab_order;
  for (const ControlDefinition& definition : control_definitions_) {
    in_tab_order.push_back(&definition);
  }
  std::stable_sort(in_tab_order.begin(), in_tab_order.end(),
                   [](auto* a, auto* b) { return a->tab_position < b->tab_position; });
  built_.reserve(in_tab_order.size());
  for (const ControlDefinition* definition : in_tab_order) {
    const int child_id = kFirstControl + static_cast<int>(built_.size());
    HWND control = CreateControl(*definition, child_id);
    controls_[definition->id] = built_.size();
    by_handle_[control] = built_.size();
    built_.push_back({definition, control, definition->text_colour});
    SetWindowSubclass(control, &FormWindow::ControlProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
    if (!definition->tool_tip.empty())
      tips_to_make_.emplace_back(control, Wide(definition->tool_tip));
    if (!definition->accessible_name.empty())
      accessible_names_.Set(control, Wide(definition->accessible_name));
  }
}

HWND FormWindow::CreateControl(const ControlDefinition& definition, int child_id,
                               DWORD extra_style) {
  const ControlClass control_class = ClassOf(definition.kind);
  DWORD style = WS_CHILD | control_class.style | extra_style;
  if (definition.shown) style |= WS_VISIBLE;
  int height = ScreenPixels(static_cast<float>(definition.place.height));
  if (definition.kind == ControlKind::kDropDownList) height += kDropDownListHeight;
  HWND control = CreateWindowExW(
      control_class.extended_style, control_class.name, Wide(definition.caption).c_str(), style,
      ScreenPixels(static_cast<float>(definition.place.left)),
      ScreenPixels(static_cast<float>(definition.place.top)),
      ScreenPixels(static_cast<float>(definition.place.width)), height, hwnd(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(child_id)), GetModuleHandleW(nullptr), nullptr);
  if (control == nullptr) {
    throw PlatformError("Элемент «" + std::string(definition.name) + "» не удалось создать.");
  }
  HFONT font = definition.font != nullptr ? FontFor(*definition.font)
                                          : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (definition.kind == ControlKind::kTextBox ||
      definition.kind == ControlKind::kMultiLineTextBox) {
    SendMessageW(control, EM_SETLIMITTEXT, 0, 0);  // no limit on any field
  }
  return control;
}

HFONT FormWindow::FontFor(const FontDefinition& definition) {
  UniqueFont& font = fonts_[&definition];
  if (!font) {
    font.reset(CreateFontW(-PointsToPixels(definition.points, ScreenTwipsPerPixel()), 0, 0, 0,
                           definition.weight, FALSE, FALSE, FALSE,
                           static_cast<DWORD>(definition.charset), OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                           Wide(definition.family).c_str()));
  }
  return font.get();
}

void FormWindow::MakeToolTips() {
  if (tips_to_make_.empty()) return;
  HWND tool_tips =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                      GetModuleHandleW(nullptr), nullptr);
  for (auto& [control, tip] : tips_to_make_) {
    TOOLINFOW tool{};
    // The first layout, which every version of the common controls accepts.
    tool.cbSize = TTTOOLINFOW_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = tip.data();
    SendMessageW(tool_tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  tips_to_make_.clear();
}

void FormWindow::WrapFor(BuiltControl& built, std::wstring_view text) {
  const bool wraps = CanWrap(text);
  HWND old = built.hwnd;
  const auto style = static_cast<DWORD>(GetWindowLongW(old, GWL_STYLE));
  if (wraps == ((style & ES_AUTOHSCROLL) == 0)) return;
  // An edit control wraps or not from its making on, so a new box takes the old one's place.
  const bool focused = GetFocus() == old;
  HWND replacement =
      CreateControl(*built.definition, GetDlgCtrlID(old), wraps ? 0 : ES_AUTOHSCROLL);
  SetWindowPos(replacement, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ShowWindow(replacement, (style & WS_VISIBLE) != 0 ? SW_SHOWNA : SW_HIDE);
  const std::size_t index = by_handle_.at(old);
  by_handle_.erase(old);
  by_handle_[replacement] = index;
  built.hwnd = replacement;
  SetWindowSubclass(replacement, &FormWindow::ControlProcedure, 0,
                    reinterpret_cast<DWORD_PTR>(this));
  DestroyWindow(old);
  if (focused) SetFocus(replacement);
}

}  // namespace quillpad::win32
