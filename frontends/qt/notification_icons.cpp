#include "frontends/qt/notification_icons.h"

#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <cstring>

#include "frontends/qt/artwork.h"
#include "frontends/qt/qt_text.h"
#include "tray/tray_icon_record.h"

namespace quillpad::qt {
namespace {

// The widget the toolkit docks into an XEmbed tray; it reports the right button on press.
bool IsXEmbedIcon(const QObject* object) {
  return object->isWidgetType() &&
         std::strcmp(object->metaObject()->className(), "QSystemTrayIconSys") == 0;
}

// Whether the toolkit reads the icons' mouse itself, docked into an XEmbed tray, rather than
// handing them to a StatusNotifierItem host that reports its own activation.
bool IconsDockedAsWidgets() {
  const QWidgetList widgets = QApplication::topLevelWidgets();
  return std::any_of(widgets.begin(), widgets.end(), IsXEmbedIcon);
}

std::optional<TrayActivation> ActivationOf(QSystemTrayIcon::ActivationReason reason) {
  switch (reason) {
    case QSystemTrayIcon::Trigger:
      return IconsDockedAsWidgets() ? TrayActivation::kClick : TrayActivation::kHostActivation;
    case QSystemTrayIcon::DoubleClick:
      return TrayActivation::kDoubleClick;
    case QSystemTrayIcon::Context:
      return TrayActivation::kContextMenu;
    default:
      return std::nullopt;
  }
}

}  // namespace

NotificationIcons::NotificationIcons() {
  QCoreApplication::instance()->installEventFilter(this);
}

NativeHandle NotificationIcons::IconHandle(std::string_view artwork) {
  const auto known = handles_.find(artwork);
  if (known != handles_.end()) return known->second;
  const auto handle = static_cast<NativeHandle>(icons_.size() + 1);
  icons_[handle] = ArtworkIcon(artwork);
  handles_.emplace(std::string(artwork), handle);
  return handle;
}

void NotificationIcons::OnAreaChanged(std::function<void(bool present)> handler) {
  area_watch_ = std::make_unique<NotificationAreaWatch>(std::move(handler));
}

bool NotificationIcons::Available() {
  return QSystemTrayIcon::isSystemTrayAvailable();
}

bool NotificationIcons::Send(NotifyIconMessage message, const NarrowTrayRecord& record) {
  const TrayIconRecord fields = FromNarrow(record);
  const Key key{fields.window, fields.id};
  if (message == NotifyIconMessage::kDelete) {
    auto node = shown_.extract(key);
    if (node.empty()) return false;
    // An icon that is reporting this very click is removed once the report is done.
    if (reporting_) node.mapped().release()->deleteLater();
    return true;
  }
  if (shown_.count(key) != 0 || !Available()) return false;
  auto icon = std::make_unique<QSystemTrayIcon>();
  const auto image = icons_.find(fields.icon);
  if (image != icons_.end()) icon->setIcon(image->second);
  icon->setToolTip(ToQString(ShownTip(fields)));
  // A StatusNotifierItem host shows this menu itself on a right click and reports nothing;
  // an XEmbed icon's right button is reported instead (see eventFilter).
  if (menu_of_owner_) {
    if (QMenu* menu = menu_of_owner_(key.first)) icon->setContextMenu(menu);
  }
  QObject::connect(icon.get(), &QSystemTrayIcon::activated, this, [this](auto reason) {
    if (const auto activation = ActivationOf(reason)) Report(*activation);
  });
  icon->show();
  shown_[key] = std::move(icon);
  return true;
}

void NotificationIcons::Report(TrayActivation activation) {
  if (!on_activated_) return;
  reporting_ = true;
  on_activated_(activation);
  reporting_ = false;
}

bool NotificationIcons::eventFilter(QObject* watched, QEvent* event) {
  const bool right_button =
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
  if (!right_button || !IsXEmbedIcon(watched)) return false;
  // The pop-up menu belongs to the release; the press alone does nothing.
  if (event->type() == QEvent::MouseButtonRelease) Report(TrayActivation::kContextMenu);
  return true;
}

}  // namespace quillpad::qt
