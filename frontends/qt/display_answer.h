#pragma once

#include "core/display_platform.h"

namespace quillpad::qt {

// Tries each display the session names, before the toolkit does: the toolkit aborts the
// process where none answers. A Wayland compositor answers when its socket takes a
// connection.
DisplaysAnswering DisplaysAnswer(const SessionDisplays& session);

}  // namespace quillpad::qt
