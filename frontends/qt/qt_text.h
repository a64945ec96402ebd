#pragma once

#include <QString>

#include "core/text.h"

namespace quillpad::qt {

inline QString ToQString(TextView text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline Text FromQString(const QString& text) {
  return text.toStdU16String();
}

inline QString ToQString(std::string_view latin) {
  return QString::fromUtf8(latin.data(), static_cast<qsizetype>(latin.size()));
}

}  // namespace quillpad::qt
