#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/text.h"

namespace quillpad {

// What a stored profile held, reduced to telling whether it is still what a run read or last
// wrote: a fingerprint of the bytes its store keeps it in, or none where there is no profile.
struct ProfileStamp {
  bool present = false;
  std::uint64_t fingerprint = 0;
  friend bool operator==(const ProfileStamp&, const ProfileStamp&) = default;
};

// Builds the stamp of a stored profile from its bytes, given in as many pieces as the store
// reads them in; stores that keep a profile in parts give every part, with what tells the
// parts apart, in one fixed order.
class ProfileStamper {
 public:
  void Add(std::string_view bytes);
  ProfileStamp Stamp() const { return {true, fingerprint_}; }

 private:
  std::uint64_t fingerprint_ = 14695981039346656037ULL;  // FNV-1a's offset basis
};

// Whether the profile a save is about to replace holds something this run neither read nor
// wrote (the user restored a backup, a sync tool replaced it, it was edited by hand): it is
// then kept as it is before the save. A profile removed meanwhile holds nothing to keep.
bool ChangedOutsideRun(const ProfileStamp& known, const ProfileStamp& now);

// Where the profile's store notes, for the next start, the places where a profile changed from
// outside was kept: one place per line.
std::vector<Text> KeptPlacesIn(const Text& note);
Text NoteWithKeptPlace(const Text& note, const Text& place);

}  // namespace quillpad
