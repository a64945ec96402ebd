#include "catalogue/catalogue_list.h"

namespace quillpad {

void FillCatalogueList(Window& window, ControlId list) {
  for (TextView address : kCatalogueList) window.AddItem(list, Text(address));
}

void OpenChosenCatalogue(Window& window, Desktop& desktop, ControlId list) {
  const Text chosen = window.GetText(list);
  if (!chosen.empty()) desktop.ShellOpen(0, chosen);
}

}  // namespace quillpad
