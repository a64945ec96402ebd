#pragma once

#include <QString>
#include <optional>

namespace quillpad::qt {

// Why the saved profile at path exists but cannot be read, in words for the user; nothing
// when it can be read or is not there yet (a first run). A FIFO or device in its place is
// not opened for reading, so that the start never waits on it.
std::optional<QString> WhyProfileCannotBeRead(const QString& path);

}  // namespace quillpad::qt
