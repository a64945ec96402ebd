#include "tray/tray_icon_record.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes/recording_window.h"

namespace quillpad {
namespace {

std::uint32_t Uint32At(const NarrowTrayRecord& bytes, std::size_t offset) {
  return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
         static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

TrayIconRecord FilledFor(NativeHandle handle, NativeHandle icon) {
  std::vector<std::string> log;
  testing::RecordingWindow window(log);
  window.handle = handle;
  window.icon = icon;
  TrayIconRecord record;
  FillTrayIconRecord(record, window);
  return record;
}

TEST(TrayIconRecord, IsAllZeroUntilFilled) {
  const NarrowTrayRecord bytes = ToNarrow(TrayIconRecord{});
  EXPECT_EQ(bytes, NarrowTrayRecord{});
}

TEST(TrayIconRecord, NarrowFormLaysOutTheFilledFieldsAsTheShellReadsThem) {
  const NarrowTrayRecord bytes = ToNarrow(FilledFor(0xA1B2C3D4, 0x00010203));

  ASSERT_EQ(bytes.size(), 88u);
  EXPECT_EQ(Uint32At(bytes, 0), 88u);
  EXPECT_EQ(Uint32At(bytes, 4), 0xA1B2C3D4u);
  EXPECT_EQ(Uint32At(bytes, 8), 1u);
  EXPECT_EQ(Uint32At(bytes, 12), 7u);
  EXPECT_EQ(Uint32At(bytes, 16), 512u);
  EXPECT_EQ(Uint32At(bytes, 20), 0x00010203u);
  const std::string tip(bytes.begin() + 24, bytes.end());
  EXPECT_EQ(tip, std::string("Quillpad") + '\0' + std::string(55, ' '));
}

TEST(TrayIconRecord, EveryFillReadsTheWindowAfresh) {
  std::vector<std::string> log;
  testing::RecordingWindow window(log);
  TrayIconRecord record;
  FillTrayIconRecord(record, window);
  window.handle = 0x9999;
  window.icon = 0x4242;
  FillTrayIconRecord(record, window);
  EXPECT_EQ(record.window, 0x9999u);
  EXPECT_EQ(record.icon, 0x4242u);
}

TEST(TrayIconRecord, ReadsBackFromItsNarrowFormFieldForField) {
  const TrayIconRecord record = FilledFor(0xFFFF0A2C, 0x0002004E);
  EXPECT_EQ(FromNarrow(ToNarrow(record)), record);
  EXPECT_EQ(ShownTip(FromNarrow(ToNarrow(record))), u"Quillpad");
}

TEST(TrayIconRecord, ATipCharacterWithNoByteOfItsOwnReadsBackAsAQuestionMark) {
  TrayIconRecord record;
  record.tip[0] = u'Ж';
  record.tip[1] = u'a';
  EXPECT_EQ(ShownTip(FromNarrow(ToNarrow(record))), u"?a");
}

TEST(TrayIconRecord, ATipFillingTheWholeFieldIsShownWhole) {
  TrayIconRecord record;
  record.tip.fill(u'x');
  EXPECT_EQ(ShownTip(record), std::u16string(64, u'x'));
}

}  // namespace
}  // namespace quillpad
