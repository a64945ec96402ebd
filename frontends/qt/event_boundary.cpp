#include "frontends/qt/event_boundary.h"

#include <QString>

#include "core/handler_boundary.h"
#include "frontends/qt/message_box.h"

namespace quillpad::qt {

void EventBoundary::Run(const std::function<void()>& handler) const {
  RunHandler(desktop_.ended(), handler, [](std::string_view what) {
    ShowMessage(QMessageBox::Critical,
                QString::fromUtf8(what.data(), static_cast<qsizetype>(what.size())));
  });
}

}  // namespace quillpad::qt
