#include "frontends/win32/notification_icon.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tray/tray_icon_record.h"

namespace quillpad::win32 {
namespace {

class FixedWindow : public Window {
 public:
  void Show() override {}
  void Hide() override {}
  void Minimize() override {}
  NativeHandle Handle() override { return 0x00010A2C; }
  NativeHandle IconHandle() override { return 0x0002004E; }
  float Top() override { return 0; }
  float Left() override { return 0; }
  void SetTop(float) override {}
  void SetLeft(float) override {}
  float Width() override { return 0; }
  float Height() override { return 0; }
  bool PlaceKnown() override { return true; }
  VbBoolean Visible(ControlId) override { return kVbTrue; }
  void SetVisible(ControlId, bool) override {}
  Text GetText(ControlId) override { return {}; }
  void SetText(ControlId, const Text&) override {}
  void SetTextColour(ControlId, Colour) override {}
  void SetAccessibleName(ControlId, const Text&) override {}
  void AddItem(ControlId, const Text&) override {}
  void PopupMenu(MenuId) override {}
};

TEST(NativeTrayRecord, TheShellGetsTheFirstLayoutWithEveryField) {
  FixedWindow window;
  TrayIconRecord record;
  FillTrayIconRecord(record, window);
  const NOTIFYICONDATAA data = NativeTrayRecord(ToNarrow(record));
  EXPECT_EQ(data.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE));
  EXPECT_EQ(data.hWnd, reinterpret_cast<HWND>(std::intptr_t{0x00010A2C}));
  EXPECT_EQ(data.uID, 1u);
  EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(data.uCallbackMessage, static_cast<UINT>(WM_MOUSEMOVE));
  EXPECT_EQ(data.hIcon, reinterpret_cast<HICON>(std::intptr_t{0x0002004E}));
  EXPECT_STREQ(data.szTip, "Quillpad");
  EXPECT_EQ(data.szTip[63], ' ');
}

TEST(NativeTrayRecord, OnThirtyTwoBitWindowsTheRecordIsPassedByteForByte) {
  if (sizeof(void*) != 4) GTEST_SKIP() << "a 64-bit build widens the record";
  NarrowTrayRecord narrow{};
  for (std::size_t i = 0; i < narrow.size(); ++i) narrow[i] = static_cast<std::uint8_t>(i + 1);
  const NOTIFYICONDATAA data = NativeTrayRecord(narrow);
  EXPECT_EQ(std::memcmp(&data, narrow.data(), narrow.size()), 0);
}

TEST(NativeTrayRecord, HandlesAreSignExtendedAsWindowsDoes) {
  NarrowTrayRecord narrow{};
  narrow[4] = narrow[5] = narrow[6] = narrow[7] = 0xFF;
  EXPECT_EQ(NativeTrayRecord(narrow).hWnd, reinterpret_cast<HWND>(std::intptr_t{-1}));
}

}  // namespace
}  // namespace quillpad::win32
