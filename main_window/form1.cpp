#include "main_window/form1.h"

#include <array>

#include "about/form2.h"
#include "catalogue/catalogue_list.h"
#include "core/life_cycle.h"
#include "core/profile_store.h"
#include "main_window/copy_buttons.h"
#include "main_window/pad_fill.h"
#include "main_window/pages.h"

namespace quillpad {
namespace {

// What startup hides of the program's details, in this order, so that the window first
// shows the author's; the program's text boxes are created hidden.
constexpr std::array kHiddenAtStartup = {
    Form1Control::Combo1,  Form1Control::Command18, Form1Control::Command19, Form1Control::Text15,
    Form1Control::Text17,  Form1Control::Label16,   Form1Control::Label17,   Form1Control::Label18,
    Form1Control::Label19, Form1Control::Label20,   Form1Control::Label21,   Form1Control::Label22,
    Form1Control::Label23, Form1Control::Label24,   Form1Control::Command20,
};

}  // namespace

Form1::Form1(Window& window, Desktop& desktop)
    : window_(window, desktop),
      desktop_(desktop),
      tray_icon_(window_, desktop, IdOf<MenuId>(Form1Menu::pop)),
      run_end_(window_, desktop, kForm1FieldBoxes) {}

void Form1::Form_Load() {
  desktop_.KeepOnTop(window_.Handle());
  window_.Hide();
  const bool in_tray = tray_icon_.Add();
  LoadProfile(window_, desktop_, kForm1FieldBoxes);
  FillCatalogueList(window_, Id(Form1Control::Combo1));
  for (Form1Control control : kHiddenAtStartup) window_.SetVisible(Id(control), false);
  if (!in_tray) window_.Show();
  // Told once the program is reachable, in the notification area or on the screen.
  TellHowProfileRead(desktop_);
}

void Form1::Form_Unload() {
  run_end_.SaveAndExit();
}

void Form1::Run_Ended() {
  run_end_.Ended();
}

void Form1::Session_SaveRequested() {
  run_end_.SaveNow();
}

void Form1::Form_OLEDragDrop(const std::vector<Text>& paths) {
  FillFromPadFile(window_, desktop_, paths);
}

void Form1::Form_MouseMove(std::int16_t, std::int16_t, float x, float) {
  tray_icon_.OnMouseMove(x);
}

void Form1::Control_Click(ControlId clicked) {
  switch (const auto control = EnumOf<Form1Control>(clicked)) {
    case Form1Control::Command16:
      Command16_Click();
      break;
    case Form1Control::Command17:
      Command17_Click();
      break;
    case Form1Control::Command18:
      Command18_Click();
      break;
    default:
      if (const CopyButton* copy = FindCopyButton(control)) CopyField(window_, desktop_, *copy);
      break;
  }
}

void Form1::Command16_Click() {
  ShowAuthorPage(window_);
}

void Form1::Command17_Click() {
  ShowProgramPage(window_);
}

void Form1::Command18_Click() {
  OpenChosenCatalogue(window_, desktop_, Id(Form1Control::Combo1));
}

void Form1::MenuItem_Click(MenuItemId item) {
  switch (EnumOf<Form1MenuItem>(item)) {
    case Form1MenuItem::cr:
      cr_Click();
      break;
    case Form1MenuItem::vrr:
      vrr_Click();
      break;
    case Form1MenuItem::ex:
      ex_Click();
      break;
    case Form1MenuItem::or_:
      or_Click();
      break;
  }
}

void Form1::cr_Click() {
  tray_icon_.HideOwner();
}

void Form1::or_Click() {
  Form2::Open(desktop_);
}

void Form1::vrr_Click() {
  UnloadAllWindows(desktop_);
}

void Form1::ex_Click() {
  tray_icon_.Delete();
  vrr_Click();
}

void Form1::NotificationArea_Created() {
  tray_icon_.OnNotificationAreaCreated();
}

void Form1::NotificationArea_Gone() {
  tray_icon_.OnNotificationAreaGone();
}

StartedAgainAnswer Form1::Form_StartedAgain(bool message_open) {
  if (run_end_.ending()) return StartedAgainAnswer::kEnding;
  if (message_open) return StartedAgainAnswer::kMessageUp;
  tray_icon_.Restore();
  return StartedAgainAnswer::kWindowUp;
}

void Form1::TrayIcon_Activated(TrayActivation activation, std::int64_t time_ms,
                               std::int64_t double_click_interval_ms) {
  const auto code = activation_pairing_.Decode(activation, time_ms, double_click_interval_ms);
  if (code) Form_MouseMove(0, 0, static_cast<float>(*code) * desktop_.TwipsPerPixelX(), 0.0f);
}

}  // namespace quillpad
