#pragma once

#include <vector>

#include "core/outside_changes.h"
#include "core/text.h"
#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {

// The stamp of the profile under the key at path below HKEY_CURRENT_USER: every value of
// every section, with its name, kind and bytes, in the order of their names; none where there
// is no key. A key that cannot be read has a stamp of its own, unlike any key read.
ProfileStamp StampOfProfileKey(const Text& path);

// Copies the profile key at `from` whole, values of every kind, to a new key at `to`.
LSTATUS CopyProfileKey(const Text& from, const Text& to);

// The places where earlier runs kept a profile changed from outside, noted in the profile's
// own key beside its sections; the note is then gone: each is told once.
std::vector<Text> TakeKeptPlaces(const Text& profile_key);
// Adds a place to that note; a note that cannot be written leaves the kept copy untold.
void NoteKeptPlace(const Text& profile_key, const Text& place);

}  // namespace quillpad::win32
