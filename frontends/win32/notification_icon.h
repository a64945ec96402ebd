#pragma once

#include "core/desktop.h"
#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {

// The shell's narrow notification-icon record for this process: on 32-bit Windows the
// 88 bytes exactly as given; a 64-bit build widens the same fields to the native layout.
NOTIFYICONDATAA NativeTrayRecord(const NarrowTrayRecord& record);

bool SendNotifyIcon(NotifyIconMessage message, const NarrowTrayRecord& record);

}  // namespace quillpad::win32
