#pragma once

#include <chrono>
#include <cstdint>

namespace quillpad {

// One profile has one writer: a start finds out whether a copy of the program already runs
// on its profile, and if one does, hands the user over to it instead of running beside it.

// What the running copy answered a start that handed over to it.
enum class HandOverAnswer : std::uint8_t {
  // It has come up for the user; the start has nothing left to do.
  kTaken,
  // It is ending, its profile being saved; the start waits for the end and then runs.
  kEnding,
  // No copy answered: it is still starting or has just ended.
  kNoAnswer,
};

// The desktop's means of keeping to one copy per profile.
class ProfileClaim {
 public:
  virtual ~ProfileClaim() = default;

  // Takes the profile for this process, waiting up to `wait` for the copy that holds it to
  // end. Once taken it is held until the process ends, however it ends, so that nothing a
  // killed copy leaves behind keeps a later start from taking it.
  virtual bool Take(std::chrono::milliseconds wait) = 0;

  // Asks the copy that holds the profile to come up for the user, passing on this start's
  // right to bring a window to the front.
  virtual HandOverAnswer HandOver() = 0;
};

enum class StartDecision : std::uint8_t { kRun, kLeave };

// Whether this start runs, holding its profile, or leaves at once, the running copy having
// come up in its stead. A copy that is starting or ending is waited for; starts at the same
// moment leave exactly one running.
StartDecision DecideStart(ProfileClaim& claim);

// What the running copy did for another start on its profile, for the front end to finish.
enum class StartedAgainAnswer : std::uint8_t {
  // The main window is up, as a double-click on the icon brings it: bring it to the front,
  // with the keyboard.
  kWindowUp,
  // A message waits for the user's answer: bring the message to the front instead.
  kMessageUp,
  // The run is ending: nothing was done, and the other start waits for the end.
  kEnding,
};

}  // namespace quillpad
