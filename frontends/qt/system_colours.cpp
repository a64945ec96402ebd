#include "frontends/qt/system_colours.h"

#include <QApplication>
#include <QPalette>

namespace quillpad::qt {
namespace {

// The palette role of the widget kind that each system colour belongs to.
QColor SystemColourFromPalette(unsigned index) {
  switch (index) {
    case 0:  // scroll bar
      return QApplication::palette("QScrollBar").color(QPalette::Active, QPalette::Button);
    case 7:  // menu text
      return QApplication::palette("QMenu").color(QPalette::Active, QPalette::WindowText);
    case 14:  // highlighted text
      return QApplication::palette().color(QPalette::Active, QPalette::HighlightedText);
    case 18:  // button text
      return QApplication::palette("QPushButton").color(QPalette::Active, QPalette::ButtonText);
    default:
      return QApplication::palette().color(QPalette::Active, QPalette::WindowText);
  }
}

}  // namespace

QColor ResolveColour(Colour colour) {
  if (IsSystemColour(colour)) return SystemColourFromPalette(SystemColourIndex(colour));
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

}  // namespace quillpad::qt
