#pragma once

namespace quillpad::win32 {

// Puts the program's thread in OLE's apartment the first time something needs it (a picture,
// a screen reader's question, a site opened through the shell, a character set's name) and
// keeps it there until the program ends: a run spent in the notification area never loads
// OLE.
void EnterOleApartment();

}  // namespace quillpad::win32
