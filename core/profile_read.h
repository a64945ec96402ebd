#pragma once

#include <functional>
#include <vector>

#include "core/outside_changes.h"
#include "core/store_failure.h"
#include "core/text.h"

namespace quillpad {

// What reading a saved profile found, as its store reports it.
enum class ProfileRead {
  kWhole,       // read as written, or not there yet
  kUnreadable,  // there, but could not be read at all
  kDamaged,     // read, but not as written: something may have been lost in the reading
};

struct ProfileReadOutcome {
  ProfileRead read = ProfileRead::kWhole;
  ProfileHolder holder = ProfileHolder::kFile;
  Text place;           // where the saved profile is
  StoreFailure reason;  // why it could not be read; only when unreadable
  // A new place beside the profile that no profile has yet: where an unreadable profile's run
  // saves, or where a damaged profile is copied as it was.
  Text beside;
};

// Why a stored value could not be read as text.
enum class ValueProblem {
  kNumber,      // `detail`: the store's name for its kind
  kBinary,      // likewise
  kStringList,  // likewise
  kOtherKind,   // `detail`: the kind's number
  kUnreadable,  // `detail`: the system's words
};

// A stored value that could not be read as text: the run took its fallback in its place, and
// the value is kept as it is unless the text saved for its entry differs from that fallback.
struct KeptValue {
  Text place;  // the part of the store that holds it, for the user
  Text section;
  Text key;
  ValueProblem problem = ValueProblem::kUnreadable;
  Text detail;
  Text fallback;
};

// How one application's profile was read.
struct ProfileReadReport {
  ProfileReadOutcome outcome;
  std::vector<KeptValue> kept;
  // Where earlier runs kept the profile as they found it changed from outside, not told yet.
  std::vector<Text> kept_outside_changes = {};
};

// Where a run's save goes and what must happen first.
struct ProfileSavePlan {
  Text target;
  // Where the profile as it was is copied before the save replaces it; empty: no copy.
  Text copy_first_to;
  // Whether that copy keeps a change made from outside the run, which the next start tells.
  bool keeps_outside_change = false;
};

// A profile that could not be read is never written over, since what it holds is not known:
// the run saves beside it. One that read with losses is copied as it was before the save
// replaces it, so that the loss is never final.
ProfileSavePlan PlanProfileSave(const ProfileReadOutcome& outcome);

// The same, where the profile the save would replace is known as `now` and as this run read or
// last wrote it as `known`: one changed from outside the run is copied as it is, to a new place
// beside it that `new_place` names, before the save replaces it.
ProfileSavePlan PlanProfileSave(const ProfileReadOutcome& outcome, const ProfileStamp& known,
                                const ProfileStamp& now, const std::function<Text()>& new_place);

// The local time, for naming a place by the moment it was made.
struct LocalTime {
  int year, month, day, hour, minute, second;
};

// The name of a new profile beside the application's own, "<application>-yyyyMMdd-HHmmss",
// with "-2", "-3"... after it while `taken` says that name has a profile already.
Text DatedProfileName(const Text& application, const LocalTime& now,
                      const std::function<bool(const Text& name)>& taken);

// What the user is told, once, about a profile that was not read whole; empty when it was.
Text ProfileReadNotice(const ProfileReadOutcome& outcome);

// What the user is told at start about a profile and its values: first the profile, then the
// values kept as stored, by the part of the store that holds them; empty when all read.
Text ProfileReadNotice(const ProfileReadReport& report);

}  // namespace quillpad
