#include "frontends/win32/declared_encoding.h"

#include "frontends/win32/unique_handle.h"
#include "frontends/win32/windows_api.h"
#include "frontends/win32/xmllite_reader.h"
// clang-format off
#include <mlang.h>
// clang-format on

// mingw-w64 declares the interface but gives no identifier for it.
__CRT_UUID_DECL(IMultiLanguage2, 0xdccfc164, 0x2b38, 0x11d2, 0xb7, 0xec, 0x00, 0xc0, 0x4f, 0x8f,
                0x5d, 0x9a)

namespace quillpad::win32 {
namespace {

using UniqueString = UniqueHandle<BSTR, &SysFreeString>;

// COM for the length of a call, whatever the thread had before.
class ComScope {
 public:
  ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT result_;
};

bool IsXmlSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The encoding pseudo-attribute of a declaration, read by XmlLite from the pseudo-attributes
// set out as the attributes of an element.
std::optional<std::wstring> EncodingPseudoAttribute(std::string_view pseudo_attributes) {
  const std::string element = "<d" + std::string(pseudo_attributes) + "/>";
  HRESULT failure = S_OK;
  const UniqueObject<IXmlReader> reader = OpenXmlReader(element, failure);
  XmlNodeType node = XmlNodeType_None;
  if (!reader || reader->Read(&node) != S_OK || node != XmlNodeType_Element ||
      reader->MoveToAttributeByName(L"encoding", nullptr) != S_OK) {
    return std::nullopt;
  }
  const wchar_t* value = nullptr;
  UINT length = 0;
  if (FAILED(reader->GetValue(&value, &length))) return std::nullopt;
  return std::wstring(value, length);
}

// The system's code page for a character set's name, as MLang (the system's list of the
// names that documents use) gives it.
std::optional<UINT> CodePageNamed(const std::wstring& name) {
  const ComScope com;
  IMultiLanguage2* created = nullptr;
  if (FAILED(CoCreateInstance(CLSID_CMultiLanguage, nullptr, CLSCTX_INPROC_SERVER,
                              __uuidof(IMultiLanguage2), reinterpret_cast<void**>(&created)))) {
    return std::nullopt;
  }
  const UniqueObject<IMultiLanguage2> languages(created);
  const UniqueString charset(SysAllocString(name.c_str()));
  MIMECSETINFO info{};
  if (!charset || FAILED(languages->GetCharsetInfo(charset.get(), &info))) return std::nullopt;
  return info.uiInternetEncoding;
}

}  // namespace

std::optional<std::wstring> DecodeAsDeclared(std::string_view bytes) {
  constexpr std::string_view kOpening = "<?xml";
  if (!bytes.starts_with(kOpening) || bytes.size() == kOpening.size() ||
      !IsXmlSpace(bytes[kOpening.size()])) {
    return std::nullopt;
  }
  const std::size_t end = bytes.find("?>");
  if (end == std::string_view::npos) return std::nullopt;
  const auto name = EncodingPseudoAttribute(bytes.substr(kOpening.size(), end - kOpening.size()));
  const auto code_page = name ? CodePageNamed(*name) : std::nullopt;
  if (!code_page) return std::nullopt;
  const int length =
      MultiByteToWideChar(*code_page, 0, bytes.data(), int(bytes.size()), nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\xfeff');
  MultiByteToWideChar(*code_page, 0, bytes.data(), int(bytes.size()), text.data() + 1, length);
  // The declaration is plain ASCII in any code page that can carry it.
  const std::size_t declaration = end + 2;
  if (text.compare(1, kOpening.size(), L"<?xml") != 0 || text.size() <= declaration) {
    return std::nullopt;
  }
  for (std::size_t i = 1; i <= declaration; ++i) {
    if (text[i] != L'\r' && text[i] != L'\n') text[i] = L' ';
  }
  return text;
}

}  // namespace quillpad::win32
