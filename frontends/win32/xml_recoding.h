#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "frontends/win32/windows_api.h"

namespace quillpad::win32 {

// An XML file that XmlLite failed to read with `failure`, as UTF-8 for it to read again,
// when the failure may be the decoding's and not the file's: the file is marked as UTF-16
// (in either byte order), or XmlLite does not know the encoding that its declaration names
// but the system does (windows-1251, ISO-8859-1 and other code pages). The declaration is
// blanked out, its line breaks kept, so that every line and column stays where it was.
// None for any other file.
std::optional<std::string> RecodedAsUtf8(std::string_view bytes, HRESULT failure);

}  // namespace quillpad::win32
