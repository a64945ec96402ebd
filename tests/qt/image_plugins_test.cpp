// Which image plugins the program has loaded once its main window stands, and once the
// About window opens: only what each picture's format needs, and the About banner's only
// with the About window. Its own process, as a loaded plugin stays loaded.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <string>

#include "frontends/qt/about_window.h"
#include "frontends/qt/artwork.h"
#include "frontends/qt/menu_bar_style.h"
#include "main_window/form1_definition.h"

namespace quillpad::qt {
namespace {

// The image plugins mapped into this process, by library name, in order.
std::string LoadedImagePlugins() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly)) return "(maps unreadable)";
  QStringList plugins;
  for (const QByteArray& line : maps.readAll().split('\n')) {
    if (!line.contains("/imageformats/")) continue;
    const QString plugin = QString::fromUtf8(line.mid(line.lastIndexOf('/') + 1));
    if (!plugins.contains(plugin)) plugins.append(plugin);
  }
  plugins.sort();
  return plugins.join(u' ').toStdString();
}

TEST(ImagePlugins, StartUpLoadsTheIconsPluginAloneAndAboutAddsTheBanners) {
  QApplication::setWindowIcon(ArtworkIcon(kForm1Window.icon));
  QtDesktop desktop;
  const EventBoundary boundary(desktop);
  FormWindow window({kForm1Window, kForm1Controls, kForm1Menus, kForm1MenuItems},
                    desktop.notification_icons().IconHandle(kForm1Window.icon));
  window.show();
  QApplication::processEvents();
  EXPECT_EQ(LoadedImagePlugins(), "libqico.so");

  const AboutWindow* about = new AboutWindow(desktop, boundary);
  EXPECT_EQ(LoadedImagePlugins(), "libqico.so libqjpeg.so");
  delete about;
}

}  // namespace
}  // namespace quillpad::qt

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setStyle(new quillpad::qt::MenuBarStyle);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
