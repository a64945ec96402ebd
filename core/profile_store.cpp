#include "core/profile_store.h"

#include <algorithm>
#include <vector>

#include "core/coordinate_text.h"

namespace quillpad {
namespace {

float PositionOf(Window& window, PositionEntry entry) {
  return entry == PositionEntry::kTop ? window.Top() : window.Left();
}

void SetPosition(Window& window, PositionEntry entry, float twips) {
  if (entry == PositionEntry::kTop) {
    window.SetTop(twips);
  } else {
    window.SetLeft(twips);
  }
}

Text PositionToStore(Window& window, Desktop& desktop, const Text& application,
                     const StoreEntry& entry) {
  const Text current =
      CoordinateToText(PositionOf(window, entry.position), desktop.DecimalSeparator());
  if (window.PlaceKnown()) return current;
  return desktop.ReadSetting(application, Text(kSettingsSection), Text(entry.key), current);
}

ControlId BoxOf(const FieldBoxes& boxes, ProfileField field) {
  return boxes[static_cast<std::size_t>(field)];
}

}  // namespace

void LoadProfile(Window& window, Desktop& desktop, const FieldBoxes& boxes) {
  const Text section(kSettingsSection);
  for (const StoreEntry& entry : kStoreEntries) {
    const Text application = desktop.ExecutableBaseName();
    const Text key(entry.key);
    if (!entry.is_position) {
      window.SetText(BoxOf(boxes, entry.field), desktop.ReadSetting(application, section, key, {}));
      continue;
    }
    // Nothing stored leaves the window untouched where its definition put its client area:
    // writing back the outer corner read from a window the desktop has not framed yet would
    // move it by the frame.
    const Text stored = desktop.ReadSetting(application, section, key, {});
    if (const auto twips = TextToCoordinate(stored, desktop.DecimalSeparator())) {
      SetPosition(window, entry.position, *twips);
    }
  }
}

void TellHowProfileRead(Desktop& desktop) {
  const Text notice = ProfileReadNotice(desktop.ReportProfileRead(desktop.ExecutableBaseName()));
  if (!notice.empty()) desktop.MsgBox(notice, MsgBoxStyle::kExclamation);
}

void SaveProfile(Window& window, Desktop& desktop, const FieldBoxes& boxes) {
  const Text section(kSettingsSection);
  const std::vector<KeptValue> kept = desktop.ReportProfileRead(desktop.ExecutableBaseName()).kept;
  for (const StoreEntry& entry : kStoreEntries) {
    const Text application = desktop.ExecutableBaseName();
    const Text key(entry.key);
    const Text value = entry.is_position ? PositionToStore(window, desktop, application, entry)
                                         : window.GetText(BoxOf(boxes, entry.field));
    const bool left_as_stored = std::any_of(kept.begin(), kept.end(), [&](const KeptValue& v) {
      return v.section == section && v.key == key && v.fallback == value;
    });
    if (!left_as_stored) desktop.WriteSetting(application, section, key, value);
  }
  desktop.FlushSettings(desktop.ExecutableBaseName());
}

}  // namespace quillpad
