#include "frontends/qt/event_boundary.h"

#include <QMessageBox>

#include "core/handler_boundary.h"

namespace quillpad::qt {
namespace {

void Report(std::string_view what) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Quillpad"),
                  QString::fromUtf8(what.data(), static_cast<qsizetype>(what.size())),
                  QMessageBox::Ok);
  // The main window is pinned above the others; the message must not hide behind it.
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  box.exec();
}

}  // namespace

void EventBoundary::Run(const std::function<void()>& handler) const {
  RunHandler(desktop_.ended(), handler, Report);
}

}  // namespace quillpad::qt
