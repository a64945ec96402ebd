#pragma once

#include <QKeyEvent>

#include "core/keys.h"

namespace quillpad::qt {

// A key as the toolkit reports it, in the window's terms.
KeyChord ChordOf(const QKeyEvent& event);

}  // namespace quillpad::qt
