#include "core/profile_read.h"

#include <gtest/gtest.h>

namespace quillpad {
namespace {

bool Says(const Text& told, TextView words) {
  return told.find(words) != Text::npos;
}

ProfileReadOutcome Unreadable(ProfileHolder holder) {
  return {ProfileRead::kUnreadable, holder, u"/home/anna/.config/Quillpad/Quillpad.ini",
          StoreFailure{StoreProblem::kNoReadPermission},
          u"/home/anna/.config/Quillpad-20260101-120000.ini"};
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

TEST(ProfileReadTest, ValuesKeptAsStoredAreToldAfterTheProfileByTheirPart) {
  ProfileReadReport report{Unreadable(ProfileHolder::kRegistryKey), {}};
  EXPECT_EQ(ProfileReadNotice(report), ProfileReadNotice(report.outcome));
  report.outcome = {ProfileRead::kWhole, ProfileHolder::kRegistryKey, u"HKCU\\Q", {}, {}};
  report.kept = {
      {u"HKCU\\Q\\Setting", u"Setting", u"zip", ValueProblem::kNumber, u"REG_DWORD", u""},
      {u"HKCU\\Q\\Other", u"Other", u"x", ValueProblem::kOtherKind, u"11", u""},
      {u"HKCU\\Q\\Setting", u"Setting", u"fax", ValueProblem::kUnreadable, u"Отказано.", u""}};
  const Text told = ProfileReadNotice(report);
  EXPECT_TRUE(Says(told,
                   u"Эти значения профиля в реестре (раздел «HKCU\\Q\\Setting») не удалось "
                   u"прочитать как текст:\n«zip»: число (REG_DWORD)\n«fax»: не удалось "
                   u"прочитать: Отказано.\n\nQuillpad начинает работу без них и при выходе "
                   u"оставит эти значения в реестре как есть"))
      << told.size();
  EXPECT_LT(told.find(u"Setting"), told.find(u"«x»: значение типа 11"));
  EXPECT_EQ(ProfileReadNotice(ProfileReadReport{report.outcome, {}}), u"");
}

TEST(ProfileReadTest, ADatedNameIsTheMomentAndANumberWhileTaken) {
  const LocalTime now{2026, 1, 2, 3, 4, 5};
  EXPECT_EQ(DatedProfileName(u"Quillpad", now, [](const Text&) { return false; }),
            u"Quillpad-20260102-030405");
  EXPECT_EQ(
      DatedProfileName(u"Quillpad", now, [](const Text& name) { return !name.ends_with(u"-3"); }),
      u"Quillpad-20260102-030405-3");
}

TEST(StoreFailureTest, AFailedSaveNamesWhereItWasToGoAndWhy) {
  const ProfileSaveFailure file(ProfileHolder::kFile, u"/cfg/Q.ini",
                                {StoreProblem::kFolderNotWritable, u"/cfg"});
  EXPECT_STREQ(file.what(),
               "Не удалось записать профиль в файл «/cfg/Q.ini»: папка «/cfg» закрыта для записи.");
  const ProfileSaveFailure key(ProfileHolder::kRegistryKey, u"HKEY_CURRENT_USER\\S",
                               {StoreProblem::kSystem, {}, {}, u"Отказано в доступе."});
  EXPECT_STREQ(key.what(),
               "Не удалось записать профиль в реестр (раздел «HKEY_CURRENT_USER\\S»): Отказано в "
               "доступе..");
}

TEST(StoreFailureTest, EachReasonNamesThePlacesItConcerns) {
  EXPECT_EQ(ReasonText({StoreProblem::kLinkIntoMissingFolder, u"/a/b.ini", u"/a"}),
            u"это символическая ссылка на «/a/b.ini», а папки «/a» нет");
  EXPECT_EQ(ReasonText({StoreProblem::kSectionUnopenable, u"Setting", {}, u"Сбой"}),
            u"его раздел «Setting» не открывается для чтения (Сбой)");
  EXPECT_EQ(ReasonText({StoreProblem::kCopyFailed, u"/c.ini", {}, u"Нет места"}),
            u"не удалось сохранить его прежний вид в файл «/c.ini» (Нет места), а без копии он не "
            u"будет заменён");
  EXPECT_EQ(ReasonText({StoreProblem::kLockHeld, {}, {}, u"его держит процесс 7"}),
            u"его держит процесс 7");
}

TEST(TextTest, UnitsBecomeUtf8AndALoneSurrogateTheReplacementCharacter) {
  EXPECT_EQ(ToUtf8(u"Aя€"), "Aя€");
  EXPECT_EQ(ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(ToUtf8(Text(1, char16_t{0xD800}) + u"x"), "\xEF\xBF\xBDx");
}

}  // namespace
}  // namespace quillpad
