#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdlib>

#include "core/display_platform.h"
#include "frontends/qt/about_window.h"
#include "frontends/qt/artwork.h"
#include "frontends/qt/event_boundary.h"
#include "frontends/qt/form_window.h"
#include "frontends/qt/menu_bar_style.h"
#include "frontends/qt/message_box.h"
#include "frontends/qt/qt_desktop.h"
#include "frontends/qt/termination_requests.h"
#include "main_window/form1.h"

using namespace quillpad;

int main(int argc, char** argv) {
  const auto environment = [](const char* name) -> const char* { return std::getenv(name); };
  if (RunsAsX11Client(SessionFrom({argv, static_cast<std::size_t>(argc)}, environment))) {
    qputenv("QT_QPA_PLATFORM", "xcb");
  }
  // Qt takes its own options (-platform, -display); the program reads no command line.
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setStyle(new qt::MenuBarStyle);
  QApplication::setWindowIcon(qt::ArtworkIcon(kForm1Window.icon));

  qt::QtDesktop desktop;
  const qt::EventBoundary boundary(desktop);
  qt::FormWindow window({kForm1Window, kForm1Controls, kForm1Menus, kForm1MenuItems},
                        desktop.notification_icons().IconHandle(kForm1Window.icon));
  Form1 form1(window, desktop);

  desktop.AddLoadedWindow(window, [&] { form1.Form_Unload(); });
  desktop.SetWindowFactory([&](std::string_view name) -> qt::FormWindow* {
    if (name == kForm2Window.name) return new qt::AboutWindow(desktop, boundary);
    return nullptr;
  });
  window.SetEvents({
      .click = [&](ControlId control) { boundary.Run([&] { form1.Control_Click(control); }); },
      .menu_item = [&](MenuItemId item) { boundary.Run([&] { form1.MenuItem_Click(item); }); },
      .mouse_move = [&](float x,
                        float y) { boundary.Run([&] { form1.Form_MouseMove(0, 0, x, y); }); },
      .close_requested = [&] { boundary.Run([&] { desktop.UnloadWindow(0); }); },
  });
  QElapsedTimer clock;
  clock.start();
  desktop.notification_icons().OnActivated([&](TrayActivation activation) {
    boundary.Run([&] {
      form1.TrayIcon_Activated(activation, clock.elapsed(), QApplication::doubleClickInterval());
    });
  });

  const qt::TerminationRequests termination(
      [&] { boundary.Run([&] { desktop.UnloadWindow(0); }); });

  boundary.Run([&] { form1.Form_Load(); });
  if (const QString problems = desktop.settings_read_problems(); !problems.isEmpty()) {
    // Said once the icon has docked, so the program is reachable while the user reads it.
    QTimer::singleShot(0, [problems] { qt::ShowMessage(QMessageBox::Warning, problems); });
  }
  const int status = QApplication::exec();
  // Windows unloaded on the way out are deleted before the toolkit goes.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return status;
}
