#include "frontends/qt/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <QtMath>
#include <algorithm>
#include <limits>
#include <vector>

#include "core/twips.h"
#include "frontends/qt/artwork.h"
#include "frontends/qt/key_chord.h"
#include "frontends/qt/multi_line_text_box.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/system_colours.h"

namespace quillpad::qt {
namespace {

int Pixels(int twips) {
  return TwipsToPixels(static_cast<float>(twips), kTwipsPerDeviceIndependentPixel);
}

QFont MakeFont(const FontDefinition& definition) {
  QFont font;
  // Metric-compatible stand-ins come after the family asked for, so that captions wrap
  // in their boxes as designed where that family is missing.
  font.setFamilies({ToQString(definition.family), QStringLiteral("Liberation Sans"),
                    QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
  font.setPixelSize(PointsToPixels(definition.points, kTwipsPerDeviceIndependentPixel));
  font.setWeight(static_cast<QFont::Weight>(definition.weight));
  return font;
}

const QCursor& HandCursor() {
  static const QCursor cursor(ArtworkPicture("hand.png"), kHandPointerHotSpotX,
                              kHandPointerHotSpotY);
  return cursor;
}

QPalette::ColorRole BackgroundRole(ControlKind kind) {
  return kind == ControlKind::kTextBox || kind == ControlKind::kMultiLineTextBox ? QPalette::Base
                                                                                 : QPalette::Button;
}

QPalette::ColorRole TextRole(ControlKind kind) {
  switch (kind) {
    case ControlKind::kLabel:
      return QPalette::WindowText;
    case ControlKind::kButton:
      return QPalette::ButtonText;
    default:
      return QPalette::Text;
  }
}

QKeySequence CtrlShortcut(char letter) {
  return QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_A + (letter - 'A')));
}

// What a drag that carries files carries: each file by its path, anything else by its
// address, so that the handler hears of every item; none for a drag without a file, whose
// text goes into the box it is dropped on.
std::vector<Text> DraggedFiles(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  const QList<QUrl> urls = data->urls();
  if (std::none_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); }))
    return {};
  std::vector<Text> items;
  for (const QUrl& url : urls)
    items.push_back(FromQString(url.isLocalFile() ? url.toLocalFile() : url.toString()));
  return items;
}

// The height the toolkit's menu bar takes for these menus, worked out as it works it out but
// from the font's line height alone: measuring the captions would shape their text, which
// costs a window that waits hidden more than all else its menu bar does. The made menu bar
// has the last word.
int LikelyMenuBarHeight(std::span<const MenuDefinition> menus) {
  const QStyle* style = QApplication::style();
  const QFont font = QApplication::font("QMenuBar");
  // Any width: the height does not depend on it.
  const QSize caption(1, qCeil(QFontMetricsF(font).height()));
  QStyleOptionMenuItem option;
  option.palette = QApplication::palette("QMenuBar");
  option.fontMetrics = QFontMetrics(font);
  option.direction = QGuiApplication::layoutDirection();
  option.state = QStyle::State_Enabled;
  option.menuItemType = QStyleOptionMenuItem::Normal;
  option.checkType = QStyleOptionMenuItem::NotCheckable;
  int item = 0;
  for (const MenuDefinition& menu : menus) {
    if (!menu.in_menu_bar) continue;
    option.text = ToQString(menu.caption);
    item = std::max(
        item, style->sizeFromContents(QStyle::CT_MenuBarItem, &option, caption, nullptr).height());
  }
  if (item == 0) return 0;
  const int margin = style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, nullptr) +
                     style->pixelMetric(QStyle::PM_MenuBarVMargin, nullptr, nullptr);
  option.state = QStyle::State_None;
  option.text.clear();
  return style->sizeFromContents(QStyle::CT_MenuBar, &option, QSize(0, item + 2 * margin), nullptr)
      .height();
}

}  // namespace

FormWindow::FormWindow(const WindowLayout& layout, NativeHandle icon_handle, Controls controls)
    : control_definitions_(layout.controls),
      menu_definitions_(layout.menus),
      client_(new ClientArea(ResolveColour(layout.window.back_colour),
                             ArtworkPicture(layout.window.picture), this)),
      icon_handle_(icon_handle) {
  setObjectName(ToQString(layout.window.name));
  setWindowIcon(ArtworkIcon(layout.window.icon));
  setCentralWidget(client_);
  client_->setMouseTracking(true);
  client_->installEventFilter(this);
  BuildMenus(layout);
  PlaceWindow(layout.window, LikelyMenuBarHeight(layout.menus));
  if (controls == Controls::kMade) MakeControls();
}

void FormWindow::MakeControls() {
  if (controls_made_) return;
  controls_made_ = true;
  MakeMenuBar();
  BuildControls();
}

void FormWindow::SetEvents(WindowEvents events) {
  events_ = std::move(events);
  setAcceptDrops(static_cast<bool>(events_.files_dropped));
}

void FormWindow::BuildMenus(const WindowLayout& layout) {
  for (const MenuDefinition& definition : layout.menus) {
    auto* menu = new QMenu(ToQString(definition.caption), this);
    menu->setObjectName(ToQString(definition.name));
    menus_[definition.id] = menu;
  }
  for (const MenuItemDefinition& definition : layout.menu_items) {
    QAction* action = menus_.at(definition.menu)->addAction(ToQString(definition.caption));
    action->setObjectName(ToQString(definition.name));
    if (definition.ctrl_shortcut != 0) action->setShortcut(CtrlShortcut(definition.ctrl_shortcut));
    connect(action, &QAction::triggered, this, [this, id = definition.id] {
      if (events_.menu_item) events_.menu_item(id);
    });
    menu_items_[definition.id] = action;
  }
}

void FormWindow::MakeMenuBar() {
  if (menu_bar_made_) return;
  menu_bar_made_ = true;
  for (const MenuDefinition& definition : menu_definitions_) {
    if (!definition.in_menu_bar) continue;
    QMenu* menu = menus_.at(definition.id);
    // Owned by the menu bar, as the menus it makes itself are.
    menu->setParent(menuBar(), menu->windowFlags());
    menuBar()->addMenu(menu);
  }
  // Where the desktop shows the window's menus outside it (a global menu) the menu bar takes
  // no room at all.
  const int height = menuWidget() == nullptr ? 0 : menuWidget()->sizeHint().height();
  if (height != menu_bar_height_) SetMenuBarRoom(height);
}

void FormWindow::BuildControls() {
  std::vector<const ControlDefinition*> focus_order;
  for (const ControlDefinition& definition : control_definitions_) {
    controls_[definition.id] = CreateControl(definition, client_);
    if (definition.kind != ControlKind::kLabel) focus_order.push_back(&definition);
  }
  std::sort(focus_order.begin(), focus_order.end(),
            [](auto* a, auto* b) { return a->tab_position < b->tab_position; });
  for (std::size_t i = 1; i < focus_order.size(); ++i) {
    setTabOrder(controls_.at(focus_order[i - 1]->id), controls_.at(focus_order[i]->id));
  }
}

QWidget* FormWindow::CreateControl(const ControlDefinition& definition, QWidget* parent) {
  QWidget* control = nullptr;
  switch (definition.kind) {
    case ControlKind::kLabel: {
      auto* label = new QLabel(ToQString(definition.caption), parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      // Labels report their own moves and clicks, as the window's links need.
      label->setMouseTracking(true);
      label->installEventFilter(this);
      labels_[label] = definition.id;
      control = label;
      break;
    }
    case ControlKind::kTextBox: {
      auto* line = new QLineEdit(parent);
      line->setMaxLength(std::numeric_limits<int>::max());  // no limit on any field
      control = line;
      break;
    }
    case ControlKind::kMultiLineTextBox: {
      auto* box = new MultiLineTextBox(parent);
      // Dragged text and files reach the box through the part that shows its text.
      box->viewport()->installEventFilter(this);
      control = box;
      break;
    }
    case ControlKind::kButton: {
      auto* button = new QPushButton(ToQString(definition.caption), parent);
      button->setAutoDefault(false);
      connect(button, &QPushButton::clicked, this, [this, id = definition.id] {
        if (events_.click) events_.click(id);
      });
      control = button;
      break;
    }
    case ControlKind::kDropDownList:
      control = new QComboBox(parent);
      break;
  }
  if (definition.kind != ControlKind::kLabel) {
    // To give the window's keys their meaning before the control takes them.
    control->installEventFilter(this);
    focusable_[control] = definition.kind;
  }
  control->setObjectName(ToQString(definition.name));
  control->setGeometry(Pixels(definition.place.left), Pixels(definition.place.top),
                       Pixels(definition.place.width), Pixels(definition.place.height));
  QPalette palette = control->palette();
  if (definition.back_colour) {
    palette.setColor(BackgroundRole(definition.kind), ResolveColour(*definition.back_colour));
  }
  if (definition.text_colour) {
    palette.setColor(TextRole(definition.kind), ResolveColour(*definition.text_colour));
  }
  control->setPalette(palette);
  if (definition.font) control->setFont(MakeFont(*definition.font));
  if (definition.pointer == Pointer::kHand) control->setCursor(HandCursor());
  if (!definition.tool_tip.empty()) control->setToolTip(ToQString(definition.tool_tip));
  if (!definition.accessible_name.empty()) {
    control->setAccessibleName(ToQString(definition.accessible_name));
  }
  control->setVisible(definition.shown);
  return control;
}

void FormWindow::PlaceWindow(const WindowDefinition& window, int menu_bar_height) {
  setWindowTitle(ToQString(window.caption));
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (window.buttons == TitleBarButtons::kMinimizeAndClose) flags |= Qt::WindowMinimizeButtonHint;
  setWindowFlags(flags);
  // The definition places the client area, whatever frame the desktop puts around it; a
  // menu bar stands above it.
  client_->setFixedSize(Pixels(window.client_width), Pixels(window.client_height));
  client_place_ = QPoint(Pixels(window.client_left), Pixels(window.client_top));
  SetMenuBarRoom(menu_bar_height);
}

void FormWindow::SetMenuBarRoom(int height) {
  menu_bar_height_ = height;
  setFixedSize(client_->width(), client_->height() + height);
  // The client area stays at the definition's place, but for what the handlers have placed.
  if (top_set_) return;
  const int top = client_place_.y() - height;
  if (left_set_) {
    MoveOuterCorner(QPoint(OuterGeometry().x(), top));
  } else {
    setGeometry(QRect(QPoint(client_place_.x(), top), size()));
  }
}

void FormWindow::MoveOuterCorner(QPoint corner) {
  move(corner);
  // Before the desktop has framed the window its frame is unknown, and the toolkit would put
  // the inner window at the corner; the desktop is asked to put the frame's corner there.
  QWindow* native = windowHandle();
  if (native != nullptr && native->frameMargins().isNull()) native->setFramePosition(corner);
}

void FormWindow::SetPinnedOnTop() {
  pinned_ = true;
  // On the native window itself: changing the widget's flags would recreate it under a new
  // handle, and hide it if shown.
  windowHandle()->setFlag(Qt::WindowStaysOnTopHint, true);
}

void FormWindow::Show() {
  show();
  if (after_show_) after_show_();
}

void FormWindow::Hide() {
  hide();
}

void FormWindow::Minimize() {
  showMinimized();
}

NativeHandle FormWindow::Handle() {
  return static_cast<NativeHandle>(winId());
}

NativeHandle FormWindow::IconHandle() {
  return icon_handle_;
}

QRect FormWindow::OuterGeometry() const {
  // The widget keeps the frame's extents as they were at the window's last move or resize,
  // and the desktop may announce them only after that (KWin does, at times, on the first
  // show); the native window asks for them afresh.
  const QWindow* native = windowHandle();
  return native != nullptr ? native->frameGeometry() : frameGeometry();
}

float FormWindow::Top() {
  MakeMenuBar();
  return static_cast<float>(OuterGeometry().y()) * kTwipsPerDeviceIndependentPixel;
}

float FormWindow::Left() {
  return static_cast<float>(OuterGeometry().x()) * kTwipsPerDeviceIndependentPixel;
}

void FormWindow::SetTop(float twips) {
  top_set_ = true;
  MoveOuterCorner(
      QPoint(OuterGeometry().x(), TwipsToPixels(twips, kTwipsPerDeviceIndependentPixel)));
}

void FormWindow::SetLeft(float twips) {
  left_set_ = true;
  MoveOuterCorner(
      QPoint(TwipsToPixels(twips, kTwipsPerDeviceIndependentPixel), OuterGeometry().y()));
}

float FormWindow::Width() {
  return static_cast<float>(OuterGeometry().width()) * kTwipsPerDeviceIndependentPixel;
}

float FormWindow::Height() {
  MakeMenuBar();
  return static_cast<float>(OuterGeometry().height()) * kTwipsPerDeviceIndependentPixel;
}

bool FormWindow::PlaceKnown() {
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

VbBoolean FormWindow::Visible(ControlId control) {
  return Control(control)->isHidden() ? kVbFalse : kVbTrue;
}

void FormWindow::SetVisible(ControlId control, bool visible) {
  Control(control)->setVisible(visible);
}

Text FormWindow::GetText(ControlId control) {
  QWidget* widget = Control(control);
  if (auto* line = qobject_cast<QLineEdit*>(widget)) return FromQString(line->text());
  if (auto* box = dynamic_cast<MultiLineTextBox*>(widget)) return FromQString(box->Text());
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return FromQString(combo->currentText());
  if (auto* label = qobject_cast<QLabel*>(widget)) return FromQString(label->text());
  if (auto* button = qobject_cast<QPushButton*>(widget)) return FromQString(button->text());
  return {};
}

void FormWindow::SetText(ControlId control, const Text& text) {
  QWidget* widget = Control(control);
  const QString value = ToQString(text);
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    line->setText(value);
    line->setCursorPosition(0);
  } else if (auto* box = dynamic_cast<MultiLineTextBox*>(widget)) {
    box->SetText(value);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(value);
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    button->setText(value);
  }
}

void FormWindow::SetTextColour(ControlId control, Colour colour) {
  QWidget* widget = Control(control);
  QPalette palette = widget->palette();
  palette.setColor(widget->foregroundRole(), ResolveColour(colour));
  widget->setPalette(palette);
}

void FormWindow::SetAccessibleName(ControlId control, const Text& name) {
  Control(control)->setAccessibleName(ToQString(name));
}

void FormWindow::AddItem(ControlId list, const Text& item) {
  auto* combo = static_cast<QComboBox*>(Control(list));
  // The toolkit would choose the first entry added; the list starts with none chosen.
  const bool none_chosen = combo->currentIndex() < 0;
  combo->addItem(ToQString(item));
  if (none_chosen) combo->setCurrentIndex(-1);
}

void FormWindow::PopupMenu(MenuId menu) {
  Menu(menu)->popup(QCursor::pos());
}

void FormWindow::SetNotificationIconMenu(MenuId menu) {
  // A menu of its own sharing the items, since the desktop takes it over as its own.
  notification_icon_menu_ = new QMenu(this);
  notification_icon_menu_->addActions(Menu(menu)->actions());
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // Closing is an unload request: the handlers decide, and the process ends from there.
  event->ignore();
  if (events_.close_requested) events_.close_requested();
}

bool FormWindow::IsMenuShortcut(const QKeyEvent& key) const {
  const QKeySequence pressed(key.keyCombination());
  return std::any_of(menu_items_.begin(), menu_items_.end(), [&](const auto& item) {
    return !item.second->shortcut().isEmpty() && item.second->shortcut() == pressed;
  });
}

void FormWindow::ReportLabelEvent(QObject* watched, const QEvent& event) {
  const auto label = labels_.find(watched);
  if (label == labels_.end()) return;
  if (event.type() == QEvent::MouseMove && events_.control_mouse_move) {
    events_.control_mouse_move(label->second);
  } else if (event.type() == QEvent::MouseButtonRelease && events_.click) {
    const auto& release = static_cast<const QMouseEvent&>(event);
    if (release.button() == Qt::LeftButton &&
        static_cast<QWidget*>(watched)->rect().contains(release.position().toPoint())) {
      events_.click(label->second);
    }
  }
}

bool FormWindow::TakeKey(QObject* watched, const QEvent& event) {
  const auto focused = focusable_.find(watched);
  if (event.type() != QEvent::KeyPress || focused == focusable_.end()) return false;
  switch (EffectOf(ChordOf(static_cast<const QKeyEvent&>(event)), focused->second)) {
    case KeyEffect::kControlsOwn:
      return false;
    case KeyEffect::kPressButton:
      static_cast<QPushButton*>(watched)->click();
      return true;
    case KeyEffect::kNextControl:
      focusNextPrevChild(true);
      return true;
    case KeyEffect::kPreviousControl:
      focusNextPrevChild(false);
      return true;
    case KeyEffect::kOpenMenuBar:
      if (auto* bar = qobject_cast<QMenuBar*>(menuWidget())) {
        bar->setActiveAction(bar->actions().front());
      }
      return true;
    case KeyEffect::kKeptFromControls:
      return true;
  }
  return false;
}

bool FormWindow::TakeFileDrop(QEvent& event) {
  const QEvent::Type type = event.type();
  if (!events_.files_dropped ||
      (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)) {
    return false;
  }
  auto& drop = static_cast<QDropEvent&>(event);
  // Only copied: a source asked to move would delete the file once it is dropped.
  if (!drop.possibleActions().testFlag(Qt::CopyAction)) return false;
  std::vector<Text> paths = DraggedFiles(drop.mimeData());
  if (paths.empty()) return false;
  drop.setDropAction(Qt::CopyAction);
  drop.accept();
  if (type == QEvent::Drop) {
    // Handled once the drop is over, so that the drag's source hears it has ended at once,
    // not after the user has answered whatever the handler asks.
    QTimer::singleShot(0, this, [this, paths = std::move(paths)] {
      if (events_.files_dropped) events_.files_dropped(paths);
    });
  }
  return true;
}

bool FormWindow::event(QEvent* event) {
  return TakeFileDrop(*event) || QMainWindow::event(event);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  ReportLabelEvent(watched, *event);
  if (TakeKey(watched, *event)) return true;
  // Text boxes take dragged text themselves; dragged files are the window's, over them too.
  if (TakeFileDrop(*event)) return true;
  if (watched == client_ && event->type() == QEvent::MouseMove) {
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    // Only moves over the window's own background: controls keep theirs.
    if (client_->childAt(at) == nullptr && events_.mouse_move) {
      events_.mouse_move(static_cast<float>(at.x()) * kTwipsPerDeviceIndependentPixel,
                         static_cast<float>(at.y()) * kTwipsPerDeviceIndependentPixel);
    }
    return false;
  }
  // Text boxes bind some Ctrl letters to line editing; the menu's keys must win there.
  if (event->type() == QEvent::ShortcutOverride &&
      IsMenuShortcut(*static_cast<QKeyEvent*>(event))) {
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace quillpad::qt
