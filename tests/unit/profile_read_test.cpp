#include "core/profile_read.h"

#include <gtest/gtest.h>

namespace quillpad {
namespace {

bool Says(const Text& told, TextView words) {
  return told.find(words) != Text::npos;
}

ProfileReadOutcome Unreadable(ProfileHolder holder) {
  return {ProfileRead::kUnreadable, holder, u"/home/anna/.config/Quillpad/Quillpad.ini",
          u"нет прав на чтение", u"/home/anna/.config/Quillpad-20260101-120000.ini"};
}

ProfileReadOutcome Damaged() {
  return {ProfileRead::kDamaged,
          ProfileHolder::kFile,
          u"/cfg/Quillpad/Quillpad.ini",
          {},
          u"/cfg/Quillpad/Quillpad-20260101-120000.ini"};
}

TEST(ProfileReadTest, AWholeProfileIsSavedInItsPlaceWithoutACopyOrAWord) {
  const ProfileReadOutcome whole{ProfileRead::kWhole, ProfileHolder::kFile, u"/cfg/Q.ini", {}, {}};
  const ProfileSavePlan plan = PlanProfileSave(whole);
  EXPECT_EQ(plan.target, u"/cfg/Q.ini");
  EXPECT_EQ(plan.copy_first_to, u"");
  EXPECT_EQ(ProfileReadNotice(whole), u"");
}

TEST(ProfileReadTest, AnUnreadableProfileIsNeverWrittenOverTheRunIsSavedBesideIt) {
  const ProfileReadOutcome outcome = Unreadable(ProfileHolder::kFile);
  const ProfileSavePlan plan = PlanProfileSave(outcome);
  EXPECT_EQ(plan.target, outcome.beside);
  EXPECT_EQ(plan.copy_first_to, u"");
}

TEST(ProfileReadTest, ADamagedProfileIsCopiedAsItWasBeforeTheSaveReplacesIt) {
  const ProfileReadOutcome outcome = Damaged();
  const ProfileSavePlan plan = PlanProfileSave(outcome);
  EXPECT_EQ(plan.target, outcome.place);
  EXPECT_EQ(plan.copy_first_to, outcome.beside);
}

TEST(ProfileReadTest, TheUserIsToldWhyAFileCouldNotBeReadAndWhereTheRunGoes) {
  const Text told = ProfileReadNotice(Unreadable(ProfileHolder::kFile));
  EXPECT_TRUE(Says(told,
                   u"Сохранённый профиль не удалось прочитать из файла "
                   u"«/home/anna/.config/Quillpad/Quillpad.ini»: нет прав на чтение."));
  EXPECT_TRUE(Says(told, u"Quillpad начинает работу с пустым профилем и этот файл не изменит."));
  EXPECT_TRUE(Says(told,
                   u"При выходе профиль будет записан в новый файл "
                   u"«/home/anna/.config/Quillpad-20260101-120000.ini»."));
}

TEST(ProfileReadTest, AnUnreadableRegistryKeyIsNamedAsOne) {
  const Text told = ProfileReadNotice(Unreadable(ProfileHolder::kRegistryKey));
  EXPECT_TRUE(Says(told, u"не удалось прочитать из раздела реестра «")) << told.size();
  EXPECT_TRUE(Says(told, u"этот раздел не изменит"));
  EXPECT_TRUE(Says(told, u"будет записан в новый раздел «"));
  EXPECT_FALSE(Says(told, u"файл"));
}

TEST(ProfileReadTest, TheUserIsToldWhereADamagedProfileIsKeptAsItWas) {
  const Text told = ProfileReadNotice(Damaged());
  EXPECT_TRUE(Says(told,
                   u"Сохранённый профиль в файле «/cfg/Quillpad/Quillpad.ini» прочитан не "
                   u"так, как записан"));
  EXPECT_TRUE(Says(told,
                   u"сохранит этот файл в прежнем виде как "
                   u"«/cfg/Quillpad/Quillpad-20260101-120000.ini»."));
}

TEST(ProfileReadTest, AllProblemsAreToldTogetherOnceAndWholeProfilesNotAtAll) {
  const ProfileReadOutcome whole{ProfileRead::kWhole, ProfileHolder::kFile, u"/cfg/Q.ini", {}, {}};
  EXPECT_EQ(ProfileReadNotices({whole, whole}), u"");
  EXPECT_EQ(
      ProfileReadNotices({Damaged(), whole, Unreadable(ProfileHolder::kFile)}),
      ProfileReadNotice(Damaged()) + u"\n\n" + ProfileReadNotice(Unreadable(ProfileHolder::kFile)));
}

}  // namespace
}  // namespace quillpad
