#include "frontends/win32/registry_settings.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

#include "core/errors.h"
#include "frontends/win32/registry_profile_stamp.h"
#include "frontends/win32/system_message.h"
#include "frontends/win32/unique_handle.h"
#include "frontends/win32/win32_text.h"
#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {
namespace {

constexpr TextView kUserHive = u"HKEY_CURRENT_USER\\";

Text SystemWords(LSTATUS status) {
  return FromWide(SystemMessage(static_cast<DWORD>(status)));
}

[[noreturn]] void ThrowWriteFailure(const Text& path, LSTATUS status) {
  throw ProfileSaveFailure(ProfileHolder::kRegistryKey, Text(kUserHive) + path,
                           {StoreProblem::kSystem, {}, {}, SystemWords(status)});
}

// What a value of a kind other than text holds.
std::pair<ValueProblem, Text> KindOf(DWORD type) {
  switch (type) {
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN:
      return {ValueProblem::kNumber, u"REG_DWORD"};
    case REG_QWORD:
      return {ValueProblem::kNumber, u"REG_QWORD"};
    case REG_BINARY:
      return {ValueProblem::kBinary, u"REG_BINARY"};
    case REG_MULTI_SZ:
      return {ValueProblem::kStringList, u"REG_MULTI_SZ"};
    default: {
      const std::string number = std::to_string(type);
      return {ValueProblem::kOtherKind, Text(number.begin(), number.end())};
    }
  }
}

LSTATUS OpenKeyForReading(const Text& path, HKEY& opened) {
  return RegOpenKeyExW(HKEY_CURRENT_USER, Wide(path).c_str(), 0, KEY_READ, &opened);
}

// Why a key could not be read, as the file store says the same refusal.
StoreFailure ReadFailure(LSTATUS status) {
  if (status == ERROR_ACCESS_DENIED) return {StoreProblem::kNoReadPermission};
  return {StoreProblem::kSystem, {}, {}, SystemWords(status)};
}

bool ProfileKeyExists(const Text& application) {
  HKEY opened = nullptr;
  const LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, Wide(ProfileKeyPath(application)).c_str(),
                                       0, KEY_QUERY_VALUE, &opened);
  if (status == ERROR_SUCCESS) RegCloseKey(opened);
  return status != ERROR_FILE_NOT_FOUND;
}

// A new application name, dated now, that no profile has yet: its key stands beside the
// application's own.
Text DatedApplication(const Text& application) {
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  return DatedProfileName(application,
                          {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond},
                          ProfileKeyExists);
}

}  // namespace

Text ProfileKeyPath(const Text& application) {
  return u"Software\\VB and VBA Program Settings\\" + application;
}

RegistrySettings::RegistrySettings() : RegistrySettings(OpenKeyForReading) {}

RegistrySettings::RegistrySettings(OpenForReading open_for_reading, SetRegistryValue set_value)
    : open_for_reading_(std::move(open_for_reading)), set_value_(std::move(set_value)) {}

// Reads one value whole, whatever its kind.
LSTATUS RegistrySettings::QueryValue(const Text& path, const Text& name, DWORD& type,
                                     std::vector<BYTE>& data) {
  HKEY opened = nullptr;
  LSTATUS status = open_for_reading_(path, opened);
  if (status != ERROR_SUCCESS) return status;
  const UniqueKey key(opened);
  const std::wstring value_name = Wide(name);
  data.resize(256);
  do {
    auto size = static_cast<DWORD>(data.size());
    status = RegQueryValueExW(key.get(), value_name.c_str(), nullptr, &type, data.data(), &size);
    data.resize(size);
  } while (status == ERROR_MORE_DATA);
  return status;
}

std::optional<StoreFailure> RegistrySettings::WhyProfileCannotBeRead(const Text& application) {
  HKEY opened = nullptr;
  LSTATUS status = open_for_reading_(ProfileKeyPath(application), opened);
  if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
  if (status != ERROR_SUCCESS) return ReadFailure(status);
  const UniqueKey key(opened);
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    auto length = static_cast<DWORD>(std::size(name));
    status = RegEnumKeyExW(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) return std::nullopt;
    if (status != ERROR_SUCCESS) return ReadFailure(status);
    const Text section = FromWide(std::wstring(name, length));
    HKEY section_key = nullptr;
    status = open_for_reading_(SettingsKeyPath(application, section), section_key);
    if (status == ERROR_SUCCESS) {
      RegCloseKey(section_key);
    } else if (status == ERROR_ACCESS_DENIED) {
      return StoreFailure{StoreProblem::kSectionNoReadPermission, section};
    } else if (status != ERROR_FILE_NOT_FOUND) {
      return StoreFailure{StoreProblem::kSectionUnopenable, section, {}, SystemWords(status)};
    }
  }
}

const ProfileReadOutcome& RegistrySettings::Check(const Text& application) {
  auto found = checked_.find(application);
  if (found == checked_.end()) {
    ProfileReadOutcome outcome{ProfileRead::kWhole,
                               ProfileHolder::kRegistryKey,
                               Text(kUserHive) + ProfileKeyPath(application),
                               {},
                               {}};
    if (auto reason = WhyProfileCannotBeRead(application)) {
      outcome.read = ProfileRead::kUnreadable;
      outcome.reason = std::move(*reason);
      outcome.beside = Text(kUserHive) + ProfileKeyPath(DatedApplication(application));
    }
    known_[application] =
        StampOfProfileKey(PlanProfileSave(outcome).target.substr(kUserHive.size()));
    kept_outside_changes_[application] = TakeKeptPlaces(ProfileKeyPath(application));
    found = checked_.emplace(application, std::move(outcome)).first;
  }
  return found->second;
}

Text SettingsKeyPath(const Text& application, const Text& section) {
  return ProfileKeyPath(application) + u"\\" + section;
}

Text RegistrySettings::Read(const Text& application, const Text& section, const Text& key,
                            const Text& fallback) {
  if (Check(application).read == ProfileRead::kUnreadable) return fallback;
  const Address address{application, section, key};
  std::vector<BYTE> data;
  DWORD type = REG_NONE;
  const LSTATUS status = QueryValue(SettingsKeyPath(application, section), key, type, data);
  if (status == ERROR_FILE_NOT_FOUND) return fallback;
  std::pair<ValueProblem, Text> problem;
  if (status != ERROR_SUCCESS) {
    problem = {ValueProblem::kUnreadable, SystemWords(status)};
  } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
    std::wstring text(data.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
    text.resize(wcsnlen(text.c_str(), text.size()));
    if (type == REG_EXPAND_SZ) expandable_.insert(address);
    return FromWide(text);
  } else {
    problem = KindOf(type);
  }
  if (FindUnreadable(address) == nullptr) {
    unreadable_.push_back({address, problem.first, problem.second, fallback});
  }
  return fallback;
}

void RegistrySettings::Write(const Text& application, const Text& section, const Text& key,
                             const Text& value) {
  staged_[application].emplace_back(section, key, value);
}

void RegistrySettings::Flush(const Text& application) {
  const auto staged = std::move(staged_[application]);
  staged_.erase(application);
  const ProfileReadOutcome& outcome = Check(application);
  const Text profile_key = PlanProfileSave(outcome).target.substr(kUserHive.size());
  const ProfileSavePlan plan = PlanProfileSave(
      outcome, known_[application], StampOfProfileKey(profile_key),
      [&] { return Text(kUserHive) + ProfileKeyPath(DatedApplication(application)); });
  if (plan.keeps_outside_change) {
    const Text copy = plan.copy_first_to.substr(kUserHive.size());
    if (const LSTATUS status = CopyProfileKey(profile_key, copy); status != ERROR_SUCCESS) {
      throw ProfileSaveFailure(
          ProfileHolder::kRegistryKey, Text(kUserHive) + profile_key,
          {StoreProblem::kCopyFailed, plan.copy_first_to, {}, SystemWords(status)});
    }
  }
  std::map<Text, std::vector<std::pair<Text, Text>>> by_section;
  for (const auto& [section, key, value] : staged) by_section[section].emplace_back(key, value);
  RegistryTransaction transaction(set_value_);
  for (const auto& [section, values] : by_section) {
    const Text path = profile_key + u"\\" + section;
    LSTATUS status = transaction.OpenKey(path);
    if (status != ERROR_SUCCESS) ThrowWriteFailure(path, status);
    for (const auto& [name, value] : values) {
      const DWORD type =
          expandable_.contains({application, section, name}) ? REG_EXPAND_SZ : REG_SZ;
      status = transaction.SetValue(Wide(name), type, Wide(value));
      if (status != ERROR_SUCCESS) ThrowWriteFailure(path, status);
    }
    status = transaction.FlushKey();
    if (status != ERROR_SUCCESS) ThrowWriteFailure(path, status);
  }
  transaction.Commit();
  known_[application] = StampOfProfileKey(profile_key);
  if (plan.keeps_outside_change) NoteKeptPlace(ProfileKeyPath(application), plan.copy_first_to);
  // A value written as text is one no more.
  std::erase_if(unreadable_, [&](const Unreadable& value) {
    const auto& [owner, section, key] = value.address;
    return owner == application &&
           std::any_of(staged.begin(), staged.end(), [&](const Staged& written) {
             return std::get<0>(written) == section && std::get<1>(written) == key;
           });
  });
}

const RegistrySettings::Unreadable* RegistrySettings::FindUnreadable(const Address& address) const {
  for (const Unreadable& value : unreadable_) {
    if (value.address == address) return &value;
  }
  return nullptr;
}

ProfileReadReport RegistrySettings::Report(const Text& application) {
  ProfileReadReport report{Check(application), {}, kept_outside_changes_[application]};
  for (const Unreadable& value : unreadable_) {
    const auto& [owner, section, key] = value.address;
    if (owner != application) continue;
    report.kept.push_back({Text(kUserHive) + SettingsKeyPath(owner, section), section, key,
                           value.problem, value.detail, value.fallback});
  }
  return report;
}

}  // namespace quillpad::win32
