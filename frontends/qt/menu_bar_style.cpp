#include "frontends/qt/menu_bar_style.h"

#include <QGuiApplication>
#include <QStyleOption>

#include "frontends/qt/artwork.h"

namespace quillpad::qt {

QIcon MenuBarStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                 const QWidget* widget) const {
  const bool right_to_left =
      option != nullptr ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
  if (which != SP_ToolBarHorizontalExtensionButton || right_to_left) {
    return QProxyStyle::standardIcon(which, option, widget);
  }
  QIcon icon;
  for (const int size : {8, 16, 32}) {
    PictureReader reader(
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1.png").arg(size),
        "png");
    icon.addPixmap(QPixmap::fromImage(reader.read()));
  }
  return icon;
}

}  // namespace quillpad::qt
