#include "frontends/qt/notification_icons.h"

#include <cstring>

namespace quillpad::qt {
namespace {

std::uint32_t Uint32At(const NarrowTrayRecord& record, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{record[offset + i]} << (8 * i);
  return value;
}

// The tip as the shell shows it: the bytes up to the NUL.
QString TipOf(const NarrowTrayRecord& record) {
  const auto* tip = reinterpret_cast<const char*>(record.data() + 24);
  return QString::fromLatin1(tip, static_cast<qsizetype>(strnlen(tip, 64)));
}

std::optional<TrayActivation> ActivationOf(QSystemTrayIcon::ActivationReason reason) {
  switch (reason) {
    case QSystemTrayIcon::Trigger:
      return TrayActivation::kClick;
    case QSystemTrayIcon::DoubleClick:
      return TrayActivation::kDoubleClick;
    case QSystemTrayIcon::Context:
      return TrayActivation::kContextMenu;
    default:
      return std::nullopt;
  }
}

}  // namespace

NativeHandle NotificationIcons::RegisterIcon(const QIcon& icon) {
  const auto handle = static_cast<NativeHandle>(icons_.size() + 1);
  icons_[handle] = icon;
  return handle;
}

bool NotificationIcons::Available() {
  return QSystemTrayIcon::isSystemTrayAvailable();
}

bool NotificationIcons::Send(NotifyIconMessage message, const NarrowTrayRecord& record) {
  const Key key{Uint32At(record, 4), Uint32At(record, 8)};
  if (message == NotifyIconMessage::kDelete) {
    auto node = shown_.extract(key);
    if (node.empty()) return false;
    // An icon that is reporting this very click is removed once the report is done.
    if (reporting_) {
      node.mapped().release()->deleteLater();
    }
    return true;
  }
  if (shown_.count(key) != 0 || !Available()) return false;
  auto icon = std::make_unique<QSystemTrayIcon>();
  const auto image = icons_.find(Uint32At(record, 20));
  if (image != icons_.end()) icon->setIcon(image->second);
  icon->setToolTip(TipOf(record));
  QObject::connect(icon.get(), &QSystemTrayIcon::activated, [this](auto reason) {
    const auto activation = ActivationOf(reason);
    if (!activation || !on_activated_) return;
    reporting_ = true;
    on_activated_(*activation);
    reporting_ = false;
  });
  icon->show();
  shown_[key] = std::move(icon);
  return true;
}

const QSystemTrayIcon* NotificationIcons::Shown(NativeHandle window, std::uint32_t id) const {
  const auto found = shown_.find({window, id});
  return found == shown_.end() ? nullptr : found->second.get();
}

}  // namespace quillpad::qt
