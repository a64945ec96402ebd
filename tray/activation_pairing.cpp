#include "tray/activation_pairing.h"

#include "tray/tray_event.h"

namespace quillpad {

std::optional<std::int32_t> ActivationPairing::Decode(TrayActivation activation,
                                                      std::int64_t time_ms,
                                                      std::int64_t double_click_interval_ms) {
  const auto within_interval = [&](const std::optional<std::int64_t>& earlier) {
    return earlier && time_ms - *earlier <= double_click_interval_ms;
  };
  switch (activation) {
    case TrayActivation::kClick:
      if (within_interval(last_click_ms_)) {
        last_click_ms_.reset();
        paired_at_ms_ = time_ms;
        return kTrayLeftDoubleClick;
      }
      last_click_ms_ = time_ms;
      return std::nullopt;
    case TrayActivation::kDoubleClick: {
      const bool already_paired = within_interval(paired_at_ms_);
      last_click_ms_.reset();
      paired_at_ms_.reset();
      if (already_paired) return std::nullopt;
      return kTrayLeftDoubleClick;
    }
    case TrayActivation::kContextMenu:
      last_click_ms_.reset();
      return kTrayRightButtonUp;
    case TrayActivation::kHostActivation:
      last_click_ms_.reset();
      return kTrayLeftDoubleClick;
  }
  return std::nullopt;
}

}  // namespace quillpad
