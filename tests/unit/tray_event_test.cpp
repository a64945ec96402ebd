#include "tray/tray_event.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace quillpad {
namespace {

TEST(DecodeTrayEvent, GivesThePixelColumnAsTheEventCode) {
  EXPECT_EQ(DecodeTrayEvent(515 * 15.0f, 15.0f), 515);
  EXPECT_EQ(DecodeTrayEvent(517 * 12.0f, 12.0f), 517);
  EXPECT_EQ(DecodeTrayEvent(0.0f, 15.0f), 0);
}

TEST(DecodeTrayEvent, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(DecodeTrayEvent(514.5f * 15.0f, 15.0f), 514);
  EXPECT_EQ(DecodeTrayEvent(515.5f * 15.0f, 15.0f), 516);
  EXPECT_EQ(DecodeTrayEvent(-2.5f * 15.0f, 15.0f), -2);
  EXPECT_EQ(DecodeTrayEvent(514.6f * 15.0f, 15.0f), 515);
}

TEST(DecodeTrayEvent, AFailedDivisionRaises) {
  EXPECT_THROW(DecodeTrayEvent(7725.0f, 0.0f), std::domain_error);
  EXPECT_THROW(DecodeTrayEvent(std::nanf(""), 15.0f), std::domain_error);
  EXPECT_THROW(DecodeTrayEvent(std::numeric_limits<float>::max(), 0.5f), std::overflow_error);
  EXPECT_THROW(DecodeTrayEvent(3e9f, 1.0f), std::overflow_error);
}

TEST(DecodeTrayEvent, NoPointOfTheMainWindowsClientAreaReadsAsADoubleClickOrARelease) {
  for (float x = 0; x <= 4890.0f; x += 1.0f) {
    const auto code = DecodeTrayEvent(x, 15.0f);
    ASSERT_NE(code, 515);
    ASSERT_NE(code, 517);
  }
}

}  // namespace
}  // namespace quillpad
