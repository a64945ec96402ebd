#include "frontends/qt/profile_file_stamp.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "frontends/qt/qt_text.h"

namespace quillpad::qt {
namespace {

constexpr qint64 kPiece = 64 * 1024;

QString NoteText(const QString& note_path) {
  QFile note(note_path);
  if (!note.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(note.readAll());
}

}  // namespace

ProfileStamp StampOfFile(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return {};
  // A pipe or a device in its place would hold the reader up for as long as nothing writes.
  QFile file(path);
  if (!info.isFile() || !file.open(QIODevice::ReadOnly)) return {true, 0};
  ProfileStamper stamper;
  while (true) {
    const QByteArray piece = file.read(kPiece);
    if (piece.isEmpty()) break;
    stamper.Add({piece.constData(), static_cast<std::size_t>(piece.size())});
  }
  return stamper.Stamp();
}

std::vector<Text> TakeKeptPlaces(const QString& note_path) {
  if (!QFile::exists(note_path)) return {};
  std::vector<Text> places = KeptPlacesIn(FromQString(NoteText(note_path)));
  QFile::remove(note_path);
  return places;
}

void NoteKeptPlace(const QString& note_path, const Text& place) {
  const Text note = NoteWithKeptPlace(FromQString(NoteText(note_path)), place);
  QSaveFile file(note_path);
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write(ToQString(note).toUtf8());
  file.commit();
}

}  // namespace quillpad::qt
