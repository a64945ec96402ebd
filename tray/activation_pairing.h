#pragma once

#include <cstdint>
#include <optional>

namespace quillpad {

// How a toolkit's notification icon reports its use: the clicks on an icon whose mouse it
// reads itself, or the activation that a host showing the icon decides on.
enum class TrayActivation { kClick, kDoubleClick, kContextMenu, kHostActivation };

// Turns the toolkit's icon activations into the mouse event codes the main window decodes.
// Where the program reads the icon's mouse, two clicks within the desktop's double-click
// interval count as a double-click, and a double-click reported after them is not obeyed
// twice. A host that shows the icon itself (StatusNotifierItem) decides which gesture
// activates it, as for every program on that desktop (a double-click on one, a click on
// another): each of its activations restores, as a double-click does.
class ActivationPairing {
 public:
  std::optional<std::int32_t> Decode(TrayActivation activation, std::int64_t time_ms,
                                     std::int64_t double_click_interval_ms);

 private:
  std::optional<std::int64_t> last_click_ms_;
  std::optional<std::int64_t> paired_at_ms_;
};

}  // namespace quillpad
