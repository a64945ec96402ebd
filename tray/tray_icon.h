#pragma once

#include "core/desktop.h"
#include "core/ids.h"
#include "core/window.h"
#include "tray/tray_icon_record.h"

namespace quillpad {

// The main window's icon in the notification area: hiding the window into it, restoring
// the window from it, and its pop-up menu.
class TrayIcon {
 public:
  // The pop-up menu is also the one the icon offers to desktops that show its menu
  // themselves, so that "Выход" is there on every desktop.
  TrayIcon(Window& owner, Desktop& desktop, MenuId popup_menu);

  // Fills the record afresh and adds the icon; false when the desktop refused it.
  bool Add();
  // Deletes the icon named by the record as last filled.
  void Delete();

  // "Hide": into the notification area; where there is none, down to the taskbar, so that
  // the window always stays reachable.
  void HideOwner();

  // Brings the owner hidden in the notification area back, as a double-click on the icon
  // does: shown, then the icon deleted. An owner already out of it is left as it is.
  void Restore();

  // A mouse move over the owner, which is also how the icon's events arrive. Only while
  // the icon is in the notification area: the shown window's own moves can reach any column
  // on a scaled screen, and must never restore it or open the pop-up.
  void OnMouseMove(float x_twips);

  // The desktop's notification area was created anew (its shell restarted) and has
  // forgotten the icon: while the window is hidden in it, the icon is added again; a window
  // shown because the area went away goes back into the new one.
  void OnNotificationAreaCreated();

  // The desktop's notification area went away (its panel ended) and took the icon with it:
  // a window hidden there is shown, as at a start without one, so that it stays reachable.
  void OnNotificationAreaGone();

  const TrayIconRecord& record() const { return record_; }

 private:
  // Adds the icon for the hidden owner; where it is refused, the owner is shown minimised.
  void AddOrLeaveReachable();

  Window& owner_;
  Desktop& desktop_;
  MenuId popup_menu_;
  TrayIconRecord record_;
  bool in_notification_area_ = false;
  bool shown_until_area_returns_ = false;
};

}  // namespace quillpad
