#include "frontends/win32/form_window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "about/form2_definition.h"
#include "core/twips.h"
#include "frontends/win32/clipboard.h"
#include "frontends/win32/screen.h"
#include "frontends/win32/windows_api.h"
// clang-format off
#include <shlobj.h>
// clang-format on
#include "main_window/form1_definition.h"

namespace quillpad::win32 {
namespace {

class Form1WindowTest : public ::testing::Test {
 protected:
  FormWindow window{{kForm1Window, kForm1Controls, kForm1Menus, kForm1MenuItems}};
};

BOOL CALLBACK CountChild(HWND, LPARAM counter) {
  ++*reinterpret_cast<int*>(counter);
  return TRUE;
}

int ChildCount(HWND parent) {
  int count = 0;
  EnumChildWindows(parent, &CountChild, reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST_F(Form1WindowTest, EveryControlOfTheTableIsBuiltHiddenWindowAndAll) {
  EXPECT_GE(ChildCount(window.hwnd()), static_cast<int>(kForm1ControlCount));
  EXPECT_FALSE(IsWindowVisible(window.hwnd()));
  EXPECT_EQ(window.Visible(Id(Form1Control::Text4)), kVbTrue);
  EXPECT_EQ(window.Visible(Id(Form1Control::Text18)), kVbFalse);
}

TEST_F(Form1WindowTest, TheClientAreaHasTheDefinedPlaceAndSizeInScreenPixels) {
  const float twips = ScreenTwipsPerPixel();
  RECT client;
  GetClientRect(window.hwnd(), &client);
  EXPECT_EQ(client.right, TwipsToPixels(4890, twips));
  POINT origin{0, 0};
  ClientToScreen(window.hwnd(), &origin);
  EXPECT_EQ(origin.x, TwipsToPixels(7365, twips));
}

TEST_F(Form1WindowTest, LabelsUseTheBoldCyrillicFontOfTheTable) {
  auto font = reinterpret_cast<HFONT>(
      SendMessageW(window.Control(Id(Form1Control::Label1)), WM_GETFONT, 0, 0));
  LOGFONTW description{};
  ASSERT_NE(GetObjectW(font, sizeof(description), &description), 0);
  EXPECT_STREQ(description.lfFaceName, L"MS Sans Serif");
  EXPECT_EQ(description.lfWeight, 700);
  EXPECT_EQ(description.lfCharSet, 204);
  EXPECT_EQ(-description.lfHeight, PointsToPixels(8.25f, ScreenTwipsPerPixel()));
}

bool WrapsLines(HWND box) {
  return (GetWindowLongW(box, GWL_STYLE) & ES_AUTOHSCROLL) == 0;
}

TEST_F(Form1WindowTest, AMultiLineBoxTakesAVeryLongLineWholeAndScrollsItSideways) {
  const ControlId box = Id(Form1Control::Text17);
  window.SetVisible(box, false);
  Text data_address = u"data:image/png;base64,";
  data_address.resize(100000, u'Q');
  const Text text = u"first line\r\n" + data_address + u"\r\nlast";
  window.SetText(box, text);
  EXPECT_EQ(window.GetText(box), text);
  EXPECT_FALSE(WrapsLines(window.Control(box)));
  EXPECT_EQ(window.Visible(box), kVbFalse);

  window.SetText(box, u"short lines\r\nwrap again");
  EXPECT_TRUE(WrapsLines(window.Control(box)));
  EXPECT_EQ(window.GetText(box), u"short lines\r\nwrap again");
  EXPECT_TRUE(WrapsLines(window.Control(Id(Form1Control::Text16))));
}

Text LinesOf99Characters(std::size_t lines) {
  Text text;
  for (std::size_t i = 0; i < lines; ++i) text += Text(99, u'a' + i % 26) + u"\r\n";
  return text;
}

TEST_F(Form1WindowTest, AMultiLineBoxTakesAMegabyteOfShortLinesWholeAndScrollsItSideways) {
  const ControlId box = Id(Form1Control::Text17);
  const Text text = LinesOf99Characters(10000);
  window.SetText(box, text);
  EXPECT_EQ(window.GetText(box), text);
  EXPECT_FALSE(WrapsLines(window.Control(box)));
  window.SetText(box, LinesOf99Characters(900));
  EXPECT_TRUE(WrapsLines(window.Control(box)));
}

TEST_F(Form1WindowTest, ShortPastesThatMakeTheTextTooMuchToWrapLandInABoxThatScrollsSideways) {
  const ControlId box = Id(Form1Control::Text16);
  window.SetText(box, LinesOf99Characters(980));
  EXPECT_TRUE(WrapsLines(window.Control(box)));
  const Text pasted = LinesOf99Characters(19);
  PutTextOnClipboard(window.hwnd(), pasted);
  SendMessageW(window.Control(box), EM_SETSEL, 0, 0);
  SendMessageW(window.Control(box), WM_PASTE, 0, 0);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  EXPECT_EQ(window.GetText(box), pasted + LinesOf99Characters(980));
  EXPECT_FALSE(WrapsLines(window.Control(box)));
}

TEST_F(Form1WindowTest, APasteTooLongToWrapLandsWholeInABoxThatScrollsSideways) {
  const ControlId box = Id(Form1Control::Text16);
  window.SetText(box, u"before  after");
  Text pasted = u"data:text/plain;base64,";
  pasted.resize(50000, u'Z');
  PutTextOnClipboard(window.hwnd(), pasted);
  SendMessageW(window.Control(box), EM_SETSEL, 7, 7);
  SendMessageW(window.Control(box), WM_PASTE, 0, 0);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  EXPECT_EQ(window.GetText(box), u"before " + pasted + u" after");
  EXPECT_FALSE(WrapsLines(window.Control(box)));
}

TEST_F(Form1WindowTest, TextComesBackCharacterForCharacter) {
  const Text text = u"Ёжик «в тумане» 𝄞";
  window.SetText(Id(Form1Control::Text16), text + u"\r\nline 2");
  EXPECT_EQ(window.GetText(Id(Form1Control::Text16)), text + u"\r\nline 2");
  window.SetText(Id(Form1Control::Text4), Text(40000, u'x'));
  EXPECT_EQ(window.GetText(Id(Form1Control::Text4)).size(), 40000u);
}

TEST_F(Form1WindowTest, TheDropDownStartsWithNothingChosen) {
  window.AddItem(Id(Form1Control::Combo1), u"https://example.org/");
  EXPECT_EQ(window.GetText(Id(Form1Control::Combo1)), u"");
}

TEST_F(Form1WindowTest, APlaceSetInTwipsIsReadBack) {
  window.SetTop(1500);
  window.SetLeft(-300);
  EXPECT_NEAR(window.Top(), 1500, ScreenTwipsPerPixel());
  EXPECT_NEAR(window.Left(), -300, ScreenTwipsPerPixel());
}

TEST_F(Form1WindowTest, TheMenuShowsItsKeysAndHidesThePopUp) {
  HMENU bar = GetMenu(window.hwnd());
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(GetMenuItemCount(bar), 1);
  wchar_t caption[64] = {};
  GetMenuStringW(window.Menu(IdOf<MenuId>(Form1Menu::vr)), 0, caption, 64, MF_BYPOSITION);
  EXPECT_STREQ(caption, L"Скрыть\tCtrl+D");
  EXPECT_EQ(GetMenuItemCount(window.Menu(IdOf<MenuId>(Form1Menu::pop))), 1);
}

TEST_F(Form1WindowTest, MenuKeysBecomeMenuCommands) {
  std::vector<MenuItemId> chosen;
  window.SetEvents({.menu_item = [&](MenuItemId item) { chosen.push_back(item); }});
  MSG key{window.Control(Id(Form1Control::Text4)), WM_KEYDOWN, 'E', 0, 0, {}};
  BYTE keys[256] = {};
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  EXPECT_TRUE(window.TranslateKeys(key));
  EXPECT_EQ(chosen, (std::vector{IdOf<MenuItemId>(Form1MenuItem::vrr)}));
}

TEST_F(Form1WindowTest, WhileMinimisedThePlaceIsTheOneItComesBackTo) {
  window.SetTop(1500);
  window.Show();
  window.Minimize();
  ASSERT_TRUE(IsIconic(window.hwnd()));
  EXPECT_NEAR(window.Top(), 1500, ScreenTwipsPerPixel());
  window.SetLeft(3000);
  ShowWindow(window.hwnd(), SW_RESTORE);
  EXPECT_NEAR(window.Left(), 3000, ScreenTwipsPerPixel());
}

TEST_F(Form1WindowTest, TabMovesInTheTablesTabOrder) {
  HWND first = window.Control(Id(Form1Control::Text4));  // tab position 0
  EXPECT_EQ(GetNextDlgTabItem(window.hwnd(), first, FALSE),
            window.Control(Id(Form1Control::Text1)));
  EXPECT_EQ(GetNextDlgTabItem(window.hwnd(), window.Control(Id(Form1Control::Text1)), FALSE),
            window.Control(Id(Form1Control::Text2)));
}

TEST_F(Form1WindowTest, ButtonsShowTheHandPointer) {
  HWND button = window.Control(Id(Form1Control::Command1));
  SendMessageW(button, WM_SETCURSOR, reinterpret_cast<WPARAM>(button), HTCLIENT);
  EXPECT_EQ(GetCursor(), HandCursor());
  EXPECT_NE(HandCursor(), nullptr);
}

// A drop as the shell hands it over: a DROPFILES header and the paths, each ended by a
// null, with one more null after the last.
HDROP DropOf(const std::vector<std::wstring>& paths) {
  std::wstring list;
  for (const std::wstring& path : paths) list += path + L'\0';
  list += L'\0';
  const std::size_t list_bytes = list.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list_bytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), list_bytes);
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

TEST_F(Form1WindowTest, DroppedFilesAreTakenOnlyWithAHandlerAndWhileEnabledByTheirFullPaths) {
  auto accepts_files = [&] {
    return (GetWindowLongW(window.hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
  };
  window.SetEvents({});
  EXPECT_FALSE(accepts_files());

  std::vector<std::vector<Text>> drops;
  window.SetEvents(
      {.files_dropped = [&](const std::vector<Text>& paths) { drops.push_back(paths); }});
  EXPECT_TRUE(accepts_files());
  SendMessageW(window.hwnd(), WM_DROPFILES,
               reinterpret_cast<WPARAM>(DropOf({L"C:\\pad\\Программа.xml", L"D:\\b.xml"})), 0);
  EXPECT_EQ(drops, (std::vector<std::vector<Text>>{{u"C:\\pad\\Программа.xml", u"D:\\b.xml"}}));

  // As while a message box of the window waits for its answer.
  EnableWindow(window.hwnd(), FALSE);
  SendMessageW(window.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({L"C:\\c.xml"})), 0);
  EXPECT_EQ(drops.size(), 1u);
}

TEST(Form2WindowTest, TheAboutWindowHasNoMinimiseButtonAndItsOwnIcon) {
  FormWindow about({kForm2Window, kForm2Controls, {}, {}});
  EXPECT_EQ(GetWindowLongW(about.hwnd(), GWL_STYLE) & WS_MINIMIZEBOX, 0);
  EXPECT_NE(about.IconHandle(), 0u);
  EXPECT_EQ(GetMenu(about.hwnd()), nullptr);
}

}  // namespace
}  // namespace quillpad::win32
