#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/text.h"
#include "frontends/win32/unique_handle.h"
#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {

// Sets one value of an open key, as RegSetValueExW does.
using SetRegistryValue = std::function<LSTATUS(HKEY key, const std::wstring& name, DWORD type,
                                               const BYTE* data, DWORD size)>;

// RegSetValueExW itself.
LSTATUS SetValueInRegistry(HKEY key, const std::wstring& name, DWORD type, const BYTE* data,
                           DWORD size);

// Writes values below HKEY_CURRENT_USER so that either all of them are written or the
// registry is left as it was: each value's former state is noted before it is replaced, and
// everything this write changed is put back when one step fails.
class RegistryTransaction {
 public:
  explicit RegistryTransaction(SetRegistryValue set_value);
  // Puts back whatever was not committed.
  ~RegistryTransaction();
  RegistryTransaction(const RegistryTransaction&) = delete;
  RegistryTransaction& operator=(const RegistryTransaction&) = delete;

  // Opens, or makes, the key at path; the result is an error status where it fails.
  LSTATUS OpenKey(const Text& path);
  // Into the key last opened.
  LSTATUS SetValue(const std::wstring& name, DWORD type, const std::wstring& text);
  // Puts the key last opened on disk.
  LSTATUS FlushKey();
  // What has been written stays.
  void Commit();

 private:
  struct FormerValue {
    HKEY key;
    std::wstring name;
    bool existed;
    DWORD type;
    std::vector<BYTE> data;
  };

  void RollBack();

  SetRegistryValue set_value_;
  std::vector<UniqueKey> keys_;
  std::vector<FormerValue> undo_;
  // Keys that this write made, the outermost first, to be removed again on failure.
  std::vector<std::wstring> created_;
};

}  // namespace quillpad::win32
