#pragma once

#include <QString>
#include <cstdint>

namespace quillpad::qt {

// Hands a web address or mailto: link to the desktop's handler (xdg-open) exactly as
// given, without waiting for it. Answers as the Windows shell does: above 32 when it was
// handed on, 2 for an empty target, 31 when there is no handler to run.
std::int32_t OpenWithDesktopHandler(const QString& target);

}  // namespace quillpad::qt
