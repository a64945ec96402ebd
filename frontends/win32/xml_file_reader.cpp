#include "frontends/win32/xml_file_reader.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frontends/win32/system_message.h"
#include "frontends/win32/unique_handle.h"
#include "frontends/win32/win32_text.h"
#include "frontends/win32/windows_api.h"
#include "frontends/win32/xml_recoding.h"
#include "frontends/win32/xmllite_reader.h"

namespace quillpad::win32 {
namespace {

using UniqueFile = UniqueHandle<HANDLE, &CloseHandle>;

XmlReading Outcome(XmlReading::Outcome outcome, std::wstring_view reason = {}) {
  XmlReading reading;
  reading.outcome = outcome;
  reading.reason = FromWide(reason);
  return reading;
}

XmlReading Unreadable(DWORD error) {
  return Outcome(XmlReading::Outcome::kUnreadable, SystemMessage(error) + L".");
}

XmlReading NotXml(IXmlReader& reader, HRESULT error) {
  XmlReading reading = Outcome(XmlReading::Outcome::kNotXml, XmlLiteErrorText(error));
  UINT line = 0;
  UINT column = 0;
  reader.GetLineNumber(&line);
  reader.GetLinePosition(&column);
  // An empty file fails before its first line.
  reading.line = std::max<UINT>(line, 1);
  reading.column = std::max<UINT>(column, 1);
  return reading;
}

// The text one of XmlLite's getters gives for the node the reader stands on.
template <typename Getter>
Text NodeText(Getter get) {
  const wchar_t* text = nullptr;
  UINT length = 0;
  if (FAILED(get(&text, &length)) || text == nullptr) return {};
  return FromWide(std::wstring_view(text, length));
}

constexpr HRESULT Code(XmlError error) {
  return static_cast<HRESULT>(error);
}

// Every element with the character data directly inside it; `failure` is XmlLite's error
// when the bytes are not a document it reads.
XmlReading ReadElements(std::string_view bytes, HRESULT& failure) {
  const UniqueObject<IXmlReader> reader = OpenXmlReader(bytes, failure);
  if (!reader) return Unreadable(static_cast<DWORD>(failure));
  XmlReading reading = Outcome(XmlReading::Outcome::kRead);
  std::vector<std::size_t> open;  // the elements around the reader, by index
  XmlNodeType node = XmlNodeType_None;
  while ((failure = reader->Read(&node)) == S_OK) {
    switch (node) {
      case XmlNodeType_Element: {
        if (open.size() >= kXmlDepthLimit) return Outcome(XmlReading::Outcome::kTooDeep);
        const Text name = NodeText(
            [&](auto text, auto length) { return reader->GetQualifiedName(text, length); });
        reading.elements.push_back(
            {open.empty() ? name : reading.elements[open.back()].path + u"/" + name, {}});
        if (!reader->IsEmptyElement()) open.push_back(reading.elements.size() - 1);
        break;
      }
      case XmlNodeType_EndElement:
        open.pop_back();
        break;
      case XmlNodeType_Text:
      case XmlNodeType_CDATA:
      case XmlNodeType_Whitespace:
        if (!open.empty()) {
          reading.elements[open.back()].text +=
              NodeText([&](auto text, auto length) { return reader->GetValue(text, length); });
        }
        break;
      default:
        break;
    }
  }
  if (failure == Code(WC_E_DTDPROHIBITED)) return Outcome(XmlReading::Outcome::kDocumentType);
  if (FAILED(failure)) return NotXml(*reader, failure);
  if (reading.elements.empty()) {
    failure = Code(WC_E_ROOTELEMENT);
    return NotXml(*reader, failure);
  }
  failure = S_OK;
  return reading;
}

XmlReading ReadXml(std::string_view bytes) {
  HRESULT failure = S_OK;
  XmlReading reading = ReadElements(bytes, failure);
  // A refusal of what the file holds stands in any encoding.
  if (SUCCEEDED(failure) || reading.outcome == XmlReading::Outcome::kDocumentType ||
      reading.outcome == XmlReading::Outcome::kTooDeep) {
    return reading;
  }
  if (const std::optional<std::string> recoded = RecodedAsUtf8(bytes, failure)) {
    return ReadElements(*recoded, failure);
  }
  return reading;
}

}  // namespace

XmlReading ReadXmlFromFile(const std::wstring& path, std::uint64_t max_bytes) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return Outcome(XmlReading::Outcome::kFolder);
  }
  const HANDLE opened = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return Unreadable(GetLastError());
  const UniqueFile file(opened);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return Unreadable(GetLastError());
  if (static_cast<std::uint64_t>(size.QuadPart) > max_bytes) {
    return Outcome(XmlReading::Outcome::kTooLarge);
  }
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data() + filled, DWORD(bytes.size() - filled), &read,
                  nullptr)) {
      return Unreadable(GetLastError());
    }
    if (read == 0) break;
    filled += read;
  }
  bytes.resize(filled);
  return ReadXml(bytes);
}

}  // namespace quillpad::win32
