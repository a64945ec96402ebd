#include <QApplication>
#include <QElapsedTimer>
#include <QSessionManager>
#include <cstdio>
#include <cstdlib>

#include "core/controls_when_shown.h"
#include "core/display_platform.h"
#include "frontends/qt/about_window.h"
#include "frontends/qt/artwork.h"
#include "frontends/qt/display_answer.h"
#include "frontends/qt/event_boundary.h"
#include "frontends/qt/form_window.h"
#include "frontends/qt/ini_settings.h"
#include "frontends/qt/menu_bar_style.h"
#include "frontends/qt/process_exit_hook.h"
#include "frontends/qt/profile_claim.h"
#include "frontends/qt/qt_desktop.h"
#include "frontends/qt/start_activation.h"
#include "frontends/qt/started_again_listener.h"
#include "frontends/qt/termination_requests.h"
#include "frontends/qt/toolkit_translations.h"
#include "main_window/form1.h"
#include "main_window/form1_events.h"

using namespace quillpad;

int main(int argc, char** argv) {
  const auto environment = [](const char* name) -> const char* { return std::getenv(name); };
  const SessionDisplays session = SessionFrom({argv, static_cast<std::size_t>(argc)}, environment);
  const DisplaysAnswering answering = qt::DisplaysAnswer(session);
  if (const std::string no_desktop = NoDesktopMessage(session, answering); !no_desktop.empty()) {
    std::fprintf(stderr, "%s\n", no_desktop.c_str());
    return EXIT_FAILURE;
  }
  if (RunsAsX11Client(session, answering)) qputenv("QT_QPA_PLATFORM", "xcb");
  // Read before the toolkit takes the startup notification id for its own.
  const qt::StartActivation activation = qt::StartActivation::OfThisProcess();
  // Qt takes its own options (-platform, -display); the program reads no command line.
  QApplication application(argc, argv);
  // Held until the process ends; a start that finds the profile held leaves it untouched.
  const qt::ClaimPlace place =
      qt::ClaimPlace::ForProfile(qt::IniSettings::FilePath(qt::QtDesktop::ProgramName()));
  qt::LocalProfileClaim claim(place, activation);
  if (DecideStart(claim) == StartDecision::kLeave) return 0;
  const auto toolkit_translations = qt::LoadToolkitTranslations();
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setStyle(new qt::MenuBarStyle);
  QApplication::setWindowIcon(qt::ArtworkIcon(kForm1Window.icon));

  qt::QtDesktop desktop;
  const qt::EventBoundary boundary(desktop);
  qt::FormWindow window({kForm1Window, kForm1Controls, kForm1Menus, kForm1MenuItems},
                        desktop.notification_icons().IconHandle(kForm1Window.icon),
                        qt::FormWindow::Controls::kLater);
  // A run spent in the notification area never makes the window's controls.
  ControlsWhenShown form1_window(window, kForm1Controls, [&] { window.MakeControls(); });
  Form1 form1(form1_window, desktop);

  desktop.AddLoadedWindow(window, [&] { form1.Form_Unload(); });
  desktop.SetWindowFactory([&](std::string_view name) -> qt::FormWindow* {
    if (name == kForm2Window.name) return new qt::AboutWindow(desktop, boundary);
    return nullptr;
  });
  const MainWindowEvents events = Form1Events(form1, desktop, boundary.Runner());
  window.SetEvents(events.window);
  QElapsedTimer clock;
  clock.start();
  desktop.notification_icons().OnActivated([&](TrayActivation activation) {
    events.tray_activated(activation, clock.elapsed(), QApplication::doubleClickInterval());
  });
  desktop.notification_icons().OnAreaChanged(events.notification_area_changed);

  const qt::TerminationRequests termination(events.window.close_requested);
  // The session manager asks its programs to save before it ends the session, which may yet
  // be cancelled, and at checkpoints; the end itself then comes as the toolkit's own quit,
  // which closes only the windows on show. Some managers ask for the user's data, others
  // (xsm at its end) only for the program's state: the profile is both, saved once a request.
  // The manager waits for the answer, so a failure is told once it has been given.
  const MainWindowEvents inside_session_request =
      Form1Events(form1, desktop, boundary.RunnerReportingLater());
  QString answered_session_key;
  const auto save_for_session = [&](QSessionManager& manager) {
    if (manager.sessionKey() == answered_session_key) return;
    answered_session_key = manager.sessionKey();
    inside_session_request.window.session_save_requested();
  };
  QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                   save_for_session, Qt::DirectConnection);
  QObject::connect(&application, &QGuiApplication::saveStateRequest, &application, save_for_session,
                   Qt::DirectConnection);

  // Heard from the start on: a second start while the start-up notice is up brings it
  // to the front.
  const qt::StartedAgainListener started_again(place.socket, [&](const qt::StartActivation& again) {
    QWidget* const message = QApplication::activeModalWidget();
    switch (events.started_again(message != nullptr)) {
      case StartedAgainAnswer::kWindowUp:
        qt::BringToFront(window, again);
        return true;
      case StartedAgainAnswer::kMessageUp:
        qt::BringToFront(*message, again);
        return true;
      case StartedAgainAnswer::kEnding:
        break;
    }
    return false;
  });
  events.load();
  int status = 0;
  {
    const MainWindowEvents display_gone = Form1Events(form1, desktop, boundary.RunnerAtExit());
    const qt::ProcessExitHook display_lost(display_gone.window.run_ended);
    // A way out taken while the start-up notice was up has ended the run already.
    if (!desktop.ended()) status = QApplication::exec();
  }
  // The loop also ends without a way out (the session's end, the toolkit's own quit).
  events.window.run_ended();
  // Windows unloaded on the way out are deleted before the toolkit goes.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return status;
}
