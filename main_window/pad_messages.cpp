#include "main_window/pad_messages.h"

#include <string>

#include "main_window/pad_fields.h"

namespace quillpad {
namespace {

template <typename Number>
Text Digits(Number number) {
  const std::string digits = std::to_string(number);
  return Text(digits.begin(), digits.end());
}

Text Quoted(const Text& path) {
  return u"«" + path + u"»";
}

// The word for `count` boxes, agreeing with the number as Russian requires.
TextView Fields(std::size_t count) {
  const std::size_t tens = count % 100;
  const std::size_t units = count % 10;
  if (tens >= 11 && tens <= 14) return u"полей";
  if (units == 1) return u"поле";
  if (units >= 2 && units <= 4) return u"поля";
  return u"полей";
}

}  // namespace

Text PadSeveralFilesMessage() {
  return u"Перетащите в окно только один файл PAD.";
}

std::optional<Text> PadReadingMessage(const Text& path, const XmlReading& reading,
                                      std::uint64_t max_bytes) {
  const Text file = u"Файл " + Quoted(path);
  switch (reading.outcome) {
    case XmlReading::Outcome::kRead:
      return std::nullopt;
    case XmlReading::Outcome::kFolder:
      return Quoted(path) + u" — это папка. Перетащите в окно файл PAD.";
    case XmlReading::Outcome::kUnreadable:
      return u"Не удалось прочитать файл " + Quoted(path) +
             (reading.reason.empty() ? u"." : u": " + reading.reason);
    case XmlReading::Outcome::kTooLarge:
      return file + u" слишком большой: файлы PAD больше " + Digits(max_bytes / (1024 * 1024)) +
             u" МБ не читаются.";
    case XmlReading::Outcome::kNotXml:
      return file + u" не является документом XML: ошибка в строке " + Digits(reading.line) +
             u", столбце " + Digits(reading.column) + u"." +
             (reading.reason.empty() ? Text() : u"\n" + reading.reason);
    case XmlReading::Outcome::kDocumentType:
      return file +
             u" содержит объявление типа документа (DOCTYPE). Из соображений безопасности "
             u"такие файлы не читаются.";
    case XmlReading::Outcome::kTooDeep:
      return file + u" не является файлом PAD: элементы в нём вложены друг в друга глубже " +
             Digits(kXmlDepthLimit) + u" уровней.";
  }
  return std::nullopt;
}

Text PadWrongRootMessage(const Text& path) {
  return u"Файл " + Quoted(path) + u" не является файлом PAD: в нём нет корневого элемента " +
         Text(kPadRoot) + u".";
}

Text PadNothingNewMessage() {
  return u"В файле PAD нет ничего нового: все его данные уже есть в полях.";
}

Text PadFillQuestion(std::size_t count, const std::vector<TextView>& replaced) {
  Text question =
      u"Из файла PAD будет заполнено " + Digits(count) + u" " + Text(Fields(count)) + u".";
  if (!replaced.empty()) {
    question += replaced.size() == 1 ? u"\n\nПрежний текст будет заменён в поле:"
                                     : u"\n\nПрежний текст будет заменён в полях:";
    for (TextView name : replaced) question.append(u"\n").append(name);
  }
  return question + u"\n\nЗаполнить?";
}

}  // namespace quillpad
