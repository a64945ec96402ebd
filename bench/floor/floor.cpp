// The least a Qt 6 Widgets program can be while it waits in the tray with one window: what
// the toolkit itself costs, measured beside Quillpad. A double-click on the icon shows the
// window, as Quillpad's does. With --text-box the window also holds one text box, which
// shows what the toolkit's text stack (fonts, shaping, text widgets) costs by itself.
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);

  QWidget window;
  window.setWindowTitle(QStringLiteral("Floor"));
  window.resize(326, 466);
  if (QCoreApplication::arguments().contains(QStringLiteral("--text-box"))) new QLineEdit(&window);

  QPixmap picture(16, 16);
  picture.fill(Qt::darkBlue);
  QSystemTrayIcon icon{QIcon(picture)};
  icon.setToolTip(QStringLiteral("Floor"));
  QObject::connect(&icon, &QSystemTrayIcon::activated, &window, [&](auto reason) {
    if (reason != QSystemTrayIcon::DoubleClick) return;
    window.show();
    icon.hide();
  });
  icon.show();
  return QApplication::exec();
}
