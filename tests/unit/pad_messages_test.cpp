#include "main_window/pad_messages.h"

#include <gtest/gtest.h>

#include "fakes/pad_document.h"

namespace quillpad {
namespace {

using testing::Reading;

Text FirstLine(const Text& text) {
  return text.substr(0, text.find(u'\n'));
}

TEST(PadMessagesTest, TheQuestionCountsBoxesInTheNumbersGrammaticalForm) {
  const std::pair<std::size_t, TextView> counts[] = {
      {1, u"1 поле"},    {2, u"2 поля"},    {4, u"4 поля"},      {5, u"5 полей"},
      {11, u"11 полей"}, {12, u"12 полей"}, {14, u"14 полей"},   {20, u"20 полей"},
      {21, u"21 поле"},  {22, u"22 поля"},  {111, u"111 полей"},
  };
  for (const auto& [count, words] : counts) {
    EXPECT_EQ(FirstLine(PadFillQuestion(count, {})),
              u"Из файла PAD будет заполнено " + Text(words) + u".");
  }
}

TEST(PadMessagesTest, TheQuestionNamesTheBoxesWhoseTextIsReplacedOnePerLine) {
  EXPECT_EQ(PadFillQuestion(3, {}), u"Из файла PAD будет заполнено 3 поля.\n\nЗаполнить?");
  EXPECT_EQ(PadFillQuestion(1, {u"Имя"}),
            u"Из файла PAD будет заполнено 1 поле.\n\n"
            u"Прежний текст будет заменён в поле:\nИмя\n\nЗаполнить?");
  EXPECT_EQ(PadFillQuestion(5, {u"Имя", u"e-mail автора"}),
            u"Из файла PAD будет заполнено 5 полей.\n\n"
            u"Прежний текст будет заменён в полях:\nИмя\ne-mail автора\n\nЗаполнить?");
}

TEST(PadMessagesTest, EachReadingThatFailedIsExplainedWithWhatTheReaderKnows) {
  const Text path = u"/home/user/pad.xml";
  const auto message = [&](const XmlReading& reading) {
    return PadReadingMessage(path, reading, 4 * 1024 * 1024);
  };
  using enum XmlReading::Outcome;
  EXPECT_EQ(message(Reading(kRead)), std::nullopt);
  EXPECT_EQ(message(Reading(kFolder)),
            u"«/home/user/pad.xml» — это папка. Перетащите в окно файл PAD.");
  EXPECT_EQ(message(Reading(kUnreadable, u"Permission denied")),
            u"Не удалось прочитать файл «/home/user/pad.xml»: Permission denied");
  EXPECT_EQ(message(Reading(kUnreadable)), u"Не удалось прочитать файл «/home/user/pad.xml».");
  EXPECT_EQ(message(Reading(kTooLarge)),
            u"Файл «/home/user/pad.xml» слишком большой: файлы PAD больше 4 МБ не читаются.");
  EXPECT_EQ(message(Reading(kNotXml, u"Unexpected '<'", 12, 7)),
            u"Файл «/home/user/pad.xml» не является документом XML: ошибка в строке 12, "
            u"столбце 7.\nUnexpected '<'");
  EXPECT_EQ(message(Reading(kNotXml, u"", 1, 1)),
            u"Файл «/home/user/pad.xml» не является документом XML: ошибка в строке 1, "
            u"столбце 1.");
  EXPECT_EQ(message(Reading(kDocumentType)),
            u"Файл «/home/user/pad.xml» содержит объявление типа документа (DOCTYPE). Из "
            u"соображений безопасности такие файлы не читаются.");
  EXPECT_EQ(message(Reading(kTooDeep)),
            u"Файл «/home/user/pad.xml» не является файлом PAD: элементы в нём вложены друг в "
            u"друга глубже 16 уровней.");
}

}  // namespace
}  // namespace quillpad
