#pragma once

#include <stdexcept>
#include <string>

namespace quillpad {

// A desktop operation that failed: `what()` says what failed and why, in words the user
// can act on. Handlers let it pass; the front end reports it and the program goes on.
class PlatformError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Another program holds the clipboard, as long as the desktop lets the program wait for it.
class ClipboardHeld : public PlatformError {
 public:
  ClipboardHeld()
      : PlatformError(
            "Не удалось поместить текст в буфер обмена: его удерживает другая программа. "
            "Попробуйте ещё раз.") {}
};

// Thrown by Desktop::EndProcess so that nothing after the end of the process runs: it
// unwinds every handler up to the front end's event boundary, which then leaves. It is not
// a std::exception, so no error report ever catches it by mistake.
struct ProcessEnded {};

}  // namespace quillpad
