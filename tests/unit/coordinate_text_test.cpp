#include "core/coordinate_text.h"

#include <gtest/gtest.h>

namespace quillpad {
namespace {

TEST(CoordinateText, WholeCoordinatesAreWrittenAsIntegers) {
  EXPECT_EQ(CoordinateToText(1020.0f, u'.'), u"1020");
  EXPECT_EQ(CoordinateToText(-120.0f, u','), u"-120");
  EXPECT_EQ(CoordinateToText(20000.0f, u'.'), u"20000");
  EXPECT_EQ(CoordinateToText(-0.0f, u'.'), u"0");
}

TEST(CoordinateText, FractionsUseTheShortestFormAndTheUsersSeparator) {
  EXPECT_EQ(CoordinateToText(12.5f, u','), u"12,5");
  EXPECT_EQ(CoordinateToText(0.1f, u'.'), u"0.1");
}

TEST(CoordinateText, WrittenTextReadsBackToTheSameValue) {
  for (float value : {0.0f, 1020.0f, -120.0f, 7365.0f, 12.5f, 491505.0f, -3.25f}) {
    for (char16_t separator : {u'.', u','}) {
      EXPECT_EQ(TextToCoordinate(CoordinateToText(value, separator), separator), value);
    }
  }
}

TEST(CoordinateText, ReadsNumbersWithSurroundingSpacesAndExponents) {
  EXPECT_EQ(TextToCoordinate(u" 1500 ", u'.'), 1500.0f);
  EXPECT_EQ(TextToCoordinate(u"1.5e3", u'.'), 1500.0f);
  EXPECT_EQ(TextToCoordinate(u"-0", u'.'), 0.0f);
}

TEST(CoordinateText, RejectsWhatIsNotAFiniteCoordinate) {
  for (const char16_t* text : {u"", u"  ", u"abc", u"nan", u"inf", u"1e40", u"-1e40", u"1e7",
                               u"12,5", u"1 2", u"--1", u"+5", u"1e", u"١٢"}) {
    EXPECT_FALSE(TextToCoordinate(text, u'.').has_value()) << std::string(text, text + 1);
  }
  EXPECT_FALSE(TextToCoordinate(u"12.5", u',').has_value());
}

}  // namespace
}  // namespace quillpad
