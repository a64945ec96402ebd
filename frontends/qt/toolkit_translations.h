#pragma once

#include <QTranslator>
#include <memory>

namespace quillpad::qt {

// The toolkit's own texts (a box's context menu, standard buttons) in Russian, like the
// program's, whatever the system's language; in force while the translator lives. Where
// the translations are not installed the toolkit speaks its own English.
std::unique_ptr<QTranslator> LoadToolkitTranslations();

}  // namespace quillpad::qt
