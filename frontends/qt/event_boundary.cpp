#include "frontends/qt/event_boundary.h"

#include <exception>

#include "core/errors.h"
#include "frontends/qt/message_box.h"

namespace quillpad::qt {

void EventBoundary::Run(const std::function<void()>& handler) const {
  if (desktop_.ended()) return;
  try {
    handler();
  } catch (const ProcessEnded&) {
    // The process is ending; the event loop is already leaving.
  } catch (const std::exception& error) {
    ShowMessage(QMessageBox::Critical, QString::fromUtf8(error.what()));
  }
}

}  // namespace quillpad::qt
