#include "catalogue/catalogue_list.h"

namespace quillpad {

const std::array<TextView, 31> kCatalogueList = {
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
};

void FillCatalogueList(Window& window, ControlId list) {
  for (TextView address : kCatalogueList) window.AddItem(list, Text(address));
}

void OpenChosenCatalogue(Window& window, Desktop& desktop, ControlId list) {
  desktop.ShellOpen(0, window.GetText(list));
}

}  // namespace quillpad
