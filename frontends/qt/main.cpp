#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>

#include "frontends/qt/event_boundary.h"
#include "frontends/qt/form_window.h"
#include "frontends/qt/qt_desktop.h"
#include "main_window/form1.h"

using namespace quillpad;

int main(int argc, char** argv) {
  // Qt takes its own options (-platform, -display); the program reads no command line.
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);

  QIcon icon;
  icon.addFile(QStringLiteral(":/quillpad/quillpad-16.png"));
  icon.addFile(QStringLiteral(":/quillpad/quillpad-32.png"));
  QApplication::setWindowIcon(icon);

  qt::QtDesktop desktop;
  const NativeHandle icon_handle = desktop.notification_icons().RegisterIcon(icon);
  qt::FormWindow window({kForm1Window, kForm1Controls, kForm1Menus, kForm1MenuItems}, icon,
                        icon_handle);
  Form1 form1(window, desktop);
  const qt::EventBoundary boundary(desktop);

  desktop.AddLoadedWindow(window, [&] { form1.Form_Unload(); });
  window.SetEvents({
      .click = [&](ControlId button) { boundary.Run([&] { form1.Button_Click(button); }); },
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

  boundary.Run([&] { form1.Form_Load(); });
  return QApplication::exec();
}
