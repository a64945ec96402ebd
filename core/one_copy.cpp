#include "core/one_copy.h"

namespace quillpad {
namespace {

// How long a start waits for a copy that is starting or ending before it asks again.
constexpr std::chrono::milliseconds kWaitBetweenAsks{100};

}  // namespace

StartDecision DecideStart(ProfileClaim& claim) {
  for (;;) {
    if (claim.Take(std::chrono::milliseconds{0})) return StartDecision::kRun;
    if (claim.HandOver() == HandOverAnswer::kTaken) return StartDecision::kLeave;
    if (claim.Take(kWaitBetweenAsks)) return StartDecision::kRun;
  }
}

}  // namespace quillpad
