#include "core/profile_store.h"

#include <gtest/gtest.h>

#include "fakes/recording_desktop.h"
#include "fakes/recording_window.h"

namespace quillpad {
namespace {

using testing::RecordingDesktop;
using testing::RecordingWindow;

const std::vector<std::string> kKeysInStoreOrder = {
    "name",      "midname",   "lastname", "company", "title",    "street1", "streer2",
    "city",      "state",     "county",   "zip",     "email",    "phone",   "fax",
    "comments",  "top",       "left",     "prgvers", "prgfullo", "prgname", "prgemail",
    "prgdownl1", "prgdownl2", "prgwww",   "prgo"};

// Field i is shown in box 100 + i, so that boxes and fields are easy to tell apart.
FieldBoxes TestBoxes() {
  FieldBoxes boxes{};
  for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = static_cast<ControlId>(100 + i);
  return boxes;
}

ControlId BoxOf(ProfileField field) {
  return TestBoxes()[static_cast<std::size_t>(field)];
}

std::vector<std::string> Filtered(const std::vector<std::string>& log, const std::string& prefix) {
  std::vector<std::string> result;
  for (const auto& entry : log) {
    if (entry.rfind(prefix, 0) == 0) result.push_back(entry.substr(prefix.size()));
  }
  return result;
}

class ProfileStoreTest : public ::testing::Test {
 protected:
  void Store(const Text& key, const Text& value) {
    desktop.settings[{u"Quillpad", u"Setting", key}] = value;
  }
  Text Stored(const Text& key) { return desktop.settings.at({u"Quillpad", u"Setting", key}); }

  std::vector<std::string> log;
  RecordingWindow window{log};
  RecordingDesktop desktop{log};
};

TEST_F(ProfileStoreTest, LoadReadsThe25EntriesInStoreOrderAskingTheApplicationNameEachTime) {
  LoadProfile(window, desktop, TestBoxes());
  const auto reads = Filtered(log, "desktop.ReadSetting Quillpad/Setting/");
  EXPECT_EQ(reads, kKeysInStoreOrder);
  EXPECT_EQ(Filtered(log, "desktop.ExecutableBaseName").size(), 25u);
}

TEST_F(ProfileStoreTest, LoadPutsEachStoredFieldInItsBoxAndMissingOnesComeUpEmpty) {
  Store(u"streer2", u"  Second line of the street  ");
  Store(u"county", u"Россия");
  Store(u"prgfullo", u"line 1\r\nline 2");
  window.texts[BoxOf(ProfileField::kName)] = u"left over";
  LoadProfile(window, desktop, TestBoxes());
  EXPECT_EQ(window.texts[BoxOf(ProfileField::kStreer2)], u"  Second line of the street  ");
  EXPECT_EQ(window.texts[BoxOf(ProfileField::kCounty)], u"Россия");
  EXPECT_EQ(window.texts[BoxOf(ProfileField::kPrgfullo)], u"line 1\r\nline 2");
  EXPECT_EQ(window.texts[BoxOf(ProfileField::kName)], u"");
}

TEST_F(ProfileStoreTest, LoadIgnoresMisspelledKeysAndOtherApplications) {
  Store(u"street2", u"wrong key");
  desktop.settings[{u"Other", u"Setting", u"name"}] = u"other program";
  LoadProfile(window, desktop, TestBoxes());
  EXPECT_EQ(window.texts[BoxOf(ProfileField::kStreer2)], u"");
  EXPECT_EQ(window.texts[BoxOf(ProfileField::kName)], u"");
}

TEST_F(ProfileStoreTest, LoadAppliesAStoredPositionAsItIsEvenOffScreen) {
  Store(u"top", u"-120");
  Store(u"left", u"20000");
  LoadProfile(window, desktop, TestBoxes());
  EXPECT_EQ(window.top, -120.0f);
  EXPECT_EQ(window.left, 20000.0f);
}

TEST_F(ProfileStoreTest, LoadWithoutAStoredPositionLeavesTheWindowWhereItIs) {
  LoadProfile(window, desktop, TestBoxes());
  EXPECT_EQ(window.top, 1020.0f);
  EXPECT_EQ(window.left, 7365.0f);
}

TEST_F(ProfileStoreTest, LoadWithoutAStoredPositionDoesNotMoveTheWindowAtAll) {
  // The first place is given for the client area; reapplying the outer corner read before
  // the desktop has framed the window would shift it by the frame.
  Store(u"left", u"3000");
  LoadProfile(window, desktop, TestBoxes());
  EXPECT_EQ(Filtered(log, "window.Set"), std::vector<std::string>{"Left 3000"});
}

TEST_F(ProfileStoreTest, ThePositionSavedIsThePositionAppliedNextTime) {
  Store(u"top", u"-120");
  Store(u"left", u"20000");
  LoadProfile(window, desktop, TestBoxes());
  SaveProfile(window, desktop, TestBoxes());
  EXPECT_EQ(Stored(u"top"), u"-120");
  EXPECT_EQ(Stored(u"left"), u"20000");
}

TEST_F(ProfileStoreTest, LoadKeepsThePlaceWhenTheStoredPositionIsNotACoordinate) {
  Store(u"top", u"abc");
  Store(u"left", u"1e40");
  LoadProfile(window, desktop, TestBoxes());
  EXPECT_EQ(Filtered(log, "window.Set"), std::vector<std::string>{});
  EXPECT_EQ(window.top, 1020.0f);
  EXPECT_EQ(window.left, 7365.0f);
}

TEST_F(ProfileStoreTest, LoadReadsPositionsWithTheUsersDecimalSeparator) {
  desktop.decimal_separator = u',';
  Store(u"top", u"1500,5");
  LoadProfile(window, desktop, TestBoxes());
  EXPECT_EQ(window.top, 1500.5f);
}

TEST_F(ProfileStoreTest, SaveWritesAll25EntriesInStoreOrderThenPutsThemOnDisk) {
  SaveProfile(window, desktop, TestBoxes());
  EXPECT_EQ(Filtered(log, "desktop.WriteSetting Quillpad/Setting/"), kKeysInStoreOrder);
  EXPECT_EQ(log.back(), "desktop.FlushSettings Quillpad");
}

TEST_F(ProfileStoreTest, AValueKeptAsStoredIsLeftUntilItsEntryHoldsSomethingElse) {
  desktop.read_report.kept = {
      {u"HKCU\\Quillpad\\Setting", u"Setting", u"zip", ValueProblem::kNumber, u"REG_DWORD", u""},
      {u"HKCU\\Quillpad\\Setting", u"Setting", u"fax", ValueProblem::kBinary, u"REG_BINARY", u""},
      {u"HKCU\\Quillpad\\Setting", u"Setting", u"top", ValueProblem::kNumber, u"REG_DWORD",
       u"1020"}};
  window.texts[TestBoxes()[static_cast<std::size_t>(ProfileField::kFax)]] = u"+7 495 000";
  SaveProfile(window, desktop, TestBoxes());
  const auto writes = Filtered(log, "desktop.WriteSetting Quillpad/Setting/");
  EXPECT_EQ(writes.size(), 23u);
  EXPECT_EQ(std::count(writes.begin(), writes.end(), "zip"), 0);
  EXPECT_EQ(std::count(writes.begin(), writes.end(), "top"), 0);
  EXPECT_EQ(Stored(u"fax"), u"+7 495 000");
}

TEST_F(ProfileStoreTest, SaveWritesTextsUnchangedAndEmptyOnesAsEmptyValues) {
  window.texts[BoxOf(ProfileField::kComments)] = u" several\r\nlines ";
  window.top = -120;
  window.left = 20000;
  SaveProfile(window, desktop, TestBoxes());
  EXPECT_EQ(Stored(u"comments"), u" several\r\nlines ");
  EXPECT_EQ(Stored(u"email"), u"");
  EXPECT_EQ(Stored(u"top"), u"-120");
  EXPECT_EQ(Stored(u"left"), u"20000");
}

TEST_F(ProfileStoreTest, SavedProfileLoadsBackIntoTheSameBoxes) {
  for (std::size_t i = 0; i < kProfileFieldCount; ++i) {
    window.texts[TestBoxes()[i]] = u"value " + Text(1, static_cast<char16_t>(u'A' + i));
  }
  const auto saved = window.texts;
  SaveProfile(window, desktop, TestBoxes());
  window.texts.clear();
  LoadProfile(window, desktop, TestBoxes());
  EXPECT_EQ(window.texts, saved);
}

}  // namespace
}  // namespace quillpad
