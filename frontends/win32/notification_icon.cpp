#include "frontends/win32/notification_icon.h"

#include <cstddef>
#include <cstring>

namespace quillpad::win32 {
namespace {

constexpr std::size_t kTipOffset = 24;

std::uint32_t Uint32At(const NarrowTrayRecord& record, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{record[offset + i]} << (8 * i);
  return value;
}

template <typename Handle>
Handle HandleAt(const NarrowTrayRecord& record, std::size_t offset) {
  // Handles are 32-bit significant, sign-extended on 64-bit Windows.
  const auto value = static_cast<std::int32_t>(Uint32At(record, offset));
  return reinterpret_cast<Handle>(static_cast<std::intptr_t>(value));
}

constexpr bool kNativeIsNarrowRecord = sizeof(void*) == 4;
static_assert(!kNativeIsNarrowRecord || (offsetof(NOTIFYICONDATAA, szTip) == kTipOffset &&
                                         NOTIFYICONDATAA_V1_SIZE == kNarrowTrayRecordSize));

}  // namespace

NOTIFYICONDATAA NativeTrayRecord(const NarrowTrayRecord& record) {
  NOTIFYICONDATAA data{};
  if constexpr (kNativeIsNarrowRecord) {
    std::memcpy(&data, record.data(), record.size());
  } else {
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = HandleAt<HWND>(record, 4);
    data.uID = Uint32At(record, 8);
    data.uFlags = Uint32At(record, 12);
    data.uCallbackMessage = Uint32At(record, 16);
    data.hIcon = HandleAt<HICON>(record, 20);
    std::memcpy(data.szTip, record.data() + kTipOffset, sizeof(data.szTip));
  }
  return data;
}

bool SendNotifyIcon(NotifyIconMessage message, const NarrowTrayRecord& record) {
  NOTIFYICONDATAA data = NativeTrayRecord(record);
  return Shell_NotifyIconA(static_cast<DWORD>(message), &data) != FALSE;
}

}  // namespace quillpad::win32
