#include "core/outside_changes.h"

#include <gtest/gtest.h>

#include "core/profile_read.h"

namespace quillpad {
namespace {

ProfileStamp StampOf(std::initializer_list<std::string_view> pieces) {
  ProfileStamper stamper;
  for (std::string_view piece : pieces) stamper.Add(piece);
  return stamper.Stamp();
}

const ProfileReadOutcome kWhole{ProfileRead::kWhole, ProfileHolder::kFile, u"/cfg/Q.ini", {}, {}};

TEST(OutsideChangesTest, OnlyAProfileThatNowHoldsSomethingElseCountsAsChanged) {
  const ProfileStamp read = StampOf({"[Setting]\n", "name=Анна\n"});
  EXPECT_EQ(read, StampOf({"[Setting]\nname=Анна\n"})) << "the pieces read in changed the stamp";
  EXPECT_FALSE(ChangedOutsideRun(read, read));
  EXPECT_TRUE(ChangedOutsideRun(read, StampOf({"[Setting]\nname=Анне\n"})));
  EXPECT_TRUE(ChangedOutsideRun(read, StampOf({})));
  // Put in place while the run had none; removed while it had one.
  EXPECT_TRUE(ChangedOutsideRun(ProfileStamp{}, read));
  EXPECT_FALSE(ChangedOutsideRun(read, ProfileStamp{}));
}

TEST(OutsideChangesTest, AProfileChangedFromOutsideIsCopiedToANewPlaceBeforeTheSave) {
  const ProfileStamp read = StampOf({"name=Анна"});
  const ProfileStamp restored = StampOf({"name=Пётр"});
  int named = 0;
  const auto new_place = [&] {
    ++named;
    return Text(u"/cfg/Q-20261208-101500.ini");
  };
  const ProfileSavePlan same = PlanProfileSave(kWhole, read, read, new_place);
  EXPECT_EQ(same.copy_first_to, u"");
  EXPECT_FALSE(same.keeps_outside_change);
  EXPECT_EQ(named, 0) << "a new place was named for a profile the run wrote itself";

  const ProfileSavePlan changed = PlanProfileSave(kWhole, read, restored, new_place);
  EXPECT_EQ(changed.target, u"/cfg/Q.ini");
  EXPECT_EQ(changed.copy_first_to, u"/cfg/Q-20261208-101500.ini");
  EXPECT_TRUE(changed.keeps_outside_change);

  // A damaged profile replaced since it was read: what is there now is what would be lost.
  ProfileReadOutcome damaged = kWhole;
  damaged.read = ProfileRead::kDamaged;
  damaged.beside = u"/cfg/Q-20261208-090000.ini";
  EXPECT_EQ(PlanProfileSave(damaged, read, restored, new_place).copy_first_to,
            u"/cfg/Q-20261208-101500.ini");
  EXPECT_EQ(PlanProfileSave(damaged, read, read, new_place).copy_first_to,
            u"/cfg/Q-20261208-090000.ini");
}

TEST(OutsideChangesTest, TheNextStartTellsWhereEachChangedProfileWasKept) {
  Text note = NoteWithKeptPlace({}, u"/cfg/Q-1.ini");
  note = NoteWithKeptPlace(note, u"/cfg/Q-2.ini");
  EXPECT_EQ(KeptPlacesIn(note), (std::vector<Text>{u"/cfg/Q-1.ini", u"/cfg/Q-2.ini"}));
  EXPECT_EQ(KeptPlacesIn(NoteWithKeptPlace(u"/cfg/Q-1.ini", u"/cfg/Q-2.ini")).size(), 2u);
  EXPECT_EQ(KeptPlacesIn(u"\n\n"), std::vector<Text>{});

  ProfileReadReport report{kWhole, {}, KeptPlacesIn(note)};
  const Text told = ProfileReadNotice(report);
  EXPECT_NE(told.find(u"Файл профиля «/cfg/Q.ini» изменили"), Text::npos) << ToUtf8(told);
  EXPECT_NE(told.find(u"как «/cfg/Q-1.ini»"), Text::npos);
  EXPECT_NE(told.find(u"как «/cfg/Q-2.ini»"), Text::npos);
  report.outcome.holder = ProfileHolder::kRegistryKey;
  EXPECT_NE(ProfileReadNotice(report).find(u"Раздел реестра «/cfg/Q.ini»"), Text::npos);
  EXPECT_EQ(ProfileReadNotice(ProfileReadReport{kWhole, {}, {}}), u"");
}

}  // namespace
}  // namespace quillpad
