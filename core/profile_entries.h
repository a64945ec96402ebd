#pragma once

#include <array>
#include <cstdint>

#include "core/text.h"

namespace quillpad {

// The settings store's 25 entries in the one order in which the profile is loaded and
// saved: 15 author fields, the window's top and left, then 8 program fields. The keys are
// spelled as earlier versions stored them (`streer2` and `county` included), so existing
// profiles keep loading.
#define QUILLPAD_STORE_ENTRIES(FIELD, POSITION) \
  FIELD(kName, u"name")                         \
  FIELD(kMidname, u"midname")                   \
  FIELD(kLastname, u"lastname")                 \
  FIELD(kCompany, u"company")                   \
  FIELD(kTitle, u"title")                       \
  FIELD(kStreet1, u"street1")                   \
  FIELD(kStreer2, u"streer2")                   \
  FIELD(kCity, u"city")                         \
  FIELD(kState, u"state")                       \
  FIELD(kCounty, u"county")                     \
  FIELD(kZip, u"zip")                           \
  FIELD(kEmail, u"email")                       \
  FIELD(kPhone, u"phone")                       \
  FIELD(kFax, u"fax")                           \
  FIELD(kComments, u"comments")                 \
  POSITION(kTop, u"top")                        \
  POSITION(kLeft, u"left")                      \
  FIELD(kPrgvers, u"prgvers")                   \
  FIELD(kPrgfullo, u"prgfullo")                 \
  FIELD(kPrgname, u"prgname")                   \
  FIELD(kPrgemail, u"prgemail")                 \
  FIELD(kPrgdownl1, u"prgdownl1")               \
  FIELD(kPrgdownl2, u"prgdownl2")               \
  FIELD(kPrgwww, u"prgwww")                     \
  FIELD(kPrgo, u"prgo")

#define QUILLPAD_AS_ENUMERATOR(name, key) name,
#define QUILLPAD_IGNORE(name, key)

enum class ProfileField : std::uint8_t {
  QUILLPAD_STORE_ENTRIES(QUILLPAD_AS_ENUMERATOR, QUILLPAD_IGNORE)
};
enum class PositionEntry : std::uint8_t {
  QUILLPAD_STORE_ENTRIES(QUILLPAD_IGNORE, QUILLPAD_AS_ENUMERATOR)
};

#define QUILLPAD_COUNT_ONE(name, key) +1

inline constexpr std::size_t kProfileFieldCount =
    0 QUILLPAD_STORE_ENTRIES(QUILLPAD_COUNT_ONE, QUILLPAD_IGNORE);

#undef QUILLPAD_AS_ENUMERATOR
#undef QUILLPAD_IGNORE
#undef QUILLPAD_COUNT_ONE

struct StoreEntry {
  TextView key;
  bool is_position;
  ProfileField field;      // when !is_position
  PositionEntry position;  // when is_position
};

inline constexpr std::array kStoreEntries = std::to_array<StoreEntry>({
#define QUILLPAD_FIELD_ENTRY(name, key) {key, false, ProfileField::name, PositionEntry{}},
#define QUILLPAD_POSITION_ENTRY(name, key) {key, true, ProfileField{}, PositionEntry::name},
    QUILLPAD_STORE_ENTRIES(QUILLPAD_FIELD_ENTRY, QUILLPAD_POSITION_ENTRY)
#undef QUILLPAD_FIELD_ENTRY
#undef QUILLPAD_POSITION_ENTRY
});

inline constexpr std::size_t kStoreEntryCount = kStoreEntries.size();

inline constexpr TextView kSettingsSection = u"Setting";

}  // namespace quillpad
