#pragma once

#include <array>

#include "core/desktop.h"
#include "core/text.h"
#include "core/window.h"

namespace quillpad {

// The software catalogues the drop-down offers, in the order shown. A few sites appear
// twice, so that they come up again further down the list.
extern const std::array<TextView, 31> kCatalogueList;

// Appends every catalogue to the list, in order, choosing none.
void FillCatalogueList(Window& window, ControlId list);

// Opens the list's current text, exactly as it reads (empty when nothing is chosen), with
// no owner window; the shell's answer is not needed.
void OpenChosenCatalogue(Window& window, Desktop& desktop, ControlId list);

}  // namespace quillpad
