#pragma once

#include <QString>
#include <cstdint>

#include "core/xml_reading.h"

namespace quillpad::qt {

// Reads a file as XML with the toolkit's stream reader, refusing a file larger than
// `max_bytes` before reading it and a document type declaration before acting on it.
XmlReading ReadXmlFile(const QString& path, std::uint64_t max_bytes);

}  // namespace quillpad::qt
