#pragma once

#include "core/errors.h"
#include "core/text.h"

namespace quillpad {

// What holds a saved profile, for naming it to the user.
enum class ProfileHolder { kFile, kRegistryKey };

// Why a store could not read or write a profile, as the store finds it; the program says it
// to the user in its own words.
enum class StoreProblem {
  kNoReadPermission,
  kFileInPlaceOfFolder,  // `path`: the file
  kFolderInPlaceOfFile,
  kLinkLoop,
  kNotARegularFile,
  kSectionNoReadPermission,  // `path`: the section
  kSectionUnopenable,        // `path`: the section; `detail`: the system's words
  kLinkIntoMissingFolder,    // `path`: where the link leads; `other_path`: the missing folder
  kFolderNotMade,            // `path`: the folder
  kFolderNotWritable,        // `path`: the folder
  kFileNotWritable,
  kWriteFailed,
  kCopyFailed,  // `path`: the copy; `detail`: the system's words
  kLockHeld,    // `detail`: who holds the lock, as only the store can tell
  kSystem,      // `detail`: the system's words
};

struct StoreFailure {
  StoreProblem problem = StoreProblem::kSystem;
  Text path = {};
  Text other_path = {};
  Text detail = {};

  bool operator==(const StoreFailure&) const = default;
};

// Why, in the words of the messages that name the profile.
Text ReasonText(const StoreFailure& failure);

// A save that did not reach the store; what() tells the user where the profile was to go
// and why it could not.
class ProfileSaveFailure : public PlatformError {
 public:
  ProfileSaveFailure(ProfileHolder holder, const Text& place, const StoreFailure& reason);
};

}  // namespace quillpad
