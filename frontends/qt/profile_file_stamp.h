#pragma once

#include <QString>
#include <vector>

#include "core/outside_changes.h"
#include "core/text.h"

namespace quillpad::qt {

// The stamp of the profile file at path: its bytes, read through any links; none where there
// is no file. A file that cannot be read, or is no plain file, has a stamp of its own, unlike
// any file read.
ProfileStamp StampOfFile(const QString& path);

// The places where earlier runs kept a profile changed from outside, noted in the file at
// note_path, which is then gone: each is told once.
std::vector<Text> TakeKeptPlaces(const QString& note_path);
// Adds a place to that note; a note that cannot be written leaves the kept copy untold.
void NoteKeptPlace(const QString& note_path, const Text& place);

}  // namespace quillpad::qt
