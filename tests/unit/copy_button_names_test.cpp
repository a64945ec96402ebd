#include "main_window/copy_button_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <span>

#include "fakes/recording_window.h"
#include "main_window/copy_buttons.h"
#include "main_window/pages.h"

namespace quillpad {
namespace {

using enum Form1Control;
using testing::RecordingWindow;

const std::map<Form1Control, Text> kAuthorsPageNames = {
    {Command1, u"Копировать: Имя"},
    {Command2, u"Копировать: Фамилия"},
    {Command3, u"Копировать: Отчество"},
    {Command4, u"Копировать: Фирма или организация"},
    {Command5, u"Копировать: Должность"},
    {Command6, u"Копировать: Адрес 1"},
    {Command7, u"Копировать: Адрес 2"},
    {Command8, u"Копировать: Город"},
    {Command9, u"Копировать: Штат или регион"},
    {Command10, u"Копировать: Страна"},
    {Command11, u"Копировать: Почтовый индекс"},
    {Command12, u"Копировать: e-mail"},
    {Command13, u"Копировать: Телефон"},
    {Command14, u"Копировать: Факс"},
    {Command15, u"Копировать: Комментарии"},
    {Command19, u"Копировать: Версия"},
    {Command20, u"Копировать: Полное описание"},
};

const std::map<Form1Control, Text> kProgramPageChanges = {
    {Command4, u"Копировать: Название программы"},
    {Command5, u"Копировать: e-mail"},
    {Command6, u"Копировать: Адрес для скачивания 1"},
    {Command7, u"Копировать: Адрес для скачивания 2"},
    {Command8, u"Копировать: Ссылка на сайт"},
    {Command9, u"Копировать: Короткое описание"},
};

TEST(CopyButtonNames, OnTheAuthorsPageEachButtonNamesItsRowsField) {
  ASSERT_EQ(kAuthorsPageNames.size(), kCopyButtons.size());
  for (const CopyButton& copy : kCopyButtons) {
    EXPECT_EQ(CopyButtonName(copy.button, false), kAuthorsPageNames.at(copy.button));
  }
}

TEST(CopyButtonNames, OnTheProgramsPageTheSharedRowsNameTheProgramsField) {
  for (const CopyButton& copy : kCopyButtons) {
    const auto changed = kProgramPageChanges.find(copy.button);
    EXPECT_EQ(CopyButtonName(copy.button, true), changed == kProgramPageChanges.end()
                                                     ? kAuthorsPageNames.at(copy.button)
                                                     : changed->second);
  }
}

TEST(CopyButtonNames, ExactlyTheButtonsOfSharedRowsChangeName) {
  std::set<Form1Control> shared;
  for (const CopyButton& copy : kCopyButtons) {
    if (copy.program_box) shared.insert(copy.button);
  }
  std::set<Form1Control> renamed;
  for (const ProgramPageName& entry : kProgramPageNames) renamed.insert(entry.button);
  EXPECT_EQ(renamed, shared);
}

TEST(CopyButtonNames, TheButtonsOfAPageHaveNamesOfTheirOwn) {
  for (bool program_page : {false, true}) {
    std::set<Text> names;
    std::size_t on_page = 0;
    for (const CopyButton& copy : kCopyButtons) {
      const std::span<const Form1Control> hidden_by =
          program_page ? std::span<const Form1Control>(kAuthorPage) : kProgramPage;
      if (std::find(hidden_by.begin(), hidden_by.end(), copy.button) != hidden_by.end()) continue;
      ++on_page;
      names.insert(Text(CopyButtonName(copy.button, program_page)));
    }
    EXPECT_EQ(names.size(), on_page);
  }
}

TEST(CopyButtonNames, EachPageSwitchRenamesTheSharedRowsForItsPage) {
  std::vector<std::string> log;
  RecordingWindow window(log);
  ShowProgramPage(window);
  ASSERT_EQ(window.accessible_names.size(), kProgramPageChanges.size());
  for (const auto& [button, name] : kProgramPageChanges) {
    EXPECT_EQ(window.accessible_names.at(Id(button)), name);
  }
  ShowAuthorPage(window);
  ASSERT_EQ(window.accessible_names.size(), kProgramPageChanges.size());
  for (const auto& [button, name] : kProgramPageChanges) {
    EXPECT_EQ(window.accessible_names.at(Id(button)), kAuthorsPageNames.at(button));
  }
}

TEST(CopyButtonNames, ASwitchThatFailsPartWayLeavesTheNamesAsTheyWere) {
  std::vector<std::string> log;
  RecordingWindow window(log);
  window.fail_visibility_at = Id(Text18);
  EXPECT_THROW(ShowProgramPage(window), PlatformError);
  EXPECT_TRUE(window.accessible_names.empty());
}

}  // namespace
}  // namespace quillpad
