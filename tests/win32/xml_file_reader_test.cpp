#include "frontends/win32/xml_file_reader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "frontends/win32/win32_text.h"
#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {
namespace {

using Elements = std::vector<std::pair<Text, Text>>;
using Outcome = XmlReading::Outcome;

constexpr std::uint64_t kMaxBytes = 4 * 1024 * 1024;

std::string Encoded(UINT code_page, std::wstring_view text) {
  std::string bytes(text.size() * 4, '\0');
  bytes.resize(static_cast<std::size_t>(WideCharToMultiByte(code_page, 0, text.data(),
                                                            int(text.size()), bytes.data(),
                                                            int(bytes.size()), nullptr, nullptr)));
  return bytes;
}

std::string Utf16WithMark(std::wstring_view text, bool big_endian = false) {
  std::string bytes;
  for (const wchar_t unit : L'\xfeff' + std::wstring(text)) {
    const char low = static_cast<char>(unit & 0xff);
    const char high = static_cast<char>(unit >> 8);
    bytes.append({big_endian ? high : low, big_endian ? low : high});
  }
  return bytes;
}

Elements ElementsOf(const XmlReading& reading) {
  Elements elements;
  for (const XmlElement& element : reading.elements) {
    elements.emplace_back(element.path, element.text);
  }
  return elements;
}

class XmlFileReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("quillpad-xml-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::wstring Write(const std::wstring& name, const std::string& bytes) {
    const std::filesystem::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.wstring();
  }

  XmlReading Read(const std::string& bytes, std::uint64_t max_bytes = kMaxBytes) {
    return ReadXmlFromFile(Write(L"sample.xml", bytes), max_bytes);
  }

  std::filesystem::path folder_;
};

TEST_F(XmlFileReaderTest, EveryEncodingOfOlderAndNewerPadFilesReadsAlike) {
  const std::wstring russian = L"Пётр Жуков";
  const std::wstring western = L"Zoë Café";
  // As long as real files, whose text outgrows the first buffer of Wine's XmlLite.
  const std::wstring affiliates(6000, L'a');
  auto document = [&](std::wstring_view declaration, std::wstring_view name) {
    return std::wstring(declaration) + L"\r\n<XML_DIZ_INFO><Name>" + std::wstring(name) +
           L"</Name><Affiliates>" + affiliates + L"</Affiliates></XML_DIZ_INFO>\r\n";
  };
  const std::vector<std::tuple<const char*, std::string, std::wstring>> files = {
      {"UTF-8", Encoded(CP_UTF8, document(L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", russian)),
       russian},
      {"UTF-8 with its mark", "\xef\xbb\xbf" + Encoded(CP_UTF8, document(L"", russian)), russian},
      {"UTF-16 with its mark", Utf16WithMark(document(L"<?xml version=\"1.0\"?>", russian)),
       russian},
      {"big-endian UTF-16 with its mark",
       Utf16WithMark(document(L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>", russian), true),
       russian},
      {"windows-1251",
       Encoded(1251, document(L"<?xml version=\"1.0\" encoding=\"windows-1251\"?>", russian)),
       russian},
      {"ISO-8859-1",
       Encoded(28591, document(L"<?xml version='1.0' encoding='ISO-8859-1' ?>", western)), western},
  };
  for (const auto& [encoding, bytes, name] : files) {
    SCOPED_TRACE(encoding);
    const XmlReading reading = Read(bytes);
    EXPECT_EQ(reading.outcome, Outcome::kRead);
    EXPECT_EQ(ElementsOf(reading), (Elements{{u"XML_DIZ_INFO", u""},
                                             {u"XML_DIZ_INFO/Name", FromWide(name)},
                                             {u"XML_DIZ_INFO/Affiliates", FromWide(affiliates)}}));
  }
}

TEST_F(XmlFileReaderTest, ElementsComeInOrderWithTheCharacterDataDirectlyInsideThem) {
  const XmlReading reading = Read(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
      "<!-- written by a PAD editor -->\r\n"
      "<XML_DIZ_INFO version=\"3.11\">\r\n"
      "\t<Address_1></Address_1>\r\n"
      "\t<Address_2 />\r\n"
      "\t<Char_Desc_2000>  Line one\r\nline two &amp; &#1046;<![CDATA[ <raw> "
      "]]>end\t</Char_Desc_2000>\r\n"
      "\t<Outer>before<Inner>in</Inner>after</Outer>\r\n"
      "</XML_DIZ_INFO>\r\n");
  ASSERT_EQ(reading.outcome, Outcome::kRead);
  EXPECT_EQ(ElementsOf(reading),
            (Elements{
                {u"XML_DIZ_INFO", u"\n\t\n\t\n\t\n\t\n"},
                {u"XML_DIZ_INFO/Address_1", u""},
                {u"XML_DIZ_INFO/Address_2", u""},
                {u"XML_DIZ_INFO/Char_Desc_2000", u"  Line one\nline two & Ж <raw> end\t"},
                {u"XML_DIZ_INFO/Outer", u"beforeafter"},
                {u"XML_DIZ_INFO/Outer/Inner", u"in"},
            }));
}

TEST_F(XmlFileReaderTest, WhatIsNotXmlIsToldByLineAndColumnInAnyEncoding) {
  const std::wstring broken = L"\n<A>\n  <B>Ж</C>\n</A>";
  const XmlReading utf8 = Read(Encoded(CP_UTF8, L"<?xml version=\"1.0\"?>" + broken));
  EXPECT_EQ(utf8.outcome, Outcome::kNotXml);
  EXPECT_EQ(utf8.line, 3);
  EXPECT_GT(utf8.column, 1);
  EXPECT_FALSE(utf8.reason.empty());
  // Decoded by the system first, the file keeps its lines and columns.
  const XmlReading cp1251 =
      Read(Encoded(1251, L"<?xml version=\"1.0\"\n encoding=\"windows-1251\"?>" + broken));
  EXPECT_EQ(cp1251.outcome, Outcome::kNotXml);
  EXPECT_EQ(cp1251.line, utf8.line + 1);
  EXPECT_EQ(cp1251.column, utf8.column);

  for (const char* bytes : {"", "  \r\n", "<!-- nothing else -->", "<A/><B/>", "<A b=c/>"}) {
    SCOPED_TRACE(bytes);
    const XmlReading reading = Read(bytes);
    EXPECT_EQ(reading.outcome, Outcome::kNotXml);
    EXPECT_GE(reading.line, 1);
    EXPECT_GE(reading.column, 1);
    EXPECT_FALSE(reading.reason.empty());
    EXPECT_TRUE(reading.elements.empty());
  }
}

TEST_F(XmlFileReaderTest, ADocumentTypeIsRefusedWithNothingExpandedOrFetched) {
  const std::wstring secret = Write(L"secret.txt", "the secret");
  const std::string external_entity =
      "<!DOCTYPE A [<!ENTITY s SYSTEM \"" + Utf8FromWide(secret) + "\">]><A>&s;</A>";
  // A billion laughs: ten entities, each ten of the one before.
  std::string laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n<!ENTITY lol0 \"lol\">\n";
  for (int i = 1; i < 10; ++i) {
    const std::string before = std::to_string(i - 1);
    laughs.append("<!ENTITY lol").append(std::to_string(i)).append(" \"");
    for (int j = 0; j < 10; ++j) laughs.append("&lol").append(before).append(";");
    laughs.append("\">\n");
  }
  laughs += "]>\n<lolz>&lol9;</lolz>";
  const auto started = std::chrono::steady_clock::now();
  for (const std::string& bytes :
       {laughs, external_entity, std::string("<!DOCTYPE A SYSTEM \"a.dtd\"><A/>"),
        Encoded(1251,
                L"<?xml version=\"1.0\" encoding=\"windows-1251\"?>"
                L"<!DOCTYPE A [<!ENTITY e \"Ж\">]><A>&e;</A>")}) {
    SCOPED_TRACE(bytes);
    const XmlReading reading = Read(bytes);
    EXPECT_EQ(reading.outcome, Outcome::kDocumentType);
    EXPECT_TRUE(reading.elements.empty());
  }
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}

TEST_F(XmlFileReaderTest, ElementsNestedDeeperThanTheLimitAreRefusedWhole) {
  const auto nested = [](std::size_t depth) {
    std::string bytes = "<XML_DIZ_INFO>";
    for (std::size_t i = 1; i < depth; ++i) bytes += "<a>";
    bytes += "x";
    for (std::size_t i = 1; i < depth; ++i) bytes += "</a>";
    return bytes + "</XML_DIZ_INFO>";
  };
  const XmlReading deepest = Read(nested(kXmlDepthLimit));
  EXPECT_EQ(deepest.outcome, Outcome::kRead);
  EXPECT_EQ(deepest.elements.size(), kXmlDepthLimit);
  for (const std::size_t depth : {kXmlDepthLimit + 1, std::size_t{100000}}) {
    SCOPED_TRACE(depth);
    const XmlReading reading = Read(nested(depth));
    EXPECT_EQ(reading.outcome, Outcome::kTooDeep);
    EXPECT_TRUE(reading.elements.empty());
  }
}

TEST_F(XmlFileReaderTest, ASizeOverTheLimitIsRefusedBeforeAnythingIsRead) {
  EXPECT_EQ(Read(std::string(1001, '\x01'), 1000).outcome, Outcome::kTooLarge);
  const std::string exactly = "<A>" + std::string(993, 'x') + "</A>";
  EXPECT_EQ(Read(exactly, 1000).outcome, Outcome::kRead);
}

TEST_F(XmlFileReaderTest, FoldersAndFilesThatCannotBeOpenedAreToldApart) {
  EXPECT_EQ(ReadXmlFromFile(folder_.wstring(), kMaxBytes).outcome, Outcome::kFolder);

  const XmlReading missing = ReadXmlFromFile((folder_ / L"missing.xml").wstring(), kMaxBytes);
  EXPECT_EQ(missing.outcome, Outcome::kUnreadable);
  EXPECT_FALSE(missing.reason.empty());

  const std::wstring locked = Write(L"locked.xml", "<A/>");
  const HANDLE held = CreateFileW(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const XmlReading shut_out = ReadXmlFromFile(locked, kMaxBytes);
  CloseHandle(held);
  EXPECT_EQ(shut_out.outcome, Outcome::kUnreadable);
  EXPECT_NE(shut_out.reason, missing.reason);
}

}  // namespace
}  // namespace quillpad::win32
