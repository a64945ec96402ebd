// The time a "!" click spends inside the program: from the button's click signal, through the
// event boundary and the handler, to the text standing on the system clipboard. Run on a
// real X display (bench/run gives it one), as the clipboard there is what users paste from.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>

#include "frontends/qt/event_boundary.h"
#include "frontends/qt/form_window.h"
#include "frontends/qt/qt_desktop.h"
#include "main_window/form1.h"
#include "main_window/form1_events.h"

namespace {

using namespace quillpad;

constexpr char16_t kEmail[] = u"anna.quill-smith@example.org";

struct Program {
  qt::QtDesktop desktop;
  qt::EventBoundary boundary{desktop};
  qt::FormWindow window{{kForm1Window, kForm1Controls, kForm1Menus, kForm1MenuItems},
                        desktop.notification_icons().IconHandle(kForm1Window.icon)};
  Form1 form1{window, desktop};

  Program() {
    window.SetEvents(Form1Events(form1, desktop, boundary.Runner()).window);
    window.SetText(Id(Form1Control::Text12), kEmail);
  }
};

Program& TheProgram() {
  static Program program;
  return program;
}

// Between rounds the event loop answers what the X server sent, as it would between clicks.
void LetEventLoopRun(benchmark::State& state) {
  state.PauseTiming();
  QCoreApplication::processEvents();
  state.ResumeTiming();
}

void BM_CopyHandler(benchmark::State& state) {
  Program& program = TheProgram();
  const ControlId button = Id(Form1Control::Command12);
  for (auto _ : state) {
    program.form1.Control_Click(button);
    LetEventLoopRun(state);
  }
}
BENCHMARK(BM_CopyHandler);

void BM_CopyButtonClick(benchmark::State& state) {
  Program& program = TheProgram();
  auto* button = static_cast<QAbstractButton*>(program.window.Control(Id(Form1Control::Command12)));
  for (auto _ : state) {
    button->click();
    LetEventLoopRun(state);
  }
}
BENCHMARK(BM_CopyButtonClick);

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
