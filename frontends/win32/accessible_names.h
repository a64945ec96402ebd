#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {

// Names for screen readers where a control's caption does not say enough. Active
// Accessibility clients, and UI Automation through its bridge to them, ask a control for
// its accessible object with WM_GETOBJECT; a named control answers with the standard
// object the system would give, whose name is replaced.
class AccessibleNames {
 public:
  // Names the control from now on, and tells listening clients its name changed.
  void Set(HWND control, std::wstring_view name);
  // The control's answer to WM_GETOBJECT, or none where the system's own answer stands.
  std::optional<LRESULT> Answer(HWND control, WPARAM wparam, LPARAM lparam) const;

 private:
  // Shared with the objects handed out, so a client holding one hears the current name.
  std::map<HWND, std::shared_ptr<std::wstring>> names_;
};

}  // namespace quillpad::win32
