#include "core/profile_read.h"

namespace quillpad {
namespace {

// The holder's name in the forms the notices use.
struct HolderWords {
  TextView from;      // "from the ..."
  TextView this_one;  // "this ..."
  TextView new_one;   // "into a new ..."
};

HolderWords WordsFor(ProfileHolder holder) {
  if (holder == ProfileHolder::kRegistryKey)
    return {u"из раздела реестра", u"этот раздел", u"в новый раздел"};
  return {u"из файла", u"этот файл", u"в новый файл"};
}

}  // namespace

ProfileSavePlan PlanProfileSave(const ProfileReadOutcome& outcome) {
  switch (outcome.read) {
    case ProfileRead::kWhole:
      return {outcome.place, {}};
    case ProfileRead::kUnreadable:
      return {outcome.beside, {}};
    case ProfileRead::kDamaged:
      return {outcome.place, outcome.beside};
  }
  return {outcome.place, {}};
}

Text ProfileReadNotice(const ProfileReadOutcome& outcome) {
  const HolderWords words = WordsFor(outcome.holder);
  switch (outcome.read) {
    case ProfileRead::kWhole:
      return {};
    case ProfileRead::kUnreadable:
      return u"Сохранённый профиль не удалось прочитать " + Text(words.from) + u" «" +
             outcome.place + u"»: " + outcome.reason + u".\n\nQuillpad начинает работу с пустым " +
             u"профилем и " + Text(words.this_one) +
             u" не изменит. При выходе профиль будет записан " + Text(words.new_one) + u" «" +
             outcome.beside + u"».";
    case ProfileRead::kDamaged:
      return u"Сохранённый профиль в файле «" + outcome.place +
             u"» прочитан не так, как записан: возможно, файл повреждён или изменён вручную, "
             u"и часть значений потерялась или изменилась. Проверьте поля.\n\n"
             u"Прежде чем записать профиль при выходе, Quillpad сохранит этот файл в прежнем "
             u"виде как «" +
             outcome.beside + u"».";
  }
  return {};
}

Text ProfileReadNotices(const std::vector<ProfileReadOutcome>& outcomes) {
  Text told;
  for (const ProfileReadOutcome& outcome : outcomes) {
    const Text notice = ProfileReadNotice(outcome);
    if (notice.empty()) continue;
    if (!told.empty()) told += u"\n\n";
    told += notice;
  }
  return told;
}

}  // namespace quillpad
