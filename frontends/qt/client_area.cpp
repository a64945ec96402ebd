#include "frontends/qt/client_area.h"

#include <QPainter>

namespace quillpad::qt {

ClientArea::ClientArea(const QColor& background, const QPixmap& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, background);
  setPalette(palette);
  setAutoFillBackground(true);
}

void ClientArea::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

}  // namespace quillpad::qt
