#include "frontends/win32/form_window.h"

#include "frontends/win32/native_handle.h"
#include "frontends/win32/screen.h"
#include "frontends/win32/win32_text.h"

// What the handlers ask of a form window, carried out on the built window.
namespace quillpad::win32 {

void FormWindow::Destroy() {
  if (!hwnd_) return;
  SetWindowLongPtrW(hwnd(), GWLP_USERDATA, 0);
  // Reset clears the handle before destroying the window, so that the messages of its
  // destruction find the window gone.
  hwnd_.reset();
}

void FormWindow::RedrawUnder(HWND control) {
  RECT area;
  GetWindowRect(control, &area);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&area), 2);
  RedrawWindow(hwnd(), &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void FormWindow::Show() {
  // The tool tips are a pop-up owned by this window, so they are made only now, once the
  // window may have been pinned above others: Wine leaves a window that already owns a
  // pop-up unpinned.
  MakeToolTips();
  ShowWindow(hwnd(), SW_SHOW);
}

void FormWindow::Hide() {
  ShowWindow(hwnd(), SW_HIDE);
}

void FormWindow::Minimize() {
  ShowWindow(hwnd(), SW_MINIMIZE);
}

NativeHandle FormWindow::Handle() {
  return AsNative(hwnd());
}

NativeHandle FormWindow::IconHandle() {
  return AsNative(icon_);
}

RECT FormWindow::NormalPlace() const {
  // While minimised, the place the window will come back to.
  if (IsIconic(hwnd())) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(hwnd(), &placement);
    return placement.rcNormalPosition;
  }
  RECT place;
  GetWindowRect(hwnd(), &place);
  return place;
}

void FormWindow::MoveTo(int x, int y) {
  if (IsIconic(hwnd())) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(hwnd(), &placement);
    OffsetRect(&placement.rcNormalPosition, x - placement.rcNormalPosition.left,
               y - placement.rcNormalPosition.top);
    SetWindowPlacement(hwnd(), &placement);
    return;
  }
  SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

float FormWindow::Top() {
  return ScreenTwips(NormalPlace().top);
}

float FormWindow::Left() {
  return ScreenTwips(NormalPlace().left);
}

float FormWindow::Width() {
  const RECT place = NormalPlace();
  return ScreenTwips(place.right - place.left);
}

float FormWindow::Height() {
  const RECT place = NormalPlace();
  return ScreenTwips(place.bottom - place.top);
}

void FormWindow::SetTop(float twips) {
  MoveTo(NormalPlace().left, ScreenPixels(twips));
}

void FormWindow::SetLeft(float twips) {
  MoveTo(ScreenPixels(twips), NormalPlace().top);
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
  TrackPopupMenu(Menu(menu), 0, at.x, at.y, 0, hwnd(), nullptr);
}

}  // namespace quillpad::win32
