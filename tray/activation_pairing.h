#pragma once

#include <cstdint>
#include <optional>

namespace quillpad {

// How a toolkit's notification icon reports its use.
enum class TrayActivation { kClick, kDoubleClick, kContextMenu };

// Turns the toolkit's icon activations into the mouse event codes the main window decodes.
// Hosts that speak the StatusNotifierItem protocol report only one activation per click
// and never a double-click, so two clicks within the desktop's double-click interval count
// as one; a host that does report the double-click afterwards is not obeyed twice.
class ActivationPairing {
 public:
  std::optional<std::int32_t> Decode(TrayActivation activation, std::int64_t time_ms,
                                     std::int64_t double_click_interval_ms);

 private:
  std::optional<std::int64_t> last_click_ms_;
  std::optional<std::int64_t> paired_at_ms_;
};

}  // namespace quillpad
