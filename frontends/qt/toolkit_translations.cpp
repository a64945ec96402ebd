#include "frontends/qt/toolkit_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace quillpad::qt {

std::unique_ptr<QTranslator> LoadToolkitTranslations() {
  auto translator = std::make_unique<QTranslator>();
  if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator.get());
  }
  return translator;
}

}  // namespace quillpad::qt
