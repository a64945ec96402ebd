#pragma once

#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <string_view>

namespace quillpad::qt {

// Reads a picture in the format it is said to be in. Left to guess, the toolkit loads every
// image plugin it has, also for a format it reads itself, which start-up cannot afford.
class PictureReader : public QImageReader {
 public:
  PictureReader(const QString& path, const QByteArray& format);
};

// The program's own artwork, built into it, by file name; the format is the name's suffix.
QIcon ArtworkIcon(std::string_view name);
QPixmap ArtworkPicture(std::string_view name);

}  // namespace quillpad::qt
