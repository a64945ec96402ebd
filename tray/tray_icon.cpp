#include "tray/tray_icon.h"

#include "tray/tray_event.h"

namespace quillpad {

TrayIcon::TrayIcon(Window& owner, Desktop& desktop, MenuId popup_menu)
    : owner_(owner), desktop_(desktop), popup_menu_(popup_menu) {
  owner_.SetNotificationIconMenu(popup_menu_);
}

bool TrayIcon::Add() {
  FillTrayIconRecord(record_, owner_);
  in_notification_area_ = desktop_.NotifyIcon(NotifyIconMessage::kAdd, ToNarrow(record_));
  return in_notification_area_;
}

void TrayIcon::Delete() {
  in_notification_area_ = false;
  desktop_.NotifyIcon(NotifyIconMessage::kDelete, ToNarrow(record_));
}

void TrayIcon::HideOwner() {
  if (!desktop_.TrayAvailable()) {
    owner_.Minimize();
    return;
  }
  owner_.Hide();
  AddOrLeaveReachable();
}

void TrayIcon::OnNotificationAreaCreated() {
  if (shown_until_area_returns_) {
    shown_until_area_returns_ = false;
    owner_.Hide();
    AddOrLeaveReachable();
  } else if (in_notification_area_) {
    AddOrLeaveReachable();
  }
}

void TrayIcon::OnNotificationAreaGone() {
  if (!in_notification_area_) return;
  owner_.Show();
  Delete();
  shown_until_area_returns_ = true;
}

void TrayIcon::AddOrLeaveReachable() {
  if (!Add()) {
    owner_.Show();
    owner_.Minimize();
  }
}

void TrayIcon::Restore() {
  if (!in_notification_area_) return;
  owner_.Show();
  Delete();
}

void TrayIcon::OnMouseMove(float x_twips) {
  if (!in_notification_area_) return;
  switch (DecodeTrayEvent(x_twips, desktop_.TwipsPerPixelX())) {
    case kTrayLeftDoubleClick:
      Restore();
      break;
    case kTrayRightButtonUp:
      owner_.PopupMenu(popup_menu_);
      break;
    default:
      break;
  }
}

}  // namespace quillpad
