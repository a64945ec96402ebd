// How long the main window takes to come up with a long text in its multi-line box, and
// whether the text comes back whole. Run under Wine (or on Windows):
//   long_text_benchmark.exe [characters ...]
// For each length it fills the comments box of the real main window, shows the window and
// waits until it has painted, once with text that has no space or line break (a pasted
// data address) and once with ordinary words in one paragraph.

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

void PumpUntilIdle() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Seconds from putting the text in the box to the shown window having painted.
double TimeToShow(const Text& text, bool& whole) {
  win32::FormWindow window(
      WindowLayout{kForm1Window, kForm1Controls, kForm1Menus, kForm1MenuItems});
  const ControlId box = Id(Form1Control::Text16);
  const auto start = std::chrono::steady_clock::now();
  window.SetText(box, text);
  window.Show();
  UpdateWindow(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window.Handle())));
  PumpUntilIdle();
  const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - start;
  whole = window.GetText(box) == text;
  return taken.count();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  SetProcessDPIAware();
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  std::vector<std::size_t> lengths;
  for (int i = 1; i < argc; ++i) lengths.push_back(std::wcstoul(argv[i], nullptr, 10));
  if (lengths.empty()) lengths = {1000, 10000, 30000, 100000};
  std::printf("%-10s %-10s %10s  %s\n", "characters", "text", "seconds", "read back");
  for (const std::size_t length : lengths) {
    for (const bool unbroken : {true, false}) {
      bool whole = false;
      const double seconds = TimeToShow(unbroken ? Unbroken(length) : Words(length), whole);
      std::printf("%-10zu %-10s %10.3f  %s\n", length, unbroken ? "unbroken" : "words", seconds,
                  whole ? "identical" : "CHANGED");
      std::fflush(stdout);
    }
  }
  return 0;
}
