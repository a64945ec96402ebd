#include "core/place_keeping_window.h"

#include "core/window_reach.h"

namespace quillpad {

PlaceKeepingWindow::PlaceKeepingWindow(Window& window, Desktop& desktop)
    : window_(window), desktop_(desktop) {}

void PlaceKeepingWindow::Show() {
  if (hidden_) BringWithinReach();
  window_.Show();
  hidden_ = false;
  place_is_users_ = true;
  top_.reset();
  left_.reset();
}

void PlaceKeepingWindow::Hide() {
  if (!hidden_) {
    top_ = window_.Top();
    left_ = window_.Left();
  }
  window_.Hide();
  hidden_ = true;
}

float PlaceKeepingWindow::Top() {
  return hidden_ && top_ ? *top_ : window_.Top();
}

float PlaceKeepingWindow::Left() {
  return hidden_ && left_ ? *left_ : window_.Left();
}

void PlaceKeepingWindow::SetTop(float twips) {
  window_.SetTop(twips);
  if (hidden_) {
    top_ = twips;
    place_is_users_ = true;
  }
}

void PlaceKeepingWindow::SetLeft(float twips) {
  window_.SetLeft(twips);
  if (hidden_) {
    left_ = twips;
    place_is_users_ = true;
  }
}

void PlaceKeepingWindow::BringWithinReach() {
  // Where the desktop tells no program where its windows are, it places them itself.
  if (!window_.PlaceKnown()) return;
  const ScreenRect place{Left(), Top(), window_.Width(), window_.Height()};
  const auto areas = desktop_.ScreenWorkAreas();
  const auto moved =
      PlaceWithinReach(place, areas, place_is_users_ ? PlaceOrigin::kStored : PlaceOrigin::kFirst);
  if (!moved) return;
  if (moved->left != place.left) window_.SetLeft(moved->left);
  if (moved->top != place.top) window_.SetTop(moved->top);
}

}  // namespace quillpad
