#include "frontends/win32/windows_api.h"
// windows.h first: the declarations below use its types.
#include <algorithm>
#include <string>
#include <string_view>

#include "frontends/win32/registry_profile_stamp.h"
#include "frontends/win32/unique_handle.h"
#include "frontends/win32/win32_text.h"

namespace quillpad::win32 {
namespace {

// Beside the profile's sections, so that it is never taken for one of them.
constexpr wchar_t kNoteValue[] = L"Quillpad kept profiles";

std::vector<std::wstring> SubkeyNames(HKEY key) {
  std::vector<std::wstring> names;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    auto length = static_cast<DWORD>(std::size(name));
    if (RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    names.emplace_back(name, length);
  }
  std::sort(names.begin(), names.end());
  return names;
}

void AddPiece(ProfileStamper& stamper, const void* bytes, std::size_t size) {
  const auto length = static_cast<std::uint64_t>(size);
  stamper.Add({reinterpret_cast<const char*>(&length), sizeof length});
  stamper.Add({static_cast<const char*>(bytes), size});
}

void AddSection(ProfileStamper& stamper, HKEY section) {
  struct Value {
    std::wstring name;
    DWORD type;
    std::vector<BYTE> data;
  };
  std::vector<Value> values;
  for (DWORD index = 0;; ++index) {
    wchar_t name[16384];
    auto length = static_cast<DWORD>(std::size(name));
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegEnumValueW(section, index, name, &length, nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS)
      break;
    Value value{std::wstring(name, length), type, std::vector<BYTE>(size)};
    if (RegQueryValueExW(section, value.name.c_str(), nullptr, &value.type, value.data.data(),
                         &size) == ERROR_SUCCESS)
      value.data.resize(size);
    values.push_back(std::move(value));
  }
  std::sort(values.begin(), values.end(),
            [](const Value& a, const Value& b) { return a.name < b.name; });
  for (const Value& value : values) {
    AddPiece(stamper, value.name.data(), value.name.size() * sizeof(wchar_t));
    AddPiece(stamper, &value.type, sizeof value.type);
    AddPiece(stamper, value.data.data(), value.data.size());
  }
}

// The note as it is in the open profile key; empty where there is none.
std::wstring NoteIn(HKEY key) {
  DWORD type = REG_NONE;
  DWORD size = 0;
  if (RegQueryValueExW(key, kNoteValue, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return {};
  std::wstring note(size / sizeof(wchar_t), L'\0');
  if (RegQueryValueExW(key, kNoteValue, nullptr, &type, reinterpret_cast<BYTE*>(note.data()),
                       &size) != ERROR_SUCCESS)
    return {};
  note.resize(wcsnlen(note.c_str(), note.size()));
  return note;
}

}  // namespace

ProfileStamp StampOfProfileKey(const Text& path) {
  HKEY opened = nullptr;
  const LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, Wide(path).c_str(), 0, KEY_READ, &opened);
  if (status == ERROR_FILE_NOT_FOUND) return {};
  if (status != ERROR_SUCCESS) return {true, 0};
  const UniqueKey profile(opened);
  ProfileStamper stamper;
  for (const std::wstring& name : SubkeyNames(profile.get())) {
    AddPiece(stamper, name.data(), name.size() * sizeof(wchar_t));
    HKEY section = nullptr;
    if (RegOpenKeyExW(profile.get(), name.c_str(), 0, KEY_READ, &section) != ERROR_SUCCESS) {
      stamper.Add("unreadable");
      continue;
    }
    const UniqueKey section_key(section);
    AddSection(stamper, section_key.get());
  }
  return stamper.Stamp();
}

LSTATUS CopyProfileKey(const Text& from, const Text& to) {
  HKEY source = nullptr;
  LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, Wide(from).c_str(), 0, KEY_READ, &source);
  if (status != ERROR_SUCCESS) return status;
  const UniqueKey source_key(source);
  HKEY target = nullptr;
  status = RegCreateKeyExW(HKEY_CURRENT_USER, Wide(to).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                           nullptr, &target, nullptr);
  if (status != ERROR_SUCCESS) return status;
  const UniqueKey target_key(target);
  status = RegCopyTreeW(source_key.get(), nullptr, target_key.get());
  if (status == ERROR_SUCCESS) status = RegFlushKey(target_key.get());
  return status;
}

std::vector<Text> TakeKeptPlaces(const Text& profile_key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, Wide(profile_key).c_str(), 0, KEY_READ | KEY_SET_VALUE,
                    &opened) != ERROR_SUCCESS)
    return {};
  const UniqueKey key(opened);
  const std::wstring note = NoteIn(key.get());
  if (note.empty()) return {};
  RegDeleteValueW(key.get(), kNoteValue);
  return KeptPlacesIn(FromWide(note));
}

void NoteKeptPlace(const Text& profile_key, const Text& place) {
  HKEY opened = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, Wide(profile_key).c_str(), 0, nullptr, 0,
                      KEY_READ | KEY_SET_VALUE, nullptr, &opened, nullptr) != ERROR_SUCCESS)
    return;
  const UniqueKey key(opened);
  const std::wstring note = Wide(NoteWithKeptPlace(FromWide(NoteIn(key.get())), place));
  RegSetValueExW(key.get(), kNoteValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(note.c_str()),
                 static_cast<DWORD>((note.size() + 1) * sizeof(wchar_t)));
}

}  // namespace quillpad::win32
