#include "frontends/win32/notification_icon.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "frontends/win32/native_handle.h"
#include "tray/tray_icon_record.h"

namespace quillpad::win32 {
namespace {

constexpr bool kNativeIsNarrowRecord = sizeof(void*) == 4;
static_assert(!kNativeIsNarrowRecord || (offsetof(NOTIFYICONDATAA, szTip) == kNarrowTipOffset &&
                                         NOTIFYICONDATAA_V1_SIZE == kNarrowTrayRecordSize));

}  // namespace

NOTIFYICONDATAA NativeTrayRecord(const NarrowTrayRecord& record) {
  NOTIFYICONDATAA data{};
  if constexpr (kNativeIsNarrowRecord) {
    std::memcpy(&data, record.data(), record.size());
  } else {
    const TrayIconRecord fields = FromNarrow(record);
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = FromNative<HWND>(fields.window);
    data.uID = fields.id;
    data.uFlags = fields.flags;
    data.uCallbackMessage = fields.callback_message;
    data.hIcon = FromNative<HICON>(fields.icon);
    std::transform(fields.tip.begin(), fields.tip.end(), data.szTip,
                   [](char16_t byte) { return static_cast<char>(byte); });
  }
  return data;
}

bool SendNotifyIcon(NotifyIconMessage message, const NarrowTrayRecord& record) {
  NOTIFYICONDATAA data = NativeTrayRecord(record);
  return Shell_NotifyIconA(static_cast<DWORD>(message), &data) != FALSE;
}

}  // namespace quillpad::win32
