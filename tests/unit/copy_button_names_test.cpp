#include "main_window/copy_button_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>

#include "fakes/recording_window.h"
#include "main_window/copy_buttons.h"
#include "main_window/pages.h"

namespace quillpad {
namespace {

using enum Form1Control;
using testing::RecordingWindow;

constexpr TextView kCopyPrefix = u"Копировать: ";

TEST(CopyButtonNames, OnBothPagesEachButtonSaysInRussianThatItCopiesAField) {
  for (bool program_page : {false, true}) {
    for (const CopyButton& copy : kCopyButtons) {
      const TextView name = CopyButtonName(copy.button, program_page);
      EXPECT_TRUE(name.starts_with(kCopyPrefix) && name.size() > kCopyPrefix.size())
          << "button " << static_cast<int>(copy.button)
          << (program_page ? " on the program's page" : "");
    }
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
  for (bool program_page : {true, false}) {
    if (program_page) {
      ShowProgramPage(window);
    } else {
      ShowAuthorPage(window);
    }
    ASSERT_EQ(window.accessible_names.size(), kProgramPageNames.size());
    for (const ProgramPageName& entry : kProgramPageNames) {
      EXPECT_EQ(window.accessible_names.at(Id(entry.button)),
                CopyButtonName(entry.button, program_page));
    }
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
