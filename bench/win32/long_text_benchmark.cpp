// How long the main window takes to come up with a long text in its multi-line box, and
// whether the text comes back whole. Run under Wine (or on Windows):
//   long_text_benchmark.exe [characters ...]
// For each length it fills the full description box of the real main window, shows the
// window and then the box's page, each time waiting until it has painted: with text that has no
// space or line break (a pasted data address), with ordinary words in one paragraph, and with lines
// of 99 characters.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "frontends/win32/form_window.h"
#include "frontends/win32/windows_api.h"
#include "main_window/form1_definition.h"

using namespace quillpad;

namespace {

Text Unbroken(std::size_t length) {
  const Text alphabet = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  Text text = u"data:image/png;base64,";
  while (text.size() < length) text += alphabet[text.size() % alphabet.size()];
  text.resize(length);
  return text;
}

Text Words(std::size_t length) {
  const Text words[] = {u"catalogue ", u"submission ", u"program ", u"author ", u"site "};
  Text text;
  for (std::size_t i = 0; text.size() < length; ++i) text += words[i % 5];
  text.resize(length);
  return text;
}

Text Lines(std::size_t length) {
  const Text line = Words(99) + u"\r\n";
  Text text;
  while (text.size() < length) text += line;
  text.resize(length);
  return text;
}

enum class Kind { kUnbroken, kWords, kLines };

Text Sample(Kind kind, std::size_t length) {
  switch (kind) {
    case Kind::kUnbroken:
      return Unbroken(length);
    case Kind::kWords:
      return Words(length);
    case Kind::kLines:
      return Lines(length);
  }
  return {};
}

const char* Name(Kind kind) {
  switch (kind) {
    case Kind::kUnbroken:
      return "unbroken";
    case Kind::kWords:
      return "words";
    case Kind::kLines:
      return "lines";
  }
  return "";
}

void PumpUntilIdle() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

struct Timings {
  double set = 0;       // the text put in the box while the window is hidden, as at start
  double shown = 0;     // the window shown on the author page and painted
  double page_two = 0;  // the program page, the box with it, shown and painted
  bool whole = false;   // the text read back as it was put in
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The full description box filled as the start fills it, then the window shown as a
// double-click on the icon shows it, then the page that holds the box.
Timings TimeToShow(const Text& text) {
  win32::FormWindow window(
      WindowLayout{kForm1Window, kForm1Controls, kForm1Menus, kForm1MenuItems});
  const ControlId box = Id(Form1Control::Text17);
  HWND hwnd = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window.Handle()));
  Timings timings;
  auto start = std::chrono::steady_clock::now();
  window.SetText(box, text);
  window.SetVisible(box, false);
  timings.set = SecondsSince(start);
  start = std::chrono::steady_clock::now();
  window.Show();
  UpdateWindow(hwnd);
  PumpUntilIdle();
  timings.shown = SecondsSince(start);
  start = std::chrono::steady_clock::now();
  window.SetVisible(box, true);
  UpdateWindow(hwnd);
  PumpUntilIdle();
  timings.page_two = SecondsSince(start);
  timings.whole = window.GetText(box) == text;
  return timings;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  SetProcessDPIAware();
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  std::vector<std::size_t> lengths;
  for (int i = 1; i < argc; ++i) lengths.push_back(std::wcstoul(argv[i], nullptr, 10));
  if (lengths.empty()) lengths = {1000, 10000, 30000, 100000};
  std::printf("%-10s %-10s %8s %8s %8s  %s\n", "characters", "text", "set", "shown", "page 2",
              "read back");
  for (const std::size_t length : lengths) {
    for (const Kind kind : {Kind::kUnbroken, Kind::kWords, Kind::kLines}) {
      const Timings timings = TimeToShow(Sample(kind, length));
      std::printf("%-10zu %-10s %8.3f %8.3f %8.3f  %s\n", length, Name(kind), timings.set,
                  timings.shown, timings.page_two, timings.whole ? "identical" : "CHANGED");
      std::fflush(stdout);
    }
  }
  return 0;
}
