#pragma once

#include <QPixmap>
#include <QWidget>

namespace quillpad::qt {

// A window's client area: its background colour with, where the window has one, a picture
// drawn unscaled from the top-left corner and cut off where it does not fit.
class ClientArea : public QWidget {
 public:
  ClientArea(const QColor& background, const QPixmap& picture, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace quillpad::qt
