#include "frontends/win32/win32_desktop.h"

#include <string>

#include "core/errors.h"
#include "frontends/win32/clipboard.h"
#include "frontends/win32/native_handle.h"
#include "frontends/win32/notification_icon.h"
#include "frontends/win32/ole_apartment.h"
#include "frontends/win32/question_box.h"
#include "frontends/win32/screen.h"
#include "frontends/win32/win32_text.h"
#include "frontends/win32/windows_api.h"
#include "frontends/win32/xml_file_reader.h"

namespace quillpad::win32 {
namespace {

// Adds one monitor's work area, the screen less its taskbar, to the list in `found`.
BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(monitor, &info)) {
    const RECT& work = info.rcWork;
    reinterpret_cast<std::vector<ScreenRect>*>(found)->push_back(
        {ScreenTwips(work.left), ScreenTwips(work.top), ScreenTwips(work.right - work.left),
         ScreenTwips(work.bottom - work.top)});
  }
  return TRUE;
}

}  // namespace

FormWindow& Win32Desktop::AddLoadedWindow(std::unique_ptr<FormWindow> window,
                                          std::function<void()> unload) {
  FormWindow& added = *window;
  windows_.Add(std::string(added.name()), std::move(window), std::move(unload));
  return added;
}

int Win32Desktop::IndexOf(const FormWindow& window) const {
  return windows_.IndexWhere([&](const auto& loaded) { return loaded.get() == &window; });
}

bool Win32Desktop::TranslateKeys(MSG& message) const {
  for (int i = 0; i < windows_.Count(); ++i) {
    if (windows_.At(i)->TranslateKeys(message)) return true;
  }
  return false;
}

HWND Win32Desktop::ClipboardOwner() const {
  if (windows_.Count() == 0) {
    throw PlatformError("Буфер обмена недоступен: окно программы закрыто.");
  }
  return windows_.At(0)->hwnd();
}

void Win32Desktop::ClearClipboard() {
  win32::ClearClipboard(ClipboardOwner());
}

void Win32Desktop::SetClipboardText(const Text& text) {
  PutTextOnClipboard(ClipboardOwner(), text);
}

std::int32_t Win32Desktop::ShellOpen(NativeHandle owner, const Text& target) {
  const std::string narrow = AnsiFromWide(Wide(target));
  // The shell may hand the address to an extension of its own, which needs OLE.
  EnterOleApartment();
  HINSTANCE result = ShellExecuteA(owner == 0 ? nullptr : FromNative<HWND>(owner), "open",
                                   narrow.c_str(), "", "", SW_SHOWNORMAL);
  return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(result));
}

bool Win32Desktop::KeepOnTop(NativeHandle window) {
  constexpr UINT kFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;  // 19
  return SetWindowPos(FromNative<HWND>(window), HWND_TOPMOST, 0, 0, 0, 0, kFlags) != FALSE;
}

bool Win32Desktop::TrayAvailable() {
  return FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr;
}

bool Win32Desktop::NotifyIcon(NotifyIconMessage message, const NarrowTrayRecord& record) {
  return SendNotifyIcon(message, record);
}

float Win32Desktop::TwipsPerPixelX() {
  return ScreenTwipsPerPixel();
}

std::vector<ScreenRect> Win32Desktop::ScreenWorkAreas() {
  std::vector<ScreenRect> areas;
  EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
  return areas;
}

std::wstring Win32Desktop::ProgramName() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length = 0;
  while ((length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()))) == path.size()) {
    path.resize(path.size() * 2);
  }
  path.resize(length);
  const std::size_t folder_end = path.find_last_of(L"\\/");
  std::wstring name = folder_end == std::wstring::npos ? path : path.substr(folder_end + 1);
  const std::size_t extension = name.find_last_of(L'.');
  if (extension != std::wstring::npos) name.resize(extension);
  return name;
}

Text Win32Desktop::ExecutableBaseName() {
  return FromWide(ProgramName());
}

char16_t Win32Desktop::DecimalSeparator() {
  wchar_t separator[4] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) == 0) return u'.';
  return separator[0] == L'\0' ? u'.' : static_cast<char16_t>(separator[0]);
}

Text Win32Desktop::ReadSetting(const Text& application, const Text& section, const Text& key,
                               const Text& fallback) {
  return settings_.Read(application, section, key, fallback);
}

void Win32Desktop::WriteSetting(const Text& application, const Text& section, const Text& key,
                                const Text& value) {
  settings_.Write(application, section, key, value);
}

void Win32Desktop::FlushSettings(const Text& application) {
  settings_.Flush(application);
}

ProfileReadReport Win32Desktop::ReportProfileRead(const Text& application) {
  return settings_.Report(application);
}

MsgBoxResult Win32Desktop::MsgBox(const Text& prompt, MsgBoxStyle style) {
  UINT flags = style == MsgBoxStyle::kYesNoQuestion ? MB_YESNO | MB_ICONQUESTION
                                                    : MB_OK | MB_ICONEXCLAMATION;
  // Owned by the shown main window, the box stays above it however it is pinned; with no
  // window shown it is kept above every pinned window by itself.
  HWND owner = windows_.Count() > 0 ? windows_.At(0)->hwnd() : nullptr;
  if (owner != nullptr && !IsWindowVisible(owner)) owner = nullptr;
  if (owner == nullptr) flags |= MB_TOPMOST;
  flags |= MB_SETFOREGROUND;
  const int answer = style == MsgBoxStyle::kYesNoQuestion
                         ? AskInMessageBox(owner, Wide(prompt), flags)
                         : MessageBoxW(owner, Wide(prompt).c_str(), L"Quillpad", flags);
  switch (answer) {
    case IDYES:
      return MsgBoxResult::kYes;
    case IDNO:
      return MsgBoxResult::kNo;
    default:
      return MsgBoxResult::kOk;
  }
}

XmlReading Win32Desktop::ReadXmlFile(const Text& path, std::uint64_t max_bytes) {
  return ReadXmlFromFile(Wide(path), max_bytes);
}

Window* Win32Desktop::FindLoadedWindow(std::string_view name) {
  return windows_.Find(name);
}

Window& Win32Desktop::LoadWindow(std::string_view name) {
  return windows_.Load(name, factory_);
}

int Win32Desktop::LoadedWindowCount() {
  return windows_.Count();
}

void Win32Desktop::UnloadWindow(int index) {
  if (auto window = windows_.Unload(index)) {
    (*window)->Destroy();
    unloaded_.push_back(std::move(*window));
  }
}

void Win32Desktop::EndProcess() {
  ended_ = true;
  PostQuitMessage(0);
  throw ProcessEnded{};
}

}  // namespace quillpad::win32
