#pragma once

#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "core/text.h"

namespace quillpad::win32 {

// The settings store of classic Windows Basic programs: the current user's registry, under
// "Software\VB and VBA Program Settings\<application>\<section>", one text value per key,
// read and written with the wide functions so that no character is lost.
//
// Other tools may have put values of other kinds there. An expandable string is read with
// its variables unexpanded and stays expandable when written back. A value that is not text
// (a number, binary data, a list of strings) or that cannot be read reads as the fallback
// and is kept as it is at exit unless the text written for it differs from that fallback;
// ReadProblems tells the user which values these are.
class RegistrySettings {
 public:
  Text Read(const Text& application, const Text& section, const Text& key, const Text& fallback);
  void Write(const Text& application, const Text& section, const Text& key, const Text& value);
  // Throws PlatformError, saying why, when the registry refuses.
  void Flush(const Text& application);

  // What to tell the user about stored values that could not be read as text, in the order
  // they were read; empty when every value read as text.
  Text ReadProblems() const;

 private:
  using Address = std::tuple<Text, Text, Text>;  // application, section, key
  using Staged = std::tuple<Text, Text, Text>;   // section, key, value
  struct Unreadable {
    Address address;
    Text what;      // the value's kind, or why it could not be read
    Text fallback;  // what the program took in its place
  };

  const Unreadable* FindUnreadable(const Address& address) const;

  std::vector<Unreadable> unreadable_;
  std::set<Address> expandable_;
  std::map<Text, std::vector<Staged>> staged_;
};

// The key of a section, below HKEY_CURRENT_USER.
Text SettingsKeyPath(const Text& application, const Text& section);

}  // namespace quillpad::win32
