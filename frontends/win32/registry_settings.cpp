#include "frontends/win32/registry_settings.h"

#include <string>

#include "core/errors.h"
#include "frontends/win32/win32_text.h"
#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {
namespace {

std::string SystemReason(LSTATUS status) {
  wchar_t* text = nullptr;
  FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(status), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring reason = text != nullptr ? text : L"";
  LocalFree(text);
  while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' ||
                             reason.back() == L'.' || reason.back() == L' ')) {
    reason.pop_back();
  }
  if (reason.empty()) return "код ошибки " + std::to_string(status);
  return Utf8FromWide(reason);
}

[[noreturn]] void ThrowWriteFailure(const Text& path, LSTATUS status) {
  throw PlatformError("Не удалось записать профиль в реестр (раздел «HKEY_CURRENT_USER\\" +
                      Utf8FromWide(Wide(path)) + "»): " + SystemReason(status) + ".");
}

class OpenKey {
 public:
  explicit OpenKey(HKEY key) : key_(key) {}
  ~OpenKey() { RegCloseKey(key_); }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_;
};

}  // namespace

Text SettingsKeyPath(const Text& application, const Text& section) {
  return u"Software\\VB and VBA Program Settings\\" + application + u"\\" + section;
}

Text RegistrySettings::Read(const Text& application, const Text& section, const Text& key,
                            const Text& fallback) const {
  const std::wstring path = Wide(SettingsKeyPath(application, section));
  const std::wstring name = Wide(key);
  DWORD size = 0;
  LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ,
                                nullptr, nullptr, &size);
  if (status != ERROR_SUCCESS) return fallback;
  std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  status = RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                        value.data(), &size);
  if (status != ERROR_SUCCESS) return fallback;
  value.resize(wcsnlen(value.c_str(), value.size()));
  return FromWide(value);
}

void RegistrySettings::Write(const Text& application, const Text& section, const Text& key,
                             const Text& value) {
  staged_[application].emplace_back(section, key, value);
}

void RegistrySettings::Flush(const Text& application) {
  const auto staged = std::move(staged_[application]);
  staged_.erase(application);
  std::map<Text, std::vector<std::pair<Text, Text>>> by_section;
  for (const auto& [section, key, value] : staged) by_section[section].emplace_back(key, value);
  for (const auto& [section, values] : by_section) {
    const Text path = SettingsKeyPath(application, section);
    HKEY created = nullptr;
    LSTATUS status =
        RegCreateKeyExW(HKEY_CURRENT_USER, Wide(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &created, nullptr);
    if (status != ERROR_SUCCESS) ThrowWriteFailure(path, status);
    const OpenKey key(created);
    for (const auto& [name, value] : values) {
      const std::wstring data = Wide(value);
      status = RegSetValueExW(key.get(), Wide(name).c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(data.c_str()),
                              static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
      if (status != ERROR_SUCCESS) ThrowWriteFailure(path, status);
    }
    status = RegFlushKey(key.get());
    if (status != ERROR_SUCCESS) ThrowWriteFailure(path, status);
  }
}

}  // namespace quillpad::win32
