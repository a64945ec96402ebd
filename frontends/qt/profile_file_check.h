#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <optional>

#include "core/store_failure.h"

namespace quillpad::qt {

// Why the saved profile at path exists but cannot be read; nothing when it can be read or is
// not there yet (a first run). A FIFO or device in its place is not opened for reading, so
// that the start never waits on it.
std::optional<StoreFailure> WhyProfileCannotBeRead(const QString& path);

// The first thing on the way to path that exists but is not a folder, where a folder is
// needed; empty when there is none.
QString FileInPlaceOfFolder(const QString& path);

// The text a stored value stands for. A value that another program wrote with a bare comma
// reads as a list; it is still the one text the user typed.
QString StoredText(const QVariant& value);

// Whether a profile file reads back cleanly: writing every value that was read, as the text
// it was read as, gives the same lines in each section, in any order, blank lines aside.
// What the store writes always does; a file that does not may have lost something in the
// reading (a value cut at a ';', a section swallowed by an open quote or a trailing
// backslash, a line that is no entry, a key given twice), and saving over it would make
// the loss final.
bool ReadsBackCleanly(const QByteArray& contents);

}  // namespace quillpad::qt
