#include "frontends/qt/qt_desktop.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

#include "core/errors.h"
#include "core/twips.h"
#include "frontends/qt/message_box.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/shell_open.h"
#include "frontends/qt/xml_file_reader.h"

namespace quillpad::qt {
namespace {

QClipboard& Clipboard() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) throw PlatformError("Буфер обмена недоступен.");
  return *clipboard;
}

}  // namespace

QtDesktop::QtDesktop() {
  icons_.SetMenuOfOwner([this](NativeHandle owner) -> QMenu* {
    const int index =
        windows_.IndexWhere([&](FormWindow* loaded) { return loaded->Handle() == owner; });
    return index < 0 ? nullptr : windows_.At(index)->notification_icon_menu();
  });
}

void QtDesktop::AddLoadedWindow(FormWindow& window, std::function<void()> unload) {
  window.SetAfterShow([this] { RaisePinnedWindows(); });
  windows_.Add(window.objectName().toStdString(), &window, std::move(unload));
}

int QtDesktop::IndexOf(const FormWindow& window) const {
  return windows_.IndexWhere([&](const FormWindow* loaded) { return loaded == &window; });
}

void QtDesktop::RaisePinnedWindows() {
  for (int i = 0; i < windows_.Count(); ++i) {
    FormWindow* window = windows_.At(i);
    if (window->pinned() && window->isVisible()) window->raise();
  }
}

void QtDesktop::ClearClipboard() {
  Clipboard().clear();
}

void QtDesktop::SetClipboardText(const Text& text) {
  QClipboard& clipboard = Clipboard();
  clipboard.setText(ToQString(text));
  // Another program may refuse to give the clipboard up; the user must not paste old text
  // believing it is the field.
  if (clipboard.supportsSelection() && !clipboard.ownsClipboard()) throw ClipboardHeld();
}

std::int32_t QtDesktop::ShellOpen(NativeHandle, const Text& target) {
  return OpenWithDesktopHandler(ToQString(target));
}

bool QtDesktop::KeepOnTop(NativeHandle handle) {
  const int index =
      windows_.IndexWhere([&](FormWindow* loaded) { return loaded->Handle() == handle; });
  if (index < 0) return false;
  windows_.At(index)->SetPinnedOnTop();
  return true;
}

bool QtDesktop::TrayAvailable() {
  return NotificationIcons::Available();
}

bool QtDesktop::NotifyIcon(NotifyIconMessage message, const NarrowTrayRecord& record) {
  return icons_.Send(message, record);
}

float QtDesktop::TwipsPerPixelX() {
  return kTwipsPerDeviceIndependentPixel;
}

std::vector<ScreenRect> QtDesktop::ScreenWorkAreas() {
  std::vector<ScreenRect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->availableGeometry();
    constexpr float kTwips = kTwipsPerDeviceIndependentPixel;
    areas.push_back({static_cast<float>(area.x()) * kTwips, static_cast<float>(area.y()) * kTwips,
                     static_cast<float>(area.width()) * kTwips,
                     static_cast<float>(area.height()) * kTwips});
  }
  return areas;
}

QString QtDesktop::ProgramName() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

Text QtDesktop::ExecutableBaseName() {
  return FromQString(ProgramName());
}

char16_t QtDesktop::DecimalSeparator() {
  const QString separator = QLocale().decimalPoint();
  return separator.isEmpty() ? u'.' : separator.front().unicode();
}

Text QtDesktop::ReadSetting(const Text& application, const Text& section, const Text& key,
                            const Text& fallback) {
  return FromQString(settings_.Read(ToQString(application), ToQString(section), ToQString(key),
                                    ToQString(fallback)));
}

void QtDesktop::WriteSetting(const Text& application, const Text& section, const Text& key,
                             const Text& value) {
  settings_.Write(ToQString(application), ToQString(section), ToQString(key), ToQString(value));
}

void QtDesktop::FlushSettings(const Text& application) {
  settings_.Flush(ToQString(application));
}

ProfileReadReport QtDesktop::ReportProfileRead(const Text& application) {
  return settings_.Report(ToQString(application));
}

MsgBoxResult QtDesktop::MsgBox(const Text& prompt, MsgBoxStyle style) {
  if (style == MsgBoxStyle::kYesNoQuestion) {
    return AskYesNo(ToQString(prompt)) ? MsgBoxResult::kYes : MsgBoxResult::kNo;
  }
  ShowMessage(QMessageBox::Warning, ToQString(prompt));
  return MsgBoxResult::kOk;
}

XmlReading QtDesktop::ReadXmlFile(const Text& path, std::uint64_t max_bytes) {
  return qt::ReadXmlFile(ToQString(path), max_bytes);
}

Window* QtDesktop::FindLoadedWindow(std::string_view name) {
  return windows_.Find(name);
}

Window& QtDesktop::LoadWindow(std::string_view name) {
  return windows_.Load(name, factory_);
}

int QtDesktop::LoadedWindowCount() {
  return windows_.Count();
}

void QtDesktop::UnloadWindow(int index) {
  if (const auto window = windows_.Unload(index)) {
    (*window)->hide();
    (*window)->deleteLater();
  }
}

void QtDesktop::EndProcess() {
  ended_ = true;
  QCoreApplication::exit(0);
  throw ProcessEnded{};
}

}  // namespace quillpad::qt
