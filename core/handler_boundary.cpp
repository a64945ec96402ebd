#include "core/handler_boundary.h"

#include <exception>

#include "core/errors.h"

namespace quillpad {

void RunHandler(bool process_ended, const std::function<void()>& handler,
                const std::function<void(std::string_view what)>& report) {
  if (process_ended) return;
  try {
    handler();
  } catch (const ProcessEnded&) {
    // The process is ending; the event loop is already leaving.
  } catch (const std::exception& error) {
    report(error.what());
  } catch (...) {
    report("Внутренняя ошибка Quillpad: неизвестный сбой.");
  }
}

}  // namespace quillpad
