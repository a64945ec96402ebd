#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillpad::win32 {

// The text of an XML file whose declaration names a code page, such as windows-1251 or
// ISO-8859-1, decoded by the system into UTF-16 with its byte order mark, and with the
// declaration blanked out (its line breaks kept) so that every line and column stays where
// it was; none when the file declares no encoding the system knows.
std::optional<std::wstring> DecodeAsDeclared(std::string_view bytes);

}  // namespace quillpad::win32
