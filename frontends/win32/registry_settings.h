#pragma once

#include <map>
#include <tuple>
#include <vector>

#include "core/text.h"

namespace quillpad::win32 {

// The settings store of classic Windows Basic programs: the current user's registry, under
// "Software\VB and VBA Program Settings\<application>\<section>", one text value per key,
// read and written with the wide functions so that no character is lost.
class RegistrySettings {
 public:
  Text Read(const Text& application, const Text& section, const Text& key,
            const Text& fallback) const;
  void Write(const Text& application, const Text& section, const Text& key, const Text& value);
  // Throws PlatformError, saying why, when the registry refuses.
  void Flush(const Text& application);

 private:
  using Staged = std::tuple<Text, Text, Text>;  // section, key, value
  std::map<Text, std::vector<Staged>> staged_;
};

// The key of a section, below HKEY_CURRENT_USER.
Text SettingsKeyPath(const Text& application, const Text& section);

}  // namespace quillpad::win32
