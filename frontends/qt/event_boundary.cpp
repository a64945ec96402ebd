#include "frontends/qt/event_boundary.h"

#include <QMessageBox>
#include <exception>

#include "core/errors.h"

namespace quillpad::qt {
namespace {

void Report(const char* what) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Quillpad"), QString::fromUtf8(what),
                  QMessageBox::Ok);
  // The main window is pinned above the others; the message must not hide behind it.
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  box.exec();
}

}  // namespace

void EventBoundary::Run(const std::function<void()>& handler) const {
  if (desktop_.ended()) return;
  try {
    handler();
  } catch (const ProcessEnded&) {
    // The process is ending; the event loop is already leaving.
  } catch (const std::exception& error) {
    Report(error.what());
  }
}

}  // namespace quillpad::qt
