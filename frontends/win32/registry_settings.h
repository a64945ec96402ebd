#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

#include "core/profile_read.h"
#include "core/text.h"
#include "frontends/win32/registry_transaction.h"
#include "frontends/win32/windows_api.h"

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
//
// A profile whose key, or one of its sections' keys, is there but cannot be opened for
// reading (access denied) is not written over: the run reads empty and saves under a dated
// sibling key, "<application>-<yyyyMMdd-HHmmss>", as the core's plan for an unreadable
// profile asks.
//
// A profile that something else changed while the run held it (`reg import`, another tool) is
// copied whole, as it was found, to a dated sibling key before the save replaces it; the next
// start is told, through a note in the profile's key.
class RegistrySettings {
 public:
  // Opens a key below HKEY_CURRENT_USER for reading: every read goes through it, so that a
  // refusal can be made where the registry itself does not refuse by a key's permissions.
  using OpenForReading = std::function<LSTATUS(const Text& path, HKEY& opened)>;

  RegistrySettings();
  // Every value is set through `set_value`, so that a refusal part-way can be made too.
  explicit RegistrySettings(OpenForReading open_for_reading,
                            SetRegistryValue set_value = SetValueInRegistry);

  Text Read(const Text& application, const Text& section, const Text& key, const Text& fallback);
  void Write(const Text& application, const Text& section, const Text& key, const Text& value);
  // Writes every staged value or, where the registry refuses one, none: the profile is then
  // left as it was, and ProfileSaveFailure says why.
  void Flush(const Text& application);

  // How the application's profile reads, with the values that could not be read as text in
  // the order they were read.
  ProfileReadReport Report(const Text& application);

 private:
  using Address = std::tuple<Text, Text, Text>;  // application, section, key
  using Staged = std::tuple<Text, Text, Text>;   // section, key, value
  struct Unreadable {
    Address address;
    ValueProblem problem;
    Text detail;
    Text fallback;  // what the program took in its place
  };

  const Unreadable* FindUnreadable(const Address& address) const;
  // How the application's profile reads, found out once, when it is first read.
  const ProfileReadOutcome& Check(const Text& application);
  // Why the profile's key or one of its sections cannot be read; nothing when all can.
  std::optional<StoreFailure> WhyProfileCannotBeRead(const Text& application);
  LSTATUS QueryValue(const Text& path, const Text& name, DWORD& type, std::vector<BYTE>& data);

  OpenForReading open_for_reading_;
  SetRegistryValue set_value_;
  std::map<Text, ProfileReadOutcome> checked_;
  // The key each application's run saves to, as the run read or last wrote it.
  std::map<Text, ProfileStamp> known_;
  std::map<Text, std::vector<Text>> kept_outside_changes_;
  std::vector<Unreadable> unreadable_;
  std::set<Address> expandable_;
  std::map<Text, std::vector<Staged>> staged_;
};

// The key of an application's profile, and of one of its sections, below HKEY_CURRENT_USER.
Text ProfileKeyPath(const Text& application);
Text SettingsKeyPath(const Text& application, const Text& section);

}  // namespace quillpad::win32
