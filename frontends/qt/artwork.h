#pragma once

#include <QIcon>
#include <QPixmap>
#include <string_view>

namespace quillpad::qt {

// The program's own artwork, built into it, by file name.
QIcon ArtworkIcon(std::string_view name);
QPixmap ArtworkPicture(std::string_view name);

}  // namespace quillpad::qt
