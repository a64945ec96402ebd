#include "main_window/pad_values.h"

#include <gtest/gtest.h>

#include <map>

#include "fakes/pad_document.h"

namespace quillpad {
namespace {

using testing::PadDocument;

std::map<ProfileField, Text> Values(const XmlReading& reading) {
  std::map<ProfileField, Text> values;
  for (const PadValue& value : PadValues(reading.elements)) {
    EXPECT_TRUE(values.emplace(value.source->field, value.text).second);
  }
  return values;
}

TEST(PadValuesTest, APreferredElementMissingEmptyOrBlankFallsBackToTheNextThatHasText) {
  EXPECT_EQ(Values(PadDocument({
                {u"Company_Info/Contact_Info/Contact_Email", u"contact@example.com"},
                {u"Program_Descriptions/English/Char_Desc_45", u"Forty-five"},
                {u"Program_Descriptions/English/Char_Desc_250", u"Two hundred fifty"},
            })),
            (std::map<ProfileField, Text>{
                {ProfileField::kPrgemail, u"contact@example.com"},
                {ProfileField::kPrgo, u"Forty-five"},
                {ProfileField::kPrgfullo, u"Two hundred fifty"},
            }));
  EXPECT_EQ(Values(PadDocument({
                {u"Company_Info/Support_Info/Support_Email", u""},
                {u"Company_Info/Contact_Info/Contact_Email", u"contact@example.com"},
                {u"Program_Descriptions/English/Char_Desc_80", u" \t\r\n"},
                {u"Program_Descriptions/English/Char_Desc_45", u"Forty-five"},
                {u"Program_Descriptions/English/Char_Desc_2000", u""},
                {u"Program_Descriptions/English/Char_Desc_450", u"Four hundred fifty"},
                {u"Program_Descriptions/English/Char_Desc_250", u"Two hundred fifty"},
            })),
            (std::map<ProfileField, Text>{
                {ProfileField::kPrgemail, u"contact@example.com"},
                {ProfileField::kPrgo, u"Forty-five"},
                {ProfileField::kPrgfullo, u"Four hundred fifty"},
            }));
  EXPECT_EQ(Values(PadDocument({
                {u"Company_Info/Contact_Info/Contact_Email", u"contact@example.com"},
                {u"Company_Info/Support_Info/Support_Email", u"support@example.com"},
                {u"Program_Descriptions/English/Char_Desc_45", u"Forty-five"},
                {u"Program_Descriptions/English/Char_Desc_80", u"Eighty"},
                {u"Program_Descriptions/English/Char_Desc_2000", u"Two thousand"},
                {u"Program_Descriptions/English/Char_Desc_450", u"Four hundred fifty"},
            })),
            (std::map<ProfileField, Text>{
                {ProfileField::kPrgemail, u"support@example.com"},
                {ProfileField::kPrgo, u"Eighty"},
                {ProfileField::kPrgfullo, u"Two thousand"},
            }));
}

TEST(PadValuesTest, AFieldWithoutTextInTheFileGetsNoValue) {
  EXPECT_EQ(Values(PadDocument({
                {u"Company_Info/Company_Name", u"Firm"},
                {u"Company_Info/Address_1", u"1 Main St"},
                {u"Company_Info/Address_2", u""},
                {u"Company_Info/City_Town", u"\n\t\t\t"},
                {u"Program_Info/Program_Version", u"2.0"},
            })),
            (std::map<ProfileField, Text>{
                {ProfileField::kCompany, u"Firm"},
                {ProfileField::kStreet1, u"1 Main St"},
                {ProfileField::kPrgvers, u"2.0"},
            }));
  EXPECT_TRUE(Values(PadDocument({})).empty());
}

TEST(PadValuesTest, DescriptionsComeFromEnglishWhereverListedElseFromTheFirstLanguage) {
  EXPECT_EQ(Values(PadDocument({
                {u"Program_Descriptions/German/Char_Desc_80", u"Kurz"},
                {u"Program_Descriptions/German/Char_Desc_2000", u"Lang"},
                {u"Program_Descriptions/English/Char_Desc_80", u"Short"},
                {u"Program_Descriptions/English/Char_Desc_2000", u"Long"},
            })),
            (std::map<ProfileField, Text>{
                {ProfileField::kPrgo, u"Short"},
                {ProfileField::kPrgfullo, u"Long"},
            }));
  EXPECT_EQ(Values(PadDocument({
                {u"Program_Descriptions/German/Char_Desc_80", u"Kurz"},
                {u"Program_Descriptions/French/Char_Desc_80", u"Court"},
                {u"Program_Descriptions/French/Char_Desc_2000", u"Long"},
            })),
            (std::map<ProfileField, Text>{{ProfileField::kPrgo, u"Kurz"}}));
  // The chosen language is not left for another when it lacks a description.
  EXPECT_EQ(Values(PadDocument({
                {u"Program_Descriptions/English/Keywords", u"words"},
                {u"Program_Descriptions/German/Char_Desc_80", u"Kurz"},
            })),
            (std::map<ProfileField, Text>{}));
}

TEST(PadValuesTest, OfElementsWithTheSamePathTheFirstCounts) {
  XmlReading reading = PadDocument({
      {u"Program_Info/Program_Name", u"First"},
      {u"Program_Descriptions/English/Char_Desc_80", u"First short"},
  });
  reading.elements.push_back({u"XML_DIZ_INFO/Program_Info/Program_Name", u"Second"});
  reading.elements.push_back(
      {u"XML_DIZ_INFO/Program_Descriptions/English/Char_Desc_80", u"Second short"});
  EXPECT_EQ(Values(reading), (std::map<ProfileField, Text>{
                                 {ProfileField::kPrgname, u"First"},
                                 {ProfileField::kPrgo, u"First short"},
                             }));
}

TEST(PadValuesTest, TextIsTrimmedAndItsLineBreaksKeptInMultiLineBoxesElseMadeSpaces) {
  EXPECT_EQ(Values(PadDocument({
                {u"Program_Info/Program_Name", u"\n\t\t\tQuill\tPad \r\n"},
                {u"Company_Info/Address_1", u"  1 Main St,  \n\t  Suite 5\n\n\tFloor 2\t"},
                {u"Program_Descriptions/English/Char_Desc_80", u"One\r\ntwo\rthree"},
                {u"Program_Descriptions/English/Char_Desc_2000",
                 u"\n\t\tFirst line\n  indented\n\nafter a blank\r\nCR LF\rCR  \t\n"},
            })),
            (std::map<ProfileField, Text>{
                {ProfileField::kPrgname, u"Quill\tPad"},
                {ProfileField::kStreet1, u"1 Main St, Suite 5 Floor 2"},
                {ProfileField::kPrgo, u"One two three"},
                {ProfileField::kPrgfullo,
                 u"First line\r\n  indented\r\n\r\nafter a blank\r\nCR LF\r\nCR"},
            }));
}

}  // namespace
}  // namespace quillpad
