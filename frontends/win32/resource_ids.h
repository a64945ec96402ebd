#pragma once

// Shared by quillpad.rc and the code that loads the resources.
#define QUILLPAD_ICON_MAIN 101
#define QUILLPAD_ICON_ABOUT 102
#define QUILLPAD_CURSOR_HAND 103
#define QUILLPAD_PICTURE_BANNER 104
