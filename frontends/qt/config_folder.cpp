#include "frontends/qt/config_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QtGlobal>

namespace quillpad::qt {
namespace {

QString AccountHome() {
  const passwd* account = ::getpwuid(::getuid());
  if (account == nullptr || account->pw_dir == nullptr) return {};
  return QFile::decodeName(account->pw_dir);
}

}  // namespace

QString ConfigFolderFor(const QString& xdg_config_home, const QString& home,
                        const QString& account_home) {
  if (QDir::isAbsolutePath(xdg_config_home)) return QDir::cleanPath(xdg_config_home);
  const QString base = !home.isEmpty() ? home : account_home;
  if (base.isEmpty()) return QDir::cleanPath(QDir::rootPath() + QStringLiteral(".config"));
  return QDir::cleanPath(base + QStringLiteral("/.config"));
}

QString ConfigFolder() {
  const QString home = qEnvironmentVariable("HOME");
  return ConfigFolderFor(qEnvironmentVariable("XDG_CONFIG_HOME"), home,
                         home.isEmpty() ? AccountHome() : QString());
}

}  // namespace quillpad::qt
