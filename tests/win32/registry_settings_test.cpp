#include "frontends/win32/registry_settings.h"

#include <gtest/gtest.h>

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
    RegDeleteTreeW(HKEY_CURRENT_USER,
                   Wide(u"Software\\VB and VBA Program Settings\\" + kApplication).c_str());
  }

  Text Read(const Text& key) { return settings.Read(kApplication, u"Setting", key, u"(none)"); }

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

}  // namespace
}  // namespace quillpad::win32
