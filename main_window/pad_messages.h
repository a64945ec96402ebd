#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/text.h"
#include "core/xml_reading.h"

namespace quillpad {

// What the user is told about a dropped PAD file, in the program's language.

Text PadSeveralFilesMessage();

// Why the file at `path` could not be read, or none when it was.
std::optional<Text> PadReadingMessage(const Text& path, const XmlReading& reading,
                                      std::uint64_t max_bytes);

Text PadWrongRootMessage(const Text& path);

Text PadNothingNewMessage();

// Asks before `count` boxes change; `replaced` names those whose text will be lost.
Text PadFillQuestion(std::size_t count, const std::vector<TextView>& replaced);

}  // namespace quillpad
