#include "core/store_failure.h"

#include "core/text.h"

namespace quillpad {
namespace {

Text Quoted(const Text& text) {
  return u"«" + text + u"»";
}

std::string SaveFailureMessage(ProfileHolder holder, const Text& place,
                               const StoreFailure& reason) {
  const Text where = holder == ProfileHolder::kRegistryKey
                         ? u"в реестр (раздел " + Quoted(place) + u")"
                         : u"в файл " + Quoted(place);
  return ToUtf8(u"Не удалось записать профиль " + where + u": " + ReasonText(reason) + u".");
}

}  // namespace

Text ReasonText(const StoreFailure& failure) {
  switch (failure.problem) {
    case StoreProblem::kNoReadPermission:
      return u"нет прав на чтение";
    case StoreProblem::kFileInPlaceOfFolder:
      return u"на месте папки " + Quoted(failure.path) + u" лежит файл";
    case StoreProblem::kFolderInPlaceOfFile:
      return u"на месте файла лежит папка";
    case StoreProblem::kLinkLoop:
      return u"символические ссылки на него замкнуты в круг";
    case StoreProblem::kNotARegularFile:
      return u"это не обычный файл";
    case StoreProblem::kSectionNoReadPermission:
      return u"его раздел " + Quoted(failure.path) + u" не открывается для чтения (нет прав на " +
             u"чтение)";
    case StoreProblem::kSectionUnopenable:
      return u"его раздел " + Quoted(failure.path) + u" не открывается для чтения (" +
             failure.detail + u")";
    case StoreProblem::kLinkIntoMissingFolder:
      return u"это символическая ссылка на " + Quoted(failure.path) + u", а папки " +
             Quoted(failure.other_path) + u" нет";
    case StoreProblem::kFolderNotMade:
      return u"папку " + Quoted(failure.path) + u" не удалось создать";
    case StoreProblem::kFolderNotWritable:
      return u"папка " + Quoted(failure.path) + u" закрыта для записи";
    case StoreProblem::kFileNotWritable:
      return u"файл закрыт для записи";
    case StoreProblem::kWriteFailed:
      return u"запись не удалась (возможно, диск заполнен)";
    case StoreProblem::kCopyFailed:
      return u"не удалось сохранить его прежний вид в файл " + Quoted(failure.path) + u" (" +
             failure.detail + u"), а без копии он не будет заменён";
    case StoreProblem::kLockHeld:
    case StoreProblem::kSystem:
      return failure.detail;
  }
  return failure.detail;
}

ProfileSaveFailure::ProfileSaveFailure(ProfileHolder holder, const Text& place,
                                       const StoreFailure& reason)
    : PlatformError(SaveFailureMessage(holder, place, reason)) {}

}  // namespace quillpad
