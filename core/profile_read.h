#pragma once

#include <vector>

#include "core/text.h"

namespace quillpad {

// What reading a saved profile found, as its store reports it.
enum class ProfileRead {
  kWhole,       // read as written, or not there yet
  kUnreadable,  // there, but could not be read at all
  kDamaged,     // read, but not as written: something may have been lost in the reading
};

// What holds a saved profile, for naming it to the user.
enum class ProfileHolder { kFile, kRegistryKey };

struct ProfileReadOutcome {
  ProfileRead read = ProfileRead::kWhole;
  ProfileHolder holder = ProfileHolder::kFile;
  Text place;   // where the saved profile is
  Text reason;  // why it could not be read; only when unreadable
  // A new place beside the profile that no profile has yet: where an unreadable profile's run
  // saves, or where a damaged profile is copied as it was.
  Text beside;
};

// Where a run's save goes and what must happen first.
struct ProfileSavePlan {
  Text target;
  // Where the profile as it was is copied before the save replaces it; empty: no copy.
  Text copy_first_to;
};

// A profile that could not be read is never written over, since what it holds is not known:
// the run saves beside it. One that read with losses is copied as it was before the save
// replaces it, so that the loss is never final.
ProfileSavePlan PlanProfileSave(const ProfileReadOutcome& outcome);

// What the user is told, once, about a profile that was not read whole; empty when it was.
Text ProfileReadNotice(const ProfileReadOutcome& outcome);

// The notices of all profiles read, one after another; empty when every one read whole.
Text ProfileReadNotices(const std::vector<ProfileReadOutcome>& outcomes);

}  // namespace quillpad
