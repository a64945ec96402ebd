#pragma once

#include <cstdint>

#include "core/colour.h"
#include "core/ids.h"
#include "core/text.h"

namespace quillpad {

// Truth values read back from a window are 16-bit, with true = -1.
using VbBoolean = std::int16_t;
inline constexpr VbBoolean kVbTrue = -1;
inline constexpr VbBoolean kVbFalse = 0;

// A handle as the desktop's 32-bit records carry it.
using NativeHandle = std::uint32_t;

// One loaded window, as the handlers see it. Positions are in twips from the screen's
// top-left corner. Any operation may throw PlatformError.
class Window {
 public:
  virtual ~Window() = default;

  // Modeless, without an owner window.
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual void Minimize() = 0;

  virtual NativeHandle Handle() = 0;
  virtual NativeHandle IconHandle() = 0;

  // The window's outer top-left corner; while minimised, that of its normal placement.
  virtual float Top() = 0;
  virtual float Left() = 0;
  virtual void SetTop(float twips) = 0;
  virtual void SetLeft(float twips) = 0;
  // The window's outer size, frame included where the desktop has framed it.
  virtual float Width() = 0;
  virtual float Height() = 0;
  // Whether Top and Left say where the desktop shows the window: a Wayland desktop tells
  // no program where its windows are.
  virtual bool PlaceKnown() = 0;

  // Whether the control itself is set visible, whatever its window's state.
  virtual VbBoolean Visible(ControlId control) = 0;
  virtual void SetVisible(ControlId control, bool visible) = 0;
  virtual Text GetText(ControlId control) = 0;
  virtual void SetText(ControlId control, const Text& text) = 0;
  virtual void SetTextColour(ControlId control, Colour colour) = 0;
  // What screen readers call the control, in place of its caption.
  virtual void SetAccessibleName(ControlId control, const Text& name) = 0;
  // Appends an entry to a list, after the others.
  virtual void AddItem(ControlId list, const Text& item) = 0;

  // Opens one of the window's menus as a pop-up at the mouse pointer.
  virtual void PopupMenu(MenuId menu) = 0;

  // The menu that the window's notification icon offers where the desktop shows an icon's
  // menu itself and reports no button release for it; each item chosen there is reported as
  // the window's own menu item. Desktops that only report the clicks need nothing here.
  virtual void SetNotificationIconMenu(MenuId) {}
};

}  // namespace quillpad
