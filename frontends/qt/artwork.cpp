#include "frontends/qt/artwork.h"

#include "frontends/qt/qt_text.h"

namespace quillpad::qt {
namespace {

class ArtworkReader : public PictureReader {
 public:
  explicit ArtworkReader(std::string_view name)
      : PictureReader(QStringLiteral(":/quillpad/") + ToQString(name), Suffix(name)) {}

 private:
  static QByteArray Suffix(std::string_view name) {
    const std::string_view suffix = name.substr(name.rfind('.') + 1);
    return QByteArray(suffix.data(), static_cast<qsizetype>(suffix.size()));
  }
};

}  // namespace

PictureReader::PictureReader(const QString& path, const QByteArray& format)
    : QImageReader(path, format) {
  setAutoDetectImageFormat(false);
}

QIcon ArtworkIcon(std::string_view name) {
  QIcon icon;
  ArtworkReader reader(name);
  // An icon file holds one picture per size.
  do {
    const QImage image = reader.read();
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  } while (reader.jumpToNextImage());
  return icon;
}

QPixmap ArtworkPicture(std::string_view name) {
  if (name.empty()) return QPixmap();
  return QPixmap::fromImage(ArtworkReader(name).read());
}

}  // namespace quillpad::qt
