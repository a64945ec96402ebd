#include "frontends/win32/form_window.h"

#include <algorithm>
#include <stdexcept>

#include "core/errors.h"
#include "core/twips.h"
#include "frontends/win32/screen.h"
#include "frontends/win32/system_colours.h"
#include "frontends/win32/win32_text.h"
#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"QuillpadForm";
// Child and command numbers: controls from here on, menu items from kFirstMenuItem. Both
// stay clear of the numbers the dialog keys send (IDOK, IDCANCEL).
constexpr int kFirstControl = 100;
constexpr int kFirstMenuItem = 1000;
// The drop-down's list, below its box: room for a dozen entries.
constexpr int kDropDownListHeight = 200;
// Posted to the window to put a paste into its box once the box's own paste has returned.
constexpr UINT kTakePaste = WM_APP + 1;

int Pixels(float twips) {
  return TwipsToPixels(twips, ScreenTwipsPerPixel());
}

float Twips(int pixels) {
  return static_cast<float>(pixels) * ScreenTwipsPerPixel();
}

NativeHandle AsNative(const void* handle) {
  return static_cast<NativeHandle>(reinterpret_cast<std::uintptr_t>(handle));
}

void RegisterWindowClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    window_class.lpszClassName = kWindowClass;
    return RegisterClassExW(&window_class) != 0;
  }();
  if (!registered) throw PlatformError("Не удалось зарегистрировать класс окна Quillpad.");
}

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
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

// The edit control wraps a line by measuring all that is left of it for every row it makes,
// so the time to wrap grows with the square of the line's length: 10,000 characters without
// a line break take seconds, 100,000 minutes, during which the program answers nothing. A
// multi-line box whose text has a longer line than this scrolls sideways instead.
constexpr std::size_t kLongestWrappedLine = 2000;

std::size_t LongestLine(std::wstring_view text) {
  std::size_t longest = 0;
  std::size_t current = 0;
  for (const wchar_t character : text) {
    current = character == L'\r' || character == L'\n' ? 0 : current + 1;
    longest = std::max(longest, current);
  }
  return longest;
}

std::wstring MenuItemCaption(const MenuItemDefinition& item) {
  std::wstring caption = Wide(item.caption);
  if (item.ctrl_shortcut != 0) caption += std::wstring(L"\tCtrl+") + wchar_t(item.ctrl_shortcut);
  return caption;
}

}  // namespace

FormWindow::FormWindow(const WindowLayout& layout)
    : name_(layout.window.name),
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
  BuildControls(layout);
}

FormWindow::~FormWindow() {
  Destroy();
  for (HMENU menu : popups_not_in_bar_) DestroyMenu(menu);
  if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
  for (const auto& [definition, font] : fonts_) DeleteObject(font);
}

void FormWindow::CreateFrame(const WindowDefinition& window, bool has_menu_bar) {
  const DWORD style = FrameStyle(window.buttons);
  RECT outer{0, 0, Pixels(static_cast<float>(window.client_width)),
             Pixels(static_cast<float>(window.client_height))};
  AdjustWindowRectEx(&outer, style, has_menu_bar, 0);
  // The definition places the client area; frame and menu bar stand around it.
  const int left = Pixels(static_cast<float>(window.client_left)) + outer.left;
  const int top = Pixels(static_cast<float>(window.client_top)) + outer.top;
  hwnd_ = CreateWindowExW(0, kWindowClass, Wide(window.caption).c_str(), style, left, top,
                          outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  if (hwnd_ == nullptr) {
    throw PlatformError("Окно «" + std::string(window.name) + "» не удалось создать.");
  }
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_));
}

void FormWindow::BuildMenus(const WindowLayout& layout) {
  HMENU bar = nullptr;
  for (const MenuDefinition& definition : layout.menus) {
    HMENU menu = CreatePopupMenu();
    menus_[definition.id] = menu;
    if (!definition.in_menu_bar) {
      popups_not_in_bar_.push_back(menu);
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
  if (bar != nullptr) SetMenu(hwnd_, bar);
  if (!keys.empty()) accelerators_ = CreateAcceleratorTableW(keys.data(), int(keys.size()));
}

void FormWindow::BuildControls(const WindowLayout& layout) {
  // Created in tab order, which is the order Tab moves the focus in.
  std::vector<const ControlDefinition*> in_tab_order;
  for (const ControlDefinition& definition : layout.controls) in_tab_order.push_back(&definition);
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
  int height = Pixels(static_cast<float>(definition.place.height));
  if (definition.kind == ControlKind::kDropDownList) height += kDropDownListHeight;
  HWND control = CreateWindowExW(
      control_class.extended_style, control_class.name, Wide(definition.caption).c_str(), style,
      Pixels(static_cast<float>(definition.place.left)),
      Pixels(static_cast<float>(definition.place.top)),
      Pixels(static_cast<float>(definition.place.width)), height, hwnd_,
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
  HFONT& font = fonts_[&definition];
  if (font == nullptr) {
    font =
        CreateFontW(-PointsToPixels(definition.points, ScreenTwipsPerPixel()), 0, 0, 0,
                    definition.weight, FALSE, FALSE, FALSE, static_cast<DWORD>(definition.charset),
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                    DEFAULT_PITCH | FF_SWISS, Wide(definition.family).c_str());
  }
  return font;
}

void FormWindow::MakeToolTips() {
  if (tips_to_make_.empty()) return;
  HWND tool_tips =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                      GetModuleHandleW(nullptr), nullptr);
  for (auto& [control, tip] : tips_to_make_) {
    TOOLINFOW tool{};
    // The first layout, which every version of the common controls accepts.
    tool.cbSize = TTTOOLINFOW_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = tip.data();
    SendMessageW(tool_tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  tips_to_make_.clear();
}

bool FormWindow::TranslateKeys(MSG& message) const {
  if (hwnd_ == nullptr || (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd))) return false;
  if (accelerators_ != nullptr && TranslateAcceleratorW(hwnd_, accelerators_, &message) != 0) {
    return true;
  }
  return IsDialogMessageW(hwnd_, &message) != 0;
}

void FormWindow::Destroy() {
  if (hwnd_ == nullptr) return;
  HWND window = hwnd_;
  hwnd_ = nullptr;
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
}

LRESULT CALLBACK FormWindow::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* window = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
  return window->Receive(message, wparam, lparam);
}

LRESULT FormWindow::Receive(UINT message, WPARAM wparam, LPARAM lparam) {
  HWND self = hwnd_;
  switch (message) {
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      if (const auto brush =
              ColourControl(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam))) {
        return *brush;
      }
      break;
    case WM_MOUSEMOVE:
      if (events_.mouse_move) {
        events_.mouse_move(Twips(GET_X_LPARAM(lparam)), Twips(GET_Y_LPARAM(lparam)));
      }
      return 0;
    case WM_COMMAND:
      OnCommand(wparam, lparam);
      return 0;
    case kTakePaste:
      TakePaste();
      return 0;
    case WM_CLOSE:
      // Closing is an unload request: the handlers decide, and the process ends from there.
      if (events_.close_requested) events_.close_requested();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // Logging off or shutting down ends the program as closing it does: all is saved.
      if (wparam != FALSE && events_.close_requested) events_.close_requested();
      return 0;
    default:
      if (message == TaskbarCreatedMessage() && message != 0) {
        if (events_.notification_area_created) events_.notification_area_created();
        return 0;
      }
      break;
  }
  return DefWindowProcW(self, message, wparam, lparam);
}

void FormWindow::PaintBackground(HDC dc) {
  RECT client;
  GetClientRect(hwnd_, &client);
  FillRect(dc, &client, ColourBrush(back_colour_));
  picture_.Draw(dc);
}

std::optional<LRESULT> FormWindow::ColourControl(HDC dc, HWND control) {
  const auto found = by_handle_.find(control);
  if (found == by_handle_.end()) return std::nullopt;
  const BuiltControl& built = built_[found->second];
  if (built.definition->kind == ControlKind::kLabel) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ResolveColour(built.text_colour.value_or(SystemColour(COLOR_WINDOWTEXT))));
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  }
  if (!built.definition->back_colour && !built.text_colour) return std::nullopt;
  const Colour back = built.definition->back_colour.value_or(SystemColour(COLOR_WINDOW));
  SetBkColor(dc, ResolveColour(back));
  SetTextColor(dc, ResolveColour(built.text_colour.value_or(SystemColour(COLOR_WINDOWTEXT))));
  return reinterpret_cast<LRESULT>(ColourBrush(back));
}

void FormWindow::OnCommand(WPARAM wparam, LPARAM lparam) {
  const int command = LOWORD(wparam);
  if (lparam == 0) {
    if (command >= kFirstMenuItem && events_.menu_item) {
      events_.menu_item(static_cast<MenuItemId>(command - kFirstMenuItem));
    }
    return;
  }
  const auto found = by_handle_.find(reinterpret_cast<HWND>(lparam));
  if (found == by_handle_.end()) return;
  const BuiltControl& built = built_[found->second];
  if (built.definition->kind == ControlKind::kButton && HIWORD(wparam) == BN_CLICKED &&
      events_.click) {
    events_.click(built.definition->id);
  }
}

LRESULT CALLBACK FormWindow::ControlProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                              UINT_PTR, DWORD_PTR data) {
  auto* window = reinterpret_cast<FormWindow*>(data);
  const auto found = window->by_handle_.find(hwnd);
  if (window->hwnd_ == nullptr || found == window->by_handle_.end()) {
    return DefSubclassProc(hwnd, message, wparam, lparam);
  }
  return window->ReceiveForControl(window->built_[found->second], message, wparam, lparam);
}

LRESULT FormWindow::ReceiveForControl(BuiltControl& control, UINT message, WPARAM wparam,
                                      LPARAM lparam) {
  const ControlDefinition& definition = *control.definition;
  if (message == WM_SETCURSOR && definition.pointer == Pointer::kHand) {
    SetCursor(HandCursor());
    return TRUE;
  }
  if (message == WM_GETOBJECT) {
    if (auto answer = accessible_names_.Answer(control.hwnd, wparam, lparam)) return *answer;
  }
  if (message == WM_PASTE && definition.kind == ControlKind::kMultiLineTextBox &&
      PasteOutgrowsWrapping(control)) {
    return 0;
  }
  if (definition.kind == ControlKind::kLabel) {
    // Labels report their own moves and clicks, as the window's links need.
    if (message == WM_MOUSEMOVE && events_.control_mouse_move) {
      events_.control_mouse_move(definition.id);
    } else if (message == WM_LBUTTONUP && events_.click) {
      RECT area;
      GetClientRect(control.hwnd, &area);
      const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      if (PtInRect(&area, at)) events_.click(definition.id);
    }
  }
  return DefSubclassProc(control.hwnd, message, wparam, lparam);
}

bool FormWindow::PasteOutgrowsWrapping(const BuiltControl& built) {
  if ((GetWindowLongW(built.hwnd, GWL_STYLE) & ES_AUTOHSCROLL) != 0 ||
      !IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(built.hwnd)) {
    return false;
  }
  std::wstring pasted;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
      pasted.assign(text, wcsnlen(text, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  if (pasted.size() <= kLongestWrappedLine) return false;
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(built.hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(built.hwnd, text.data(), int(text.size()))));
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(built.hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  text.replace(start, end - start, pasted);
  if (LongestLine(text) <= kLongestWrappedLine) return false;
  paste_ = Paste{by_handle_.at(built.hwnd), std::move(text), start + DWORD(pasted.size())};
  PostMessageW(hwnd_, kTakePaste, 0, 0);
  return true;
}

void FormWindow::TakePaste() {
  if (!paste_) return;
  const Paste paste = std::move(*paste_);
  paste_.reset();
  BuiltControl& built = built_.at(paste.control);
  WrapFor(built, paste.text);
  SetWindowTextW(built.hwnd, paste.text.c_str());
  SendMessageW(built.hwnd, EM_SETSEL, paste.caret, paste.caret);
  SendMessageW(built.hwnd, EM_SCROLLCARET, 0, 0);
}

void FormWindow::RedrawUnder(HWND control) {
  RECT area;
  GetWindowRect(control, &area);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&area), 2);
  RedrawWindow(hwnd_, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void FormWindow::Show() {
  // The tool tips are a pop-up owned by this window, so they are made only now, once the
  // window may have been pinned above others: Wine leaves a window that already owns a
  // pop-up unpinned.
  MakeToolTips();
  ShowWindow(hwnd_, SW_SHOW);
}

void FormWindow::Hide() {
  ShowWindow(hwnd_, SW_HIDE);
}

void FormWindow::Minimize() {
  ShowWindow(hwnd_, SW_MINIMIZE);
}

NativeHandle FormWindow::Handle() {
  return AsNative(hwnd_);
}

NativeHandle FormWindow::IconHandle() {
  return AsNative(icon_);
}

RECT FormWindow::NormalPlace() const {
  // While minimised, the place the window will come back to.
  if (IsIconic(hwnd_)) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(hwnd_, &placement);
    return placement.rcNormalPosition;
  }
  RECT place;
  GetWindowRect(hwnd_, &place);
  return place;
}

void FormWindow::MoveTo(int x, int y) {
  if (IsIconic(hwnd_)) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(hwnd_, &placement);
    OffsetRect(&placement.rcNormalPosition, x - placement.rcNormalPosition.left,
               y - placement.rcNormalPosition.top);
    SetWindowPlacement(hwnd_, &placement);
    return;
  }
  SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

float FormWindow::Top() {
  return Twips(NormalPlace().top);
}

float FormWindow::Left() {
  return Twips(NormalPlace().left);
}

void FormWindow::SetTop(float twips) {
  MoveTo(NormalPlace().left, Pixels(twips));
}

void FormWindow::SetLeft(float twips) {
  MoveTo(Pixels(twips), NormalPlace().top);
}

VbBoolean FormWindow::Visible(ControlId control) {
  return (GetWindowLongW(Control(control), GWL_STYLE) & WS_VISIBLE) != 0 ? kVbTrue : kVbFalse;
}

void FormWindow::SetVisible(ControlId control, bool visible) {
  ShowWindow(Control(control), visible ? SW_SHOW : SW_HIDE);
}

Text FormWindow::GetText(ControlId control) {
  HWND handle = Control(control);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(handle, text.data(), int(text.size()))));
  return FromWide(text);
}

void FormWindow::WrapFor(BuiltControl& built, std::wstring_view text) {
  const bool wraps = LongestLine(text) <= kLongestWrappedLine;
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

void FormWindow::SetText(ControlId control, const Text& text) {
  BuiltControl& built = Built(control);
  const std::wstring wide = Wide(text);
  if (built.definition->kind == ControlKind::kMultiLineTextBox) WrapFor(built, wide);
  SetWindowTextW(built.hwnd, wide.c_str());
  if (built.definition->kind == ControlKind::kLabel) RedrawUnder(built.hwnd);
}

void FormWindow::SetTextColour(ControlId control, Colour colour) {
  BuiltControl& built = Built(control);
  if (built.text_colour == colour) return;
  built.text_colour = colour;
  if (built.definition->kind == ControlKind::kLabel) {
    RedrawUnder(built.hwnd);
  } else {
    InvalidateRect(built.hwnd, nullptr, TRUE);
  }
}

void FormWindow::SetAccessibleName(ControlId control, const Text& name) {
  accessible_names_.Set(Control(control), Wide(name));
}

void FormWindow::AddItem(ControlId list, const Text& item) {
  const std::wstring entry = Wide(item);
  SendMessageW(Control(list), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

void FormWindow::PopupMenu(MenuId menu) {
  POINT at;
  GetCursorPos(&at);
  TrackPopupMenu(Menu(menu), 0, at.x, at.y, 0, hwnd_, nullptr);
}

}  // namespace quillpad::win32
