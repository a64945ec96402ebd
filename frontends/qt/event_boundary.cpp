#include "frontends/qt/event_boundary.h"

#include <QString>
#include <QTimer>
#include <cstdio>

#include "core/handler_boundary.h"
#include "frontends/qt/message_box.h"

namespace quillpad::qt {
namespace {

QString ToMessage(std::string_view what) {
  return QString::fromUtf8(what.data(), static_cast<qsizetype>(what.size()));
}

}  // namespace

void EventBoundary::Run(const std::function<void()>& handler) const {
  RunHandler(desktop_.ended(), handler,
             [](std::string_view what) { ShowMessage(QMessageBox::Critical, ToMessage(what)); });
}

void EventBoundary::RunReportingLater(const std::function<void()>& handler) const {
  RunHandler(desktop_.ended(), handler, [](std::string_view what) {
    QTimer::singleShot(0, [text = ToMessage(what)] { ShowMessage(QMessageBox::Critical, text); });
  });
}

void EventBoundary::RunAtExit(const std::function<void()>& handler) const {
  RunHandler(desktop_.ended(), handler, [](std::string_view what) {
    std::fprintf(stderr, "Quillpad: %.*s\n", static_cast<int>(what.size()), what.data());
  });
}

}  // namespace quillpad::qt
