#pragma once

#include <optional>
#include <span>

#include "core/screen_rect.h"

namespace quillpad {

// Whose place a window is shown at: the one the user left it at in an earlier run, or the
// program's own first place.
enum class PlaceOrigin { kStored, kFirst };

// The outer corner a window at `window` must move to, so that the user can see, grab and use
// it on one of the screens' `areas` (each less its panels); none where it may stay.
//
// A stored place stays while half the window's width and height, and half the strip by which
// it is dragged, are on one area: a window the user left partly beyond an edge stays so.
// The first place stays only where it is wholly on an area. Otherwise the window is brought
// wholly onto the nearest area, its top-left corner first where it is larger than the area.
// No area known leaves every place as it is.
std::optional<ScreenRect> PlaceWithinReach(const ScreenRect& window,
                                           std::span<const ScreenRect> areas, PlaceOrigin origin);

}  // namespace quillpad
