#include <string>
#include <vector>

#include "frontends/win32/form_window.h"
#include "frontends/win32/key_chord.h"
#include "frontends/win32/line_wrapping.h"
#include "frontends/win32/screen.h"
#include "frontends/win32/system_colours.h"
#include "frontends/win32/win32_text.h"

// A form window's messages, each turned into an event for the handlers or answered here.
namespace quillpad::win32 {
namespace {

// Posted to the window to put a paste into its box once the box's own paste has returned.
constexpr UINT kTakePaste = WM_APP + 1;

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

}  // namespace

void FormWindow::SetEvents(WindowEvents events) {
  events_ = std::move(events);
  DragAcceptFiles(hwnd(), events_.files_dropped ? TRUE : FALSE);
}

bool FormWindow::TranslateKeys(MSG& message) const {
  if (!hwnd_ || (message.hwnd != hwnd() && !IsChild(hwnd(), message.hwnd))) return false;
  if (accelerators_ && TranslateAcceleratorW(hwnd(), accelerators_.get(), &message) != 0) {
    return true;
  }
  return TakeKey(message) || IsDialogMessageW(hwnd(), &message) != 0;
}

bool FormWindow::TakeKey(MSG& message) const {
  const std::optional<KeyChord> chord = ChordOf(message);
  if (!chord) return false;
  HWND focus = GetFocus();
  const auto focused = by_handle_.find(focus);
  // Without a control in focus the keys are the window's, as over a label.
  const ControlKind kind =
      focused == by_handle_.end() ? ControlKind::kLabel : built_[focused->second].definition->kind;
  switch (EffectOf(*chord, kind)) {
    case KeyEffect::kControlsOwn:
      return false;
    case KeyEffect::kPressButton:
      SendMessageW(focus, BM_CLICK, 0, 0);
      return true;
    case KeyEffect::kNextControl:
      MoveFocus(false);
      return true;
    case KeyEffect::kPreviousControl:
      MoveFocus(true);
      return true;
    case KeyEffect::kOpenMenuBar:
      if (GetMenu(hwnd()) != nullptr) SendMessageW(hwnd(), WM_SYSCOMMAND, SC_KEYMENU, 0);
      return true;
    case KeyEffect::kKeptFromControls:
      // Sent to the window itself, whose Alt keys stand: the menu's letters, the system menu.
      message.hwnd = hwnd();
      return false;
  }
  return false;
}

void FormWindow::MoveFocus(bool previous) const {
  // From no control, to the first one (the last one, going back).
  HWND from = IsChild(hwnd(), GetFocus()) ? GetFocus() : nullptr;
  HWND next = GetNextDlgTabItem(hwnd(), from, previous ? TRUE : FALSE);
  if (next == nullptr) return;
  SetFocus(next);
  // A box reached with Tab has its text selected, as in every dialog.
  if ((SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
    SendMessageW(next, EM_SETSEL, 0, -1);
  }
}

LRESULT CALLBACK FormWindow::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* window = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
  return window->Receive(message, wparam, lparam);
}

LRESULT FormWindow::Receive(UINT message, WPARAM wparam, LPARAM lparam) {
  HWND self = hwnd();
  if (answer_ && message == answered_message_) return answer_();
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
        events_.mouse_move(ScreenTwips(GET_X_LPARAM(lparam)), ScreenTwips(GET_Y_LPARAM(lparam)));
      }
      return 0;
    case WM_COMMAND:
      OnCommand(wparam, lparam);
      return 0;
    case WM_ACTIVATE:
      // As a dialog does: the control last in focus has it again, at first the first one.
      if (LOWORD(wparam) == WA_INACTIVE) {
        if (IsChild(self, GetFocus())) focus_when_active_ = GetFocus();
      } else if (HIWORD(wparam) == 0) {
        SetFocus(IsChild(self, focus_when_active_) ? focus_when_active_
                                                   : GetNextDlgTabItem(self, nullptr, FALSE));
        return 0;
      }
      break;
    case kTakePaste:
      TakePaste();
      return 0;
    case WM_DROPFILES:
      // Posted, on Windows and by Wine's X11 driver alike, once the drag source has been
      // told the drop is done: the handler may ask its question here.
      TakeDrop(reinterpret_cast<HDROP>(wparam));
      return 0;
    case WM_CLOSE:
      // Closing is an unload request: the handlers decide, and the process ends from there.
      if (events_.close_requested) events_.close_requested();
      return 0;
    case WM_QUERYENDSESSION:
      // The profile is kept now, before the session ends, and the answer is always yes.
      if (events_.session_save_requested) events_.session_save_requested();
      return TRUE;
    case WM_ENDSESSION:
      // The session ends the run: what was typed since the request is kept too.
      if (wparam != FALSE) {
        if (events_.run_ended) events_.run_ended();
        PostQuitMessage(0);
      }
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
  GetClientRect(hwnd(), &client);
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

void FormWindow::TakeDrop(HDROP drop) {
  std::vector<Text> paths;
  // A window that its message box has disabled takes no drop, as it takes no click.
  const UINT count = IsWindowEnabled(hwnd()) ? DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) : 0;
  for (UINT i = 0; i < count; ++i) {
    std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, i, path.data(), UINT(path.size())));
    paths.push_back(FromWide(path));
  }
  DragFinish(drop);
  if (count > 0 && events_.files_dropped) events_.files_dropped(paths);
}

LRESULT CALLBACK FormWindow::ControlProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                              UINT_PTR, DWORD_PTR data) {
  auto* window = reinterpret_cast<FormWindow*>(data);
  const auto found = window->by_handle_.find(hwnd);
  if (!window->hwnd_ || found == window->by_handle_.end()) {
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
  const auto length = static_cast<std::size_t>(GetWindowTextLengthW(built.hwnd));
  if (pasted.size() <= kLongestWrappedLine && length + pasted.size() <= kLongestWrappedText) {
    return false;
  }
  std::wstring text(length + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(built.hwnd, text.data(), int(text.size()))));
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(built.hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  text.replace(start, end - start, pasted);
  if (CanWrap(text)) return false;
  paste_ = Paste{by_handle_.at(built.hwnd), std::move(text), start + DWORD(pasted.size())};
  PostMessageW(hwnd(), kTakePaste, 0, 0);
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

}  // namespace quillpad::win32
