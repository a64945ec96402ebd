#pragma once

#include <QProxyStyle>

namespace quillpad::qt {

// The desktop's own widget style, with the menu bar's overflow button given its usual
// pictures read as the PNG they are: the style's own way has the toolkit load every image
// plugin to guess their format, and each menu bar asks for them when it is created.
class MenuBarStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                     const QWidget* widget) const override;
};

}  // namespace quillpad::qt
