#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/desktop.h"
#include "core/errors.h"
#include "core/loaded_windows.h"
#include "fakes/recording_window.h"

namespace quillpad::testing {

inline std::string Narrow(const Text& text) {
  return std::string(text.begin(), text.end());
}

// The desktop as the handlers see it, with the settings store in memory and every request
// recorded in the shared log.
class RecordingDesktop : public Desktop {
 public:
  using SettingKey = std::tuple<Text, Text, Text>;

  explicit RecordingDesktop(std::vector<std::string>& log) : log_(log) {}

  void ClearClipboard() override {
    Record("ClearClipboard");
    if (fail_clipboard) throw PlatformError("the clipboard is held by another program");
    clipboard.reset();
  }
  void SetClipboardText(const Text& text) override {
    Record("SetClipboardText");
    if (fail_clipboard) throw PlatformError("the clipboard is held by another program");
    clipboard = text;
  }
  std::int32_t ShellOpen(NativeHandle owner, const Text& target) override {
    Record("ShellOpen " + std::to_string(owner) + " " + Narrow(target));
    opened.push_back(target);
    return 42;
  }
  bool KeepOnTop(NativeHandle window) override {
    Record("KeepOnTop " + std::to_string(window));
    return true;
  }
  bool TrayAvailable() override { return tray_available; }
  bool NotifyIcon(NotifyIconMessage message, const NarrowTrayRecord& record) override {
    Record(message == NotifyIconMessage::kAdd ? "NotifyIcon add" : "NotifyIcon delete");
    records.push_back(record);
    return message == NotifyIconMessage::kDelete || accept_icon;
  }
  float TwipsPerPixelX() override { return twips_per_pixel; }
  std::vector<ScreenRect> ScreenWorkAreas() override { return work_areas; }
  Text ExecutableBaseName() override {
    Record("ExecutableBaseName");
    return application;
  }
  char16_t DecimalSeparator() override { return decimal_separator; }
  Text ReadSetting(const Text& app, const Text& section, const Text& key,
                   const Text& fallback) override {
    Record("ReadSetting " + Narrow(app) + "/" + Narrow(section) + "/" + Narrow(key));
    const auto found = settings.find({app, section, key});
    return found == settings.end() ? fallback : found->second;
  }
  void WriteSetting(const Text& app, const Text& section, const Text& key,
                    const Text& value) override {
    Record("WriteSetting " + Narrow(app) + "/" + Narrow(section) + "/" + Narrow(key));
    staged[{app, section, key}] = value;
  }
  ProfileReadReport ReportProfileRead(const Text&) override { return read_report; }
  void FlushSettings(const Text& app) override {
    Record("FlushSettings " + Narrow(app));
    if (during_flush) during_flush();
    if (fail_flush) throw PlatformError("disk full");
    for (auto& [key, value] : staged) settings[key] = value;
    staged.clear();
  }
  MsgBoxResult MsgBox(const Text& prompt, MsgBoxStyle style) override {
    Record(style == MsgBoxStyle::kYesNoQuestion ? "MsgBox question" : "MsgBox exclamation");
    messages.push_back(prompt);
    return style == MsgBoxStyle::kYesNoQuestion ? answer : MsgBoxResult::kOk;
  }
  XmlReading ReadXmlFile(const Text& path, std::uint64_t max_bytes) override {
    Record("ReadXmlFile " + Narrow(path) + " " + std::to_string(max_bytes));
    const auto found = xml_files.find(path);
    return found == xml_files.end() ? XmlReading{} : found->second;
  }
  Window* FindLoadedWindow(std::string_view name) override { return windows.Find(name); }
  Window& LoadWindow(std::string_view name) override {
    Record("LoadWindow " + std::string(name));
    return windows.Load(name, [this](std::string_view made) {
      auto window = std::make_unique<RecordingWindow>(log_);
      RecordingWindow* loaded = window.get();
      windows.Add(std::string(made), std::move(window),
                  [this, made = std::string(made)] { Record("unloaded " + made); });
      return loaded;
    });
  }
  int LoadedWindowCount() override { return windows.Count(); }
  void UnloadWindow(int index) override {
    Record("UnloadWindow " + std::to_string(index));
    windows.Unload(index);
  }
  [[noreturn]] void EndProcess() override {
    Record("EndProcess");
    throw ProcessEnded{};
  }

  std::optional<Text> clipboard = u"old contents";
  bool fail_clipboard = false;
  std::vector<Text> opened;
  bool tray_available = true;
  bool accept_icon = true;
  bool fail_flush = false;
  // Runs inside every save, as events a desktop delivers while the save waits would.
  std::function<void()> during_flush;
  float twips_per_pixel = 15.0f;
  std::vector<ScreenRect> work_areas;
  char16_t decimal_separator = u'.';
  Text application = u"Quillpad";
  std::map<SettingKey, Text> settings;
  std::map<SettingKey, Text> staged;
  ProfileReadReport read_report;
  std::vector<NarrowTrayRecord> records;
  // What the user is shown, and how a question is answered.
  std::vector<Text> messages;
  MsgBoxResult answer = MsgBoxResult::kYes;
  // The files the XML reader reads, by path; any other reads as unreadable.
  std::map<Text, XmlReading> xml_files;
  // Windows the tests load by hand have no window of their own, only an unload handler.
  LoadedWindows<std::unique_ptr<RecordingWindow>> windows;

 private:
  void Record(std::string entry) { log_.push_back("desktop." + std::move(entry)); }

  std::vector<std::string>& log_;
};

}  // namespace quillpad::testing
