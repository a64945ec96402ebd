#include "frontends/win32/registry_settings.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "core/errors.h"
#include "frontends/win32/win32_text.h"
#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {
namespace {

class RegistrySettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { Forget(); }
  void TearDown() override { Forget(); }

  void Forget() {
    RegDeleteTreeW(HKEY_CURRENT_USER, Wide(ProfileKeyPath(kApplication)).c_str());
    for (const Text& beside : ProfilesBeside()) {
      RegDeleteTreeW(HKEY_CURRENT_USER, Wide(ProfileKeyPath(beside)).c_str());
    }
  }

  // The application names of profiles saved beside the test's own.
  std::vector<Text> ProfilesBeside() {
    std::vector<Text> names;
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings", 0, KEY_READ,
                      &opened) != ERROR_SUCCESS) {
      return names;
    }
    const Text prefix = kApplication + u"-";
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
      auto length = static_cast<DWORD>(std::size(name));
      if (RegEnumKeyExW(opened, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
          ERROR_SUCCESS) {
        break;
      }
      const Text found = FromWide(std::wstring(name, length));
      if (found.starts_with(prefix)) names.push_back(found);
    }
    RegCloseKey(opened);
    return names;
  }

  // A store to which the key at `refused` (below HKEY_CURRENT_USER) is closed for reading.
  static RegistrySettings RefusingToRead(const Text& refused) {
    return RegistrySettings([refused](const Text& path, HKEY& opened) -> LSTATUS {
      if (path == refused) return ERROR_ACCESS_DENIED;
      return RegOpenKeyExW(HKEY_CURRENT_USER, Wide(path).c_str(), 0, KEY_READ, &opened);
    });
  }

  // Reads, changes and saves a profile through `store`, then checks that the profile as it
  // was is untouched and the run went into one dated key beside it.
  void ExpectSavedBeside(RegistrySettings& store) {
    EXPECT_EQ(store.Read(kApplication, u"Setting", u"name", u"(none)"), u"(none)");
    store.Write(kApplication, u"Setting", u"name", u"Bob");
    store.Flush(kApplication);

    const Stored kept = Get(L"name");
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(kept.data.data())), L"Anna");
    const std::vector<Text> beside = ProfilesBeside();
    ASSERT_EQ(beside.size(), 1U);
    EXPECT_EQ(beside[0].size(), kApplication.size() + std::size(u"-yyyyMMdd-HHmmss") - 1);
    EXPECT_EQ(RegistrySettings().Read(beside[0], u"Setting", u"name", u"(none)"), u"Bob");

    const std::string told = Utf8FromWide(Wide(ProfileReadNotice(store.Report(kApplication))));
    EXPECT_NE(told.find("не удалось прочитать из раздела реестра «HKEY_CURRENT_USER\\Software\\"
                        "VB and VBA Program Settings\\QuillpadRegistryTest»"),
              std::string::npos)
        << told;
    EXPECT_NE(told.find("нет прав на чтение"), std::string::npos) << told;
    EXPECT_NE(told.find("в новый раздел «HKEY_CURRENT_USER\\Software\\VB and VBA Program "
                        "Settings\\" +
                        Utf8FromWide(Wide(beside[0])) + "»"),
              std::string::npos)
        << told;
  }

  Text Read(const Text& key) { return settings.Read(kApplication, u"Setting", key, u"(none)"); }

  // A value put there by another tool.
  void Put(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kPath, name, type, data, size), ERROR_SUCCESS);
  }

  struct Stored {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
  };

  Stored Get(const wchar_t* name) {
    Stored stored;
    DWORD size = 0;
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, kPath, name, RRF_RT_ANY | RRF_NOEXPAND, &stored.type,
                           nullptr, &size),
              ERROR_SUCCESS);
    stored.data.resize(size);
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, kPath, name, RRF_RT_ANY | RRF_NOEXPAND, &stored.type,
                           stored.data.data(), &size),
              ERROR_SUCCESS);
    return stored;
  }

  // Reads every entry as the program does, writes them back unchanged and saves.
  void LoadAndSaveUnchanged(std::initializer_list<Text> keys) {
    std::vector<std::pair<Text, Text>> read;
    for (const Text& key : keys)
      read.emplace_back(key, settings.Read(kApplication, u"Setting", key, u""));
    for (const auto& [key, value] : read) settings.Write(kApplication, u"Setting", key, value);
    settings.Flush(kApplication);
  }

  static constexpr wchar_t kPath[] =
      L"Software\\VB and VBA Program Settings\\QuillpadRegistryTest\\Setting";

  const Text kApplication = u"QuillpadRegistryTest";
  RegistrySettings settings;
};

TEST_F(RegistrySettingsTest, AMissingValueReadsAsTheFallback) {
  EXPECT_EQ(Read(u"name"), u"(none)");
}

TEST_F(RegistrySettingsTest, WritesReachTheRegistryOnlyOnFlush) {
  settings.Write(kApplication, u"Setting", u"name", u"Anna");
  EXPECT_EQ(Read(u"name"), u"(none)");
  settings.Flush(kApplication);
  EXPECT_EQ(Read(u"name"), u"Anna");
}

TEST_F(RegistrySettingsTest, EveryCharacterComesBack) {
  const Text value = u"Ёлка «Ω» 𝄞\r\nвторая строка";
  settings.Write(kApplication, u"Setting", u"comments", value);
  settings.Write(kApplication, u"Setting", u"zip", u"");
  settings.Flush(kApplication);
  EXPECT_EQ(Read(u"comments"), value);
  EXPECT_EQ(Read(u"zip"), u"");
}

TEST_F(RegistrySettingsTest, TheValuesAreWhereEarlierToolsKeptThem) {
  settings.Write(kApplication, u"Setting", u"top", u"735");
  settings.Flush(kApplication);
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER,
                          L"Software\\VB and VBA Program Settings\\QuillpadRegistryTest\\Setting",
                          0, KEY_QUERY_VALUE, &key),
            ERROR_SUCCESS);
  DWORD type = 0;
  wchar_t data[16] = {};
  DWORD size = sizeof(data);
  EXPECT_EQ(RegQueryValueExW(key, L"top", nullptr, &type, reinterpret_cast<BYTE*>(data), &size),
            ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_STREQ(data, L"735");
}

TEST_F(RegistrySettingsTest, AFailedFlushSaysWhereAndWhy) {
  // Key names are limited to 255 characters, so this section cannot be made.
  const Text section(300, u's');
  settings.Write(kApplication, section, u"name", u"Anna");
  try {
    settings.Flush(kApplication);
    FAIL() << "the flush did not fail";
  } catch (const PlatformError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\"
                           "QuillpadRegistryTest\\sss"),
              std::string::npos)
        << message;
  }
}

TEST_F(RegistrySettingsTest, ASaveRefusedPartWayLeavesTheProfileAsItWas) {
  Put(L"name", REG_SZ, L"Anna", sizeof(L"Anna"));
  Put(L"city", REG_EXPAND_SZ, L"%HOME%", sizeof(L"%HOME%"));
  // The registry refuses the third value it is given.
  int calls = 0;
  RegistrySettings store(
      [](const Text& path, HKEY& opened) {
        return RegOpenKeyExW(HKEY_CURRENT_USER, Wide(path).c_str(), 0, KEY_READ, &opened);
      },
      [&calls](HKEY key, const std::wstring& name, DWORD type, const BYTE* data, DWORD size) {
        if (++calls == 3) return static_cast<LSTATUS>(ERROR_ACCESS_DENIED);
        return SetValueInRegistry(key, name, type, data, size);
      });
  for (const Text key : {u"name", u"city", u"zip", u"phone"})
    store.Write(kApplication, u"Setting", key, u"new " + key);
  store.Write(kApplication, u"Window", u"top", u"735");
  EXPECT_THROW(store.Flush(kApplication), PlatformError);

  EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(Get(L"name").data.data())), L"Anna");
  const Stored city = Get(L"city");
  EXPECT_EQ(city.type, static_cast<DWORD>(REG_EXPAND_SZ));
  EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(city.data.data())), L"%HOME%");
  DWORD size = 0;
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, kPath, L"zip", RRF_RT_ANY, nullptr, nullptr, &size),
            ERROR_FILE_NOT_FOUND);
  HKEY window = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, Wide(SettingsKeyPath(kApplication, u"Window")).c_str(),
                          0, KEY_READ, &window),
            ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistrySettingsTest, AFirstSaveRefusedPartWayLeavesNoProfileBehind) {
  RegistrySettings store(
      [](const Text& path, HKEY& opened) {
        return RegOpenKeyExW(HKEY_CURRENT_USER, Wide(path).c_str(), 0, KEY_READ, &opened);
      },
      [calls = 0](HKEY key, const std::wstring& name, DWORD type, const BYTE* data,
                  DWORD size) mutable {
        if (++calls == 2) return static_cast<LSTATUS>(ERROR_ACCESS_DENIED);
        return SetValueInRegistry(key, name, type, data, size);
      });
  store.Write(kApplication, u"Setting", u"name", u"Anna");
  store.Write(kApplication, u"Setting", u"city", u"Omsk");
  EXPECT_THROW(store.Flush(kApplication), PlatformError);
  HKEY profile = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, Wide(ProfileKeyPath(kApplication)).c_str(), 0,
                          KEY_READ, &profile),
            ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistrySettingsTest, ValuesThatAreNotTextAreToldAndKeptAsTheyWere) {
  const DWORD number = 42;
  const BYTE bytes[] = {1, 2, 0, 255};
  const wchar_t list[] = L"one\0two\0";
  Put(L"zip", REG_DWORD, &number, sizeof(number));
  Put(L"fax", REG_BINARY, bytes, sizeof(bytes));
  Put(L"phone", REG_MULTI_SZ, list, sizeof(list));
  Put(L"name", REG_SZ, L"Anna", sizeof(L"Anna"));

  for (const Text key : {u"zip", u"fax", u"phone"})
    EXPECT_EQ(settings.Read(kApplication, u"Setting", key, u""), u"");
  const std::vector<KeptValue> kept = settings.Report(kApplication).kept;
  ASSERT_EQ(kept.size(), 3u);
  EXPECT_EQ(kept[0].section, u"Setting");
  EXPECT_EQ(kept[0].key, u"zip");
  EXPECT_EQ(kept[0].fallback, u"");
  // The program leaves them unwritten; what it writes goes in beside them.
  LoadAndSaveUnchanged({u"name"});

  const Stored zip = Get(L"zip");
  EXPECT_EQ(zip.type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(zip.data, std::vector<BYTE>(reinterpret_cast<const BYTE*>(&number),
                                        reinterpret_cast<const BYTE*>(&number) + sizeof(number)));
  EXPECT_EQ(Get(L"fax").data, std::vector<BYTE>(std::begin(bytes), std::end(bytes)));
  EXPECT_EQ(Get(L"phone").type, static_cast<DWORD>(REG_MULTI_SZ));
  EXPECT_EQ(Read(u"name"), u"Anna");

  const std::string told = Utf8FromWide(Wide(ProfileReadNotice(settings.Report(kApplication))));
  EXPECT_NE(told.find("QuillpadRegistryTest\\Setting"), std::string::npos) << told;
  EXPECT_NE(told.find("«zip»: число (REG_DWORD)"), std::string::npos) << told;
  EXPECT_NE(told.find("«fax»: двоичные данные (REG_BINARY)"), std::string::npos) << told;
  EXPECT_NE(told.find("«phone»: список строк (REG_MULTI_SZ)"), std::string::npos) << told;
  EXPECT_EQ(told.find("«name»"), std::string::npos) << told;
}

TEST_F(RegistrySettingsTest, AValueThatIsNotTextTakesTheTextTheUserGaveItsEntry) {
  const DWORD number = 42;
  Put(L"zip", REG_DWORD, &number, sizeof(number));
  Put(L"top", REG_DWORD, &number, sizeof(number));
  EXPECT_EQ(settings.Read(kApplication, u"Setting", u"zip", u""), u"");
  EXPECT_EQ(settings.Read(kApplication, u"Setting", u"top", u"1020"), u"1020");
  settings.Write(kApplication, u"Setting", u"zip", u"101000");
  settings.Write(kApplication, u"Setting", u"top", u"735");
  settings.Flush(kApplication);
  EXPECT_EQ(Get(L"zip").type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(Read(u"zip"), u"101000");
  EXPECT_EQ(Read(u"top"), u"735");
  EXPECT_TRUE(settings.Report(kApplication).kept.empty());
}

TEST_F(RegistrySettingsTest, AnExpandableStringKeepsItsVariablesAndItsKind) {
  const wchar_t site[] = L"%USERPROFILE%\\site";
  Put(L"prgwww", REG_EXPAND_SZ, site, sizeof(site));
  Put(L"prgo", REG_EXPAND_SZ, site, sizeof(site));
  EXPECT_EQ(settings.Read(kApplication, u"Setting", u"prgwww", u""), u"%USERPROFILE%\\site");
  EXPECT_EQ(settings.Read(kApplication, u"Setting", u"prgo", u""), u"%USERPROFILE%\\site");
  settings.Write(kApplication, u"Setting", u"prgwww", u"%USERPROFILE%\\site");
  settings.Write(kApplication, u"Setting", u"prgo", u"%APPDATA%\\site");
  settings.Flush(kApplication);

  const Stored kept = Get(L"prgwww");
  EXPECT_EQ(kept.type, static_cast<DWORD>(REG_EXPAND_SZ));
  EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(kept.data.data())), site);
  const Stored edited = Get(L"prgo");
  EXPECT_EQ(edited.type, static_cast<DWORD>(REG_EXPAND_SZ));
  EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(edited.data.data())), L"%APPDATA%\\site");
  EXPECT_EQ(ProfileReadNotice(settings.Report(kApplication)), u"");
}

// Wine does not refuse by a key's permissions: the refusal is made where the store opens keys.
TEST_F(RegistrySettingsTest, AProfileKeyThatCannotBeReadIsToldAndNeverOverwritten) {
  Put(L"name", REG_SZ, L"Anna", sizeof(L"Anna"));
  RegistrySettings store = RefusingToRead(ProfileKeyPath(kApplication));
  ExpectSavedBeside(store);
}

TEST_F(RegistrySettingsTest, ASectionKeyThatCannotBeReadKeepsTheWholeProfileAsItIs) {
  Put(L"name", REG_SZ, L"Anna", sizeof(L"Anna"));
  RegistrySettings store = RefusingToRead(SettingsKeyPath(kApplication, u"Setting"));
  ExpectSavedBeside(store);
  EXPECT_NE(
      Utf8FromWide(Wide(ProfileReadNotice(store.Report(kApplication)))).find("раздел «Setting»"),
      std::string::npos);
}

TEST_F(RegistrySettingsTest, NothingIsToldWhenEveryValueIsText) {
  settings.Write(kApplication, u"Setting", u"name", u"Anna");
  settings.Flush(kApplication);
  EXPECT_EQ(Read(u"name"), u"Anna");
  EXPECT_EQ(Read(u"zip"), u"(none)");
  EXPECT_EQ(ProfileReadNotice(settings.Report(kApplication)), u"");
}

}  // namespace
}  // namespace quillpad::win32
