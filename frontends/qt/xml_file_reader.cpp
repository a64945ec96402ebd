#include "frontends/qt/xml_file_reader.h"

#include <fcntl.h>

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <algorithm>
#include <cerrno>
#include <limits>
#include <vector>

#include "frontends/qt/qt_text.h"

namespace quillpad::qt {
namespace {

using Outcome = XmlReading::Outcome;

XmlReading Refusal(Outcome outcome, const QString& reason = {}) {
  XmlReading reading;
  reading.outcome = outcome;
  reading.reason = FromQString(reason);
  return reading;
}

// Opened without waiting, so that a named pipe given by mistake reads as what it holds now
// instead of blocking until some writer comes.
bool Open(QFile& file, const QString& path, QString& reason) {
  const int descriptor =
      ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) {
    reason = qt_error_string(errno);
    return false;
  }
  if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    reason = file.errorString();
    return false;
  }
  return true;
}

// The stream reader is given the bytes, not text: it follows a byte order mark and the
// encoding the declaration names itself, the latter through the toolkit's converters, which
// know windows-1251 and the other legacy code pages from ICU.
XmlReading Parse(const QByteArray& bytes) {
  QXmlStreamReader reader(bytes);
  // The declaration's parameter entities are expanded while it is read, before the reader
  // reports it: with no growth allowed, a reference to one is a fault at once, and a file
  // repeating it cannot keep the reader busy for long.
  reader.setEntityExpansionLimit(0);
  // Element names are taken as written: a prefix nobody declared does not spoil the file.
  reader.setNamespaceProcessing(false);
  XmlReading reading;
  reading.outcome = Outcome::kRead;
  std::vector<std::size_t> open_elements;
  while (!reader.atEnd()) {
    switch (reader.readNext()) {
      case QXmlStreamReader::DTD:
        // Reported once the declaration has been read and before any content: its general
        // entities are stored, none expanded, and nothing it names outside the file is fetched.
        return Refusal(Outcome::kDocumentType);
      case QXmlStreamReader::StartElement: {
        if (open_elements.size() >= kXmlDepthLimit) return Refusal(Outcome::kTooDeep);
        Text path =
            open_elements.empty() ? Text{} : reading.elements[open_elements.back()].path + u'/';
        path += FromQString(reader.qualifiedName().toString());
        open_elements.push_back(reading.elements.size());
        reading.elements.push_back({std::move(path), {}});
        break;
      }
      case QXmlStreamReader::EndElement:
        open_elements.pop_back();
        break;
      case QXmlStreamReader::Characters:
        if (!open_elements.empty()) {
          reading.elements[open_elements.back()].text += FromQString(reader.text().toString());
        }
        break;
      default:
        break;
    }
  }
  if (reader.hasError()) {
    XmlReading refusal = Refusal(Outcome::kNotXml, reader.errorString());
    refusal.line = reader.lineNumber();
    // The toolkit counts the characters read on the line; the last one read, where the fault
    // showed, is at that column counted from 1.
    refusal.column = std::max<qint64>(1, reader.columnNumber());
    return refusal;
  }
  return reading;
}

}  // namespace

XmlReading ReadXmlFile(const QString& path, std::uint64_t max_bytes) {
  if (QFileInfo(path).isDir()) return Refusal(Outcome::kFolder);
  QFile file;
  if (QString reason; !Open(file, path, reason)) return Refusal(Outcome::kUnreadable, reason);
  const auto limit = static_cast<qint64>(
      std::min<std::uint64_t>(max_bytes, std::numeric_limits<qint64>::max() - 1));
  if (file.size() > limit) return Refusal(Outcome::kTooLarge);
  // A device tells no size; it is read no further than the limit allows.
  const QByteArray bytes = file.read(limit + 1);
  if (file.error() != QFileDevice::NoError) {
    return Refusal(Outcome::kUnreadable, file.errorString());
  }
  if (bytes.size() > limit) return Refusal(Outcome::kTooLarge);
  return Parse(bytes);
}

}  // namespace quillpad::qt
