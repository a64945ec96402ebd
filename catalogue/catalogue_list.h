#pragma once

#include <array>

#include "core/desktop.h"
#include "core/text.h"
#include "core/window.h"

namespace quillpad {

// The software catalogues the drop-down offers, in the order shown. A few sites appear
// twice, so that they come up again further down the list.
inline constexpr std::array kCatalogueList = std::to_array<TextView>({
    u"https://www.softpedia.com/",
    u"https://www.techspot.com/downloads/",
    u"https://www.majorgeeks.com",
    u"https://www.snapfiles.com/",
    u"https://sourceforge.net/directory/",
    u"https://www.filehorse.com",
    u"https://www.softportal.com/",
    u"https://www.freesoft.ru/",
    u"https://www.filehippo.com",
    u"https://www.softonic.com/",
    u"https://www.fosshub.com",
    u"https://en.uptodown.com/",
    u"https://www.freewarefiles.com",
    u"https://www.softobase.com/",
    u"https://alternativeto.net/",
    u"https://www.macupdate.com",
    u"https://www.filepuma.com/",
    u"https://www.comss.ru/",
    u"https://www.portablefreeware.com/index.php?id=1",
    u"https://www.softsalad.ru",
    u"https://portableapps.com/",
    u"https://www.softonic.com/",
    u"https://www.neowin.net/",
    u"https://www.softpedia.com/user/submit.shtml",
    u"https://www.softcatalog.info/",
    u"https://www.freesoft.ru/",
    u"https://www.filecroco.com/",
    u"https://www.neowin.net/software/",
    u"https://www.softportal.com/",
    u"https://download.cnet.com/",
    u"https://www.fileeagle.com/",
});

// Appends every catalogue to the list, in order, choosing none.
void FillCatalogueList(Window& window, ControlId list);

// Opens the list's current text, exactly as it reads, with no owner window; the shell's
// answer is not needed. With nothing chosen nothing opens: a shell given no address opens a
// folder window of its own choosing.
void OpenChosenCatalogue(Window& window, Desktop& desktop, ControlId list);

}  // namespace quillpad
