#include "core/outside_changes.h"

namespace quillpad {

void ProfileStamper::Add(std::string_view bytes) {
  constexpr std::uint64_t kPrime = 1099511628211ULL;  // FNV-1a's
  for (const char byte : bytes) {
    fingerprint_ ^= static_cast<unsigned char>(byte);
    fingerprint_ *= kPrime;
  }
}

bool ChangedOutsideRun(const ProfileStamp& known, const ProfileStamp& now) {
  return now.present && now != known;
}

std::vector<Text> KeptPlacesIn(const Text& note) {
  std::vector<Text> places;
  std::size_t start = 0;
  while (start < note.size()) {
    std::size_t end = note.find(u'\n', start);
    if (end == Text::npos) end = note.size();
    if (end > start) places.push_back(note.substr(start, end - start));
    start = end + 1;
  }
  return places;
}

Text NoteWithKeptPlace(const Text& note, const Text& place) {
  if (note.empty() || note.back() == u'\n') return note + place + u'\n';
  return note + u'\n' + place + u'\n';
}

}  // namespace quillpad
