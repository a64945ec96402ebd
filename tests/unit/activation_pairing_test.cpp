#include "tray/activation_pairing.h"

#include <gtest/gtest.h>

#include <vector>

#include "tray/tray_event.h"

namespace quillpad {
namespace {

constexpr std::int64_t kInterval = 400;

struct Step {
  TrayActivation activation;
  std::int64_t time_ms;
};

std::vector<std::int32_t> Codes(const std::vector<Step>& steps) {
  ActivationPairing pairing;
  std::vector<std::int32_t> codes;
  for (const Step& step : steps) {
    if (auto code = pairing.Decode(step.activation, step.time_ms, kInterval))
      codes.push_back(*code);
  }
  return codes;
}

using enum TrayActivation;
using Codes_ = std::vector<std::int32_t>;

TEST(ActivationPairing, ASingleClickDoesNothing) {
  EXPECT_EQ(Codes({{kClick, 0}}), Codes_{});
  EXPECT_EQ(Codes({{kClick, 0}, {kClick, 401}}), Codes_{});
}

TEST(ActivationPairing, TwoClicksWithinTheIntervalAreADoubleClick) {
  EXPECT_EQ(Codes({{kClick, 0}, {kClick, 400}}), Codes_{kTrayLeftDoubleClick});
}

TEST(ActivationPairing, AThirdQuickClickStartsANewPair) {
  EXPECT_EQ(Codes({{kClick, 0}, {kClick, 100}, {kClick, 200}}), Codes_{kTrayLeftDoubleClick});
  EXPECT_EQ(Codes({{kClick, 0}, {kClick, 100}, {kClick, 200}, {kClick, 300}}),
            (Codes_{kTrayLeftDoubleClick, kTrayLeftDoubleClick}));
}

TEST(ActivationPairing, AHostThatReportsTheDoubleClickIsObeyedOnce) {
  EXPECT_EQ(Codes({{kClick, 0}, {kDoubleClick, 150}}), Codes_{kTrayLeftDoubleClick});
  EXPECT_EQ(Codes({{kClick, 0}, {kClick, 150}, {kDoubleClick, 150}}), Codes_{kTrayLeftDoubleClick});
  EXPECT_EQ(Codes({{kDoubleClick, 0}, {kClick, 2000}, {kDoubleClick, 2100}}),
            (Codes_{kTrayLeftDoubleClick, kTrayLeftDoubleClick}));
}

TEST(ActivationPairing, TheContextRequestIsTheRightButtonRelease) {
  EXPECT_EQ(Codes({{kContextMenu, 0}}), Codes_{kTrayRightButtonUp});
  EXPECT_EQ(Codes({{kClick, 0}, {kContextMenu, 100}, {kClick, 200}}), Codes_{kTrayRightButtonUp});
}

TEST(ActivationPairing, EveryActivationByAHostThatShowsTheIconRestores) {
  // One per double-click on one desktop, one per click on another, however close together.
  EXPECT_EQ(Codes({{kHostActivation, 0}}), Codes_{kTrayLeftDoubleClick});
  EXPECT_EQ(Codes({{kHostActivation, 0}, {kHostActivation, 100}}),
            (Codes_{kTrayLeftDoubleClick, kTrayLeftDoubleClick}));
  // A click read before it does not pair with a click after it.
  EXPECT_EQ(Codes({{kClick, 0}, {kHostActivation, 100}, {kClick, 200}}),
            Codes_{kTrayLeftDoubleClick});
}

}  // namespace
}  // namespace quillpad
