#include "frontends/win32/registry_transaction.h"

#include "frontends/win32/win32_text.h"

namespace quillpad::win32 {
namespace {

// A key that is there but refuses to open counts as there: it is never removed.
bool KeyExists(const std::wstring& path) {
  HKEY opened = nullptr;
  const LSTATUS status =
      RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &opened);
  if (status == ERROR_SUCCESS) RegCloseKey(opened);
  return status != ERROR_FILE_NOT_FOUND;
}

// The outermost of the keys on path that are not there yet; empty when the key is there.
std::wstring OutermostMissing(const std::wstring& path) {
  for (std::size_t cut = path.find(L'\\');; cut = path.find(L'\\', cut + 1)) {
    const std::wstring outer = path.substr(0, cut);
    if (!KeyExists(outer)) return outer;
    if (cut == std::wstring::npos) return {};
  }
}

}  // namespace

LSTATUS SetValueInRegistry(HKEY key, const std::wstring& name, DWORD type, const BYTE* data,
                           DWORD size) {
  return RegSetValueExW(key, name.c_str(), 0, type, data, size);
}

RegistryTransaction::RegistryTransaction(SetRegistryValue set_value)
    : set_value_(std::move(set_value)) {}

RegistryTransaction::~RegistryTransaction() {
  RollBack();
}

LSTATUS RegistryTransaction::OpenKey(const Text& path) {
  const std::wstring wide = Wide(path);
  const std::wstring missing = OutermostMissing(wide);
  HKEY created = nullptr;
  const LSTATUS status =
      RegCreateKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, &created, nullptr);
  if (status != ERROR_SUCCESS) return status;
  if (!missing.empty()) created_.push_back(missing);
  keys_.emplace_back(created);
  return ERROR_SUCCESS;
}

LSTATUS RegistryTransaction::SetValue(const std::wstring& name, DWORD type,
                                      const std::wstring& text) {
  HKEY key = keys_.back().get();
  FormerValue former{key, name, false, REG_NONE, std::vector<BYTE>(256)};
  LSTATUS status;
  do {
    auto size = static_cast<DWORD>(former.data.size());
    status = RegQueryValueExW(key, name.c_str(), nullptr, &former.type, former.data.data(), &size);
    former.data.resize(size);
  } while (status == ERROR_MORE_DATA);
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) return status;
  former.existed = status == ERROR_SUCCESS;
  undo_.push_back(std::move(former));
  return set_value_(key, name, type, reinterpret_cast<const BYTE*>(text.c_str()),
                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

LSTATUS RegistryTransaction::FlushKey() {
  return RegFlushKey(keys_.back().get());
}

void RegistryTransaction::Commit() {
  undo_.clear();
  created_.clear();
}

void RegistryTransaction::RollBack() {
  for (auto former = undo_.rbegin(); former != undo_.rend(); ++former) {
    if (former->existed) {
      RegSetValueExW(former->key, former->name.c_str(), 0, former->type, former->data.data(),
                     static_cast<DWORD>(former->data.size()));
    } else {
      RegDeleteValueW(former->key, former->name.c_str());
    }
  }
  for (auto created = created_.rbegin(); created != created_.rend(); ++created) {
    RegDeleteTreeW(HKEY_CURRENT_USER, created->c_str());
  }
  undo_.clear();
  created_.clear();
}

}  // namespace quillpad::win32
