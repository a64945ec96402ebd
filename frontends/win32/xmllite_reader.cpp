#include "frontends/win32/xmllite_reader.h"

#include <cstdio>
#include <iterator>

// clang-format off
#include <shlwapi.h>
// clang-format on

namespace quillpad::win32 {

UniqueObject<IXmlReader> OpenXmlReader(std::string_view bytes, HRESULT& failure) {
  const UniqueObject<IStream> stream(
      SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes.data()), UINT(bytes.size())));
  if (!stream) {
    failure = E_OUTOFMEMORY;
    return nullptr;
  }
  IXmlReader* created = nullptr;
  failure = CreateXmlReader(__uuidof(IXmlReader), reinterpret_cast<void**>(&created), nullptr);
  UniqueObject<IXmlReader> reader(created);
  if (SUCCEEDED(failure)) {
    failure = reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit);
  }
  if (SUCCEEDED(failure)) failure = reader->SetProperty(XmlReaderProperty_XmlResolver, 0);
  if (SUCCEEDED(failure)) {
    // A second guard should a declaration ever get through; Wine's reader lacks the
    // property, which only the declaration's refusal then stands for.
    reader->SetProperty(XmlReaderProperty_MaxEntityExpansion, 1);
    failure = reader->SetInput(stream.get());
  }
  if (FAILED(failure)) return nullptr;
  return reader;
}

std::wstring XmlLiteErrorText(HRESULT error) {
  switch (static_cast<XmlError>(error)) {
    case MX_E_INPUTEND:
      return L"Файл обрывается на середине.";
    case MX_E_ENCODING:
    case WC_E_ENCNAME:
      return L"Кодировка файла не поддерживается.";
    case WC_E_ELEMENTMATCH:
      return L"Закрывающий тег не совпадает с открывающим.";
    case WC_E_ROOTELEMENT:
      return L"В файле нет корневого элемента.";
    case WC_E_MOREDATA:
      return L"После корневого элемента есть что-то ещё.";
    case WC_E_GREATERTHAN:
      return L"Ожидался знак «>».";
    case WC_E_LESSTHAN:
      return L"Ожидался знак «<».";
    case WC_E_EQUAL:
      return L"Ожидался знак «=».";
    case WC_E_SEMICOLON:
      return L"Ожидался знак «;» (знак «&» пишется как «&amp;»).";
    case WC_E_QUOTE:
      return L"Ожидалась кавычка.";
    case WC_E_NAME:
    case WC_E_NAMECHARACTER:
      return L"Недопустимое имя.";
    case WC_E_XMLCHARACTER:
      return L"Недопустимый символ.";
    case WC_E_UNIQUEATTRIBUTE:
      return L"Атрибут повторяется.";
    case WC_E_UNDECLAREDENTITY:
      return L"Ссылка на необъявленную сущность.";
    default:
      break;
  }
  wchar_t code[16];
  std::swprintf(code, std::size(code), L"%08lX", static_cast<unsigned long>(error));
  return L"Ошибка разбора XML 0x" + std::wstring(code) + L".";
}

}  // namespace quillpad::win32
