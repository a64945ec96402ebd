#include "core/one_copy.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace quillpad {
namespace {

using std::chrono::milliseconds;

// A profile held, or not, by another copy that answers as scripted; every step recorded.
class ScriptedClaim : public ProfileClaim {
 public:
  bool Take(milliseconds wait) override {
    steps.push_back("take " + std::to_string(wait.count()));
    if (takes.empty()) return true;
    const bool taken = takes.front();
    takes.pop_front();
    return taken;
  }
  HandOverAnswer HandOver() override {
    steps.push_back("hand over");
    const HandOverAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::deque<bool> takes;
  std::deque<HandOverAnswer> answers;
  std::vector<std::string> steps;
};

TEST(OneCopyTest, AStartWithNoOtherCopyRunsAtOnceAskingNobody) {
  ScriptedClaim claim;
  claim.takes = {true};
  EXPECT_EQ(DecideStart(claim), StartDecision::kRun);
  EXPECT_EQ(claim.steps, (std::vector<std::string>{"take 0"}));
}

TEST(OneCopyTest, AStartHandsOverToTheRunningCopyAndLeaves) {
  ScriptedClaim claim;
  claim.takes = {false};
  claim.answers = {HandOverAnswer::kTaken};
  EXPECT_EQ(DecideStart(claim), StartDecision::kLeave);
  EXPECT_EQ(claim.steps, (std::vector<std::string>{"take 0", "hand over"}));
}

TEST(OneCopyTest, AStartWaitsForAnEndingCopyAndThenRunsInItsPlace) {
  ScriptedClaim claim;
  claim.takes = {false, false, false, true};
  claim.answers = {HandOverAnswer::kEnding, HandOverAnswer::kNoAnswer};
  EXPECT_EQ(DecideStart(claim), StartDecision::kRun);
  EXPECT_EQ(claim.steps, (std::vector<std::string>{"take 0", "hand over", "take 100", "take 0",
                                                   "hand over", "take 100"}));
}

TEST(OneCopyTest, AStartAsksAgainUntilACopyStillStartingAnswers) {
  ScriptedClaim claim;
  claim.takes = {false, false, false, false};
  claim.answers = {HandOverAnswer::kNoAnswer, HandOverAnswer::kTaken};
  EXPECT_EQ(DecideStart(claim), StartDecision::kLeave);
  EXPECT_EQ(claim.steps,
            (std::vector<std::string>{"take 0", "hand over", "take 100", "take 0", "hand over"}));
}

}  // namespace
}  // namespace quillpad
