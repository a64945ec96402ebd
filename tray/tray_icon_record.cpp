#include "tray/tray_icon_record.h"

#include <algorithm>
#include <string_view>

namespace quillpad {
namespace {

void PutUint32(NarrowTrayRecord& bytes, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) bytes[offset + i] = (value >> (8 * i)) & 0xFF;
}

std::uint32_t Uint32At(const NarrowTrayRecord& bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{bytes[offset + i]} << (8 * i);
  return value;
}

// The tip is plain ASCII; anything else would have no byte of its own in the narrow form.
std::uint8_t NarrowTipCharacter(char16_t c) {
  return c < 0x80 ? static_cast<std::uint8_t>(c) : '?';
}

}  // namespace

void FillTrayIconRecord(TrayIconRecord& record, Window& owner) {
  record.size = kNarrowTrayRecordSize;
  record.window = owner.Handle();
  record.id = kTrayIconId;
  record.flags = kTrayIconFlags;
  record.callback_message = kTrayCallbackMessage;
  record.icon = owner.IconHandle();
  // The text, the NUL that ends it for the shell, and spaces to the end of the field.
  const std::u16string_view tip = kTrayTip;
  record.tip.fill(u' ');
  std::copy(tip.begin(), tip.end(), record.tip.begin());
  record.tip[tip.size()] = u'\0';
}

NarrowTrayRecord ToNarrow(const TrayIconRecord& record) {
  NarrowTrayRecord bytes{};
  PutUint32(bytes, 0, record.size);
  PutUint32(bytes, 4, record.window);
  PutUint32(bytes, 8, record.id);
  PutUint32(bytes, 12, record.flags);
  PutUint32(bytes, 16, record.callback_message);
  PutUint32(bytes, 20, record.icon);
  std::transform(record.tip.begin(), record.tip.end(), bytes.begin() + kNarrowTipOffset,
                 NarrowTipCharacter);
  return bytes;
}

TrayIconRecord FromNarrow(const NarrowTrayRecord& bytes) {
  TrayIconRecord record;
  record.size = Uint32At(bytes, 0);
  record.window = Uint32At(bytes, 4);
  record.id = Uint32At(bytes, 8);
  record.flags = Uint32At(bytes, 12);
  record.callback_message = Uint32At(bytes, 16);
  record.icon = Uint32At(bytes, 20);
  std::copy(bytes.begin() + kNarrowTipOffset, bytes.end(), record.tip.begin());
  return record;
}

std::u16string_view ShownTip(const TrayIconRecord& record) {
  const std::u16string_view tip(record.tip.data(), record.tip.size());
  return tip.substr(0, tip.find(u'\0'));
}

}  // namespace quillpad
