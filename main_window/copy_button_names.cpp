#include "main_window/copy_button_names.h"

#include <algorithm>

namespace quillpad {

using enum Form1Control;

const std::array<ProgramPageName, 6> kProgramPageNames = {{
    {Command4, u"Копировать: Название программы"},
    {Command5, u"Копировать: e-mail"},
    {Command6, u"Копировать: Адрес для скачивания 1"},
    {Command7, u"Копировать: Адрес для скачивания 2"},
    {Command8, u"Копировать: Ссылка на сайт"},
    {Command9, u"Копировать: Короткое описание"},
}};

TextView CopyButtonName(Form1Control button, bool program_page) {
  if (program_page) {
    const auto shared =
        std::find_if(kProgramPageNames.begin(), kProgramPageNames.end(),
                     [&](const ProgramPageName& entry) { return entry.button == button; });
    if (shared != kProgramPageNames.end()) return shared->name;
  }
  const auto definition =
      std::find_if(kForm1Controls.begin(), kForm1Controls.end(),
                   [&](const ControlDefinition& control) { return control.id == Id(button); });
  return definition->accessible_name;
}

void NameSharedRowButtons(Window& window, bool program_page) {
  for (const ProgramPageName& entry : kProgramPageNames) {
    window.SetAccessibleName(Id(entry.button), Text(CopyButtonName(entry.button, program_page)));
  }
}

}  // namespace quillpad
