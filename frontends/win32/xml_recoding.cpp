#include "frontends/win32/xml_recoding.h"

#include <utility>

#include "frontends/win32/ole_apartment.h"
#include "frontends/win32/unique_handle.h"
#include "frontends/win32/win32_text.h"
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

constexpr std::string_view kDeclarationStart = "<?xml";
constexpr std::string_view kDeclarationEnd = "?>";

template <typename Char>
bool IsXmlSpace(Char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Where a text's XML declaration ends, or 0 when it has none.
template <typename Char>
std::size_t DeclarationEnd(std::basic_string_view<Char> text) {
  const std::size_t start = kDeclarationStart.size();
  if (text.size() <= start || !IsXmlSpace(text[start])) return 0;
  for (std::size_t i = 0; i < start; ++i) {
    if (text[i] != static_cast<Char>(kDeclarationStart[i])) return 0;
  }
  for (std::size_t i = start; i + 1 < text.size(); ++i) {
    if (text[i] == Char('?') && text[i + 1] == Char('>')) return i + kDeclarationEnd.size();
  }
  return 0;
}

// The encoding pseudo-attribute of a declaration, read by XmlLite from the pseudo-attributes
// set out as the attributes of an element.
std::optional<std::wstring> DeclaredEncoding(std::string_view bytes) {
  const std::size_t end = DeclarationEnd(bytes);
  if (end == 0) return std::nullopt;
  const std::string element =
      "<d" +
      std::string(bytes.substr(kDeclarationStart.size(),
                               end - kDeclarationStart.size() - kDeclarationEnd.size())) +
      "/>";
  HRESULT failure = S_OK;
  const UniqueObject<IXmlReader> reader = OpenXmlReader(element, failure);
  XmlNodeType node = XmlNodeType_None;
  const wchar_t* value = nullptr;
  UINT length = 0;
  if (!reader || reader->Read(&node) != S_OK || node != XmlNodeType_Element ||
      reader->MoveToAttributeByName(L"encoding", nullptr) != S_OK ||
      FAILED(reader->GetValue(&value, &length))) {
    return std::nullopt;
  }
  return std::wstring(value, length);
}

// The system's code page for a character set's name, as MLang (the system's list of the
// names that documents use) gives it.
std::optional<UINT> CodePageNamed(const std::wstring& name) {
  EnterOleApartment();
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

std::wstring FromUtf16(std::string_view bytes, bool big_endian) {
  std::wstring text(bytes.size() / 2, L'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto high = static_cast<unsigned char>(bytes[2 * i]);
    auto low = static_cast<unsigned char>(bytes[2 * i + 1]);
    if (!big_endian) std::swap(high, low);
    text[i] = static_cast<wchar_t>(high << 8 | low);
  }
  return text;
}

std::optional<std::wstring> Decoded(std::string_view bytes, HRESULT failure) {
  // Wine's XmlLite loses the end of UTF-16 text that does not fit its first buffer, and
  // finds nothing at all in big-endian UTF-16.
  if (bytes.starts_with("\xff\xfe")) return FromUtf16(bytes.substr(2), false);
  if (bytes.starts_with("\xfe\xff")) return FromUtf16(bytes.substr(2), true);
  // Wine's XmlLite knows no code page, and Windows' needs MLang for most.
  if (failure != static_cast<HRESULT>(WC_E_ENCNAME) &&
      failure != static_cast<HRESULT>(MX_E_ENCODING)) {
    return std::nullopt;
  }
  const std::optional<std::wstring> name = DeclaredEncoding(bytes);
  const std::optional<UINT> code_page = name ? CodePageNamed(*name) : std::nullopt;
  if (!code_page) return std::nullopt;
  const int length =
      MultiByteToWideChar(*code_page, 0, bytes.data(), int(bytes.size()), nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(*code_page, 0, bytes.data(), int(bytes.size()), text.data(), length);
  return text;
}

}  // namespace

std::optional<std::string> RecodedAsUtf8(std::string_view bytes, HRESULT failure) {
  std::optional<std::wstring> text = Decoded(bytes, failure);
  if (!text) return std::nullopt;
  // Its encoding is no longer the one the declaration names, if any.
  const std::size_t declaration = DeclarationEnd(std::wstring_view(*text));
  for (std::size_t i = 0; i < declaration; ++i) {
    if ((*text)[i] != L'\r' && (*text)[i] != L'\n') (*text)[i] = L' ';
  }
  std::string recoded = "\xef\xbb\xbf";
  recoded += Utf8FromWide(*text);
  return recoded;
}

}  // namespace quillpad::win32
