#include "core/profile_read.h"

#include <algorithm>
#include <string>

namespace quillpad {
namespace {

// The holder's name in the forms the notices use.
struct HolderWords {
  TextView from;      // "from the ..."
  TextView this_one;  // "this ..."
  TextView new_one;   // "into a new ..."
  TextView in;        // "in the ... (its part", before the part's name
  TextView there;     // "in the ...", alone
};

HolderWords WordsFor(ProfileHolder holder) {
  if (holder == ProfileHolder::kRegistryKey)
    return {u"из раздела реестра", u"этот раздел", u"в новый раздел", u"в реестре (раздел",
            u"в реестре"};
  return {u"из файла", u"этот файл", u"в новый файл", u"в файле (раздел", u"в файле"};
}

Text ValueProblemText(const KeptValue& value) {
  switch (value.problem) {
    case ValueProblem::kNumber:
      return u"число (" + value.detail + u")";
    case ValueProblem::kBinary:
      return u"двоичные данные (" + value.detail + u")";
    case ValueProblem::kStringList:
      return u"список строк (" + value.detail + u")";
    case ValueProblem::kOtherKind:
      return u"значение типа " + value.detail;
    case ValueProblem::kUnreadable:
      return u"не удалось прочитать: " + value.detail;
  }
  return value.detail;
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

ProfileSavePlan PlanProfileSave(const ProfileReadOutcome& outcome, const ProfileStamp& known,
                                const ProfileStamp& now, const std::function<Text()>& new_place) {
  ProfileSavePlan plan = PlanProfileSave(outcome);
  if (ChangedOutsideRun(known, now)) {
    plan.copy_first_to = new_place();
    plan.keeps_outside_change = true;
  }
  return plan;
}

Text ProfileReadNotice(const ProfileReadOutcome& outcome) {
  const HolderWords words = WordsFor(outcome.holder);
  switch (outcome.read) {
    case ProfileRead::kWhole:
      return {};
    case ProfileRead::kUnreadable:
      return u"Сохранённый профиль не удалось прочитать " + Text(words.from) + u" «" +
             outcome.place + u"»: " + ReasonText(outcome.reason) +
             u".\n\nQuillpad начинает работу с пустым " + u"профилем и " + Text(words.this_one) +
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

Text ProfileReadNotice(const ProfileReadReport& report) {
  Text told = ProfileReadNotice(report.outcome);
  std::vector<std::pair<Text, Text>> by_place;  // the part of the store, its values
  for (const KeptValue& value : report.kept) {
    auto found = std::find_if(by_place.begin(), by_place.end(),
                              [&](const auto& listed) { return listed.first == value.place; });
    if (found == by_place.end()) found = by_place.insert(found, {value.place, Text()});
    found->second += u"\n«" + value.key + u"»: " + ValueProblemText(value);
  }
  for (const auto& [place, values] : by_place) {
    if (!told.empty()) told += u"\n\n";
    told += u"Эти значения профиля " + Text(WordsFor(report.outcome.holder).in) + u" «" + place +
            u"») не удалось прочитать как текст:" + values +
            u"\n\nQuillpad начинает работу без них и при выходе оставит эти значения " +
            Text(WordsFor(report.outcome.holder).there) +
            u" как есть; значение будет заменено, только если вы впишете текст в его поле или "
            u"передвинете окно.";
  }
  const bool key = report.outcome.holder == ProfileHolder::kRegistryKey;
  for (const Text& copy : report.kept_outside_changes) {
    if (!told.empty()) told += u"\n\n";
    told += Text(key ? u"Раздел реестра «" : u"Файл профиля «") + report.outcome.place +
            u"» изменили, пока Quillpad работал: другой программой или вручную. Прежде чем "
            u"записать в него свой профиль, Quillpad сохранил " +
            Text(key ? u"этот раздел" : u"этот файл") + u" в том виде, в каком его нашёл, как «" +
            copy + u"». Если там есть нужные вам значения, возьмите их оттуда.";
  }
  return told;
}

Text DatedProfileName(const Text& application, const LocalTime& now,
                      const std::function<bool(const Text& name)>& taken) {
  const auto digits = [](int value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width) text.insert(0, width - text.size(), '0');
    return Text(text.begin(), text.end());
  };
  const Text dated = application + u"-" + digits(now.year, 4) + digits(now.month, 2) +
                     digits(now.day, 2) + u"-" + digits(now.hour, 2) + digits(now.minute, 2) +
                     digits(now.second, 2);
  Text name = dated;
  for (int n = 2; taken(name); ++n) name = dated + u"-" + digits(n, 1);
  return name;
}

}  // namespace quillpad
