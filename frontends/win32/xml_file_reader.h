#pragma once

#include <cstdint>
#include <string>

#include "core/xml_reading.h"

namespace quillpad::win32 {

// Reads the file at `path` as XML with the system's XmlLite, refusing it unread when it is
// larger than `max_bytes`.
XmlReading ReadXmlFromFile(const std::wstring& path, std::uint64_t max_bytes);

}  // namespace quillpad::win32
