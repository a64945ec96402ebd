#include "frontends/qt/shell_open.h"

#include <QProcess>

namespace quillpad::qt {
namespace {

constexpr std::int32_t kHandedOn = 42;
constexpr std::int32_t kFileNotFound = 2;
constexpr std::int32_t kNoAssociation = 31;

}  // namespace

std::int32_t OpenWithDesktopHandler(const QString& target) {
  if (target.isEmpty()) return kFileNotFound;
  // Started detached, so that a handler that takes its time never holds the window up.
  return QProcess::startDetached(QStringLiteral("xdg-open"), {target}) ? kHandedOn : kNoAssociation;
}

}  // namespace quillpad::qt
