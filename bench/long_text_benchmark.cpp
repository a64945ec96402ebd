// The time the main window takes to come up with a long text in its comments box: from
// the text going in to the window drawn. A run without spaces (a pasted data address, a
// list of hashes) is what word wrap lays out slowly; a paragraph of words of the same size
// is the yardstick. The window must come up within a second whatever its boxes hold.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "frontends/qt/form_window.h"
#include "main_window/form1_definition.h"

namespace {

using namespace quillpad;

// The main window, made once the toolkit is up and gone before it goes.
qt::FormWindow* g_window = nullptr;

Text Unbroken(std::int64_t length) {
  return Text(static_cast<std::size_t>(length), u'Q');
}

Text Words(std::int64_t length) {
  Text text;
  while (static_cast<std::int64_t>(text.size()) < length) text += u"quill pad ";
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void ShowWith(benchmark::State& state, const Text& text) {
  qt::FormWindow& window = *g_window;
  const ControlId box = Id(Form1Control::Text16);
  for (auto _ : state) {
    state.PauseTiming();
    window.Hide();
    window.SetText(box, u"");
    QCoreApplication::processEvents();
    state.ResumeTiming();
    window.SetText(box, text);
    window.Show();
    QCoreApplication::processEvents();
  }
  state.SetLabel(std::to_string(text.size()) + " characters");
}

void BM_ShowUnbrokenRun(benchmark::State& state) {
  ShowWith(state, Unbroken(state.range(0)));
}
BENCHMARK(BM_ShowUnbrokenRun)
    ->Arg(100'000)
    ->Arg(300'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_ShowParagraphOfWords(benchmark::State& state) {
  ShowWith(state, Words(state.range(0)));
}
BENCHMARK(BM_ShowParagraphOfWords)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  qt::FormWindow window({kForm1Window, kForm1Controls, kForm1Menus, kForm1MenuItems}, 1);
  g_window = &window;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
