#include "frontends/qt/artwork.h"

#include "frontends/qt/qt_text.h"

namespace quillpad::qt {
namespace {

QString ArtworkPath(std::string_view name) {
  return QStringLiteral(":/quillpad/") + ToQString(name);
}

}  // namespace

QIcon ArtworkIcon(std::string_view name) {
  return QIcon(ArtworkPath(name));
}

QPixmap ArtworkPicture(std::string_view name) {
  return name.empty() ? QPixmap() : QPixmap(ArtworkPath(name));
}

}  // namespace quillpad::qt
