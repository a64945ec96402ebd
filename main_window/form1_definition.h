#pragma once

#include <array>
#include <cstdint>

#include "core/profile_store.h"
#include "core/window_definition.h"

namespace quillpad {

// The main window's controls, one row each: the single source of their names, captions,
// places and sizes (twips), tab positions, looks and visibility when created.
//   LABEL(name, caption, left, top, width, height, tab)
//   TEXT_BOX(name, kind, left, top, width, height, tab, shown, back colour, text colour,
//            the profile field it shows)
//   BUTTON(name, caption, left, top, width, height, tab, shown, tool tip, accessible name)
//   DROP_DOWN(name, left, top, width, height, tab, shown)
// Authors' details first, then the program's, then the buttons both sets share.
#define QUILLPAD_FORM1_CONTROLS(LABEL, TEXT_BOX, BUTTON, DROP_DOWN)                                \
  LABEL(Label1, u"Имя(First name ):", 120, 120, 1695, 255, 1)                                      \
  TEXT_BOX(Text4, kTextBox, 2280, 120, 2295, 255, 0, true, kToolkitColour, kToolkitColour, kName)  \
  BUTTON(Command1, u"!", 4560, 120, 255, 255, 30, true, u"Copy", u"Копировать: Имя")               \
  LABEL(Label2, u"Фамилия(Last name):", 120, 360, 2175, 255, 2)                                    \
  TEXT_BOX(Text1, kTextBox, 2280, 360, 2295, 255, 4, true, kScrollBarColour, kToolkitColour,       \
           kLastname)                                                                              \
  BUTTON(Command2, u"!", 4560, 360, 255, 255, 31, true, u"Copy", u"Копировать: Фамилия")           \
  LABEL(Label3, u"Отчество(Middle name):", 120, 600, 2175, 255, 3)                                 \
  TEXT_BOX(Text2, kTextBox, 2280, 600, 2295, 255, 5, true, kToolkitColour, kToolkitColour,         \
           kMidname)                                                                               \
  BUTTON(Command3, u"!", 4560, 600, 255, 255, 32, true, u"Copy", u"Копировать: Отчество")          \
  LABEL(Label4, u"Company или Organization - фирма или организация, где вы работаете.", 120, 960,  \
        1935, 855, 6)                                                                              \
  TEXT_BOX(Text3, kTextBox, 2280, 1200, 2295, 255, 7, true, kToolkitColour, kToolkitColour,        \
           kCompany)                                                                               \
  LABEL(Label5, u"Должность(Title): ", 120, 1920, 1575, 255, 8)                                    \
  TEXT_BOX(Text5, kTextBox, 2280, 1920, 2295, 255, 9, true, kToolkitColour, kToolkitColour,        \
           kTitle)                                                                                 \
  LABEL(Label6, u"Street Adress 1:", 120, 2400, 1695, 255, 10)                                     \
  TEXT_BOX(Text6, kTextBox, 2280, 2400, 2295, 255, 12, true, kToolkitColour, kToolkitColour,       \
           kStreet1)                                                                               \
  LABEL(Label7, u"Street Adress 2:", 120, 2640, 1695, 255, 11)                                     \
  TEXT_BOX(Text7, kTextBox, 2280, 2640, 2295, 255, 13, true, kScrollBarColour, kToolkitColour,     \
           kStreer2)                                                                               \
  LABEL(Label8, u"Город(City):", 120, 2880, 1335, 255, 14)                                         \
  TEXT_BOX(Text8, kTextBox, 2280, 2880, 2295, 255, 15, true, kToolkitColour, kToolkitColour,       \
           kCity)                                                                                  \
  LABEL(Label9, u"State или Region - штат, регион. Для России RU , для Украины UA", 120, 3240,     \
        1695, 855, 16)                                                                             \
  TEXT_BOX(Text9, kTextBox, 2280, 3480, 2295, 255, 17, true, kToolkitColour, kToolkitColour,       \
           kState)                                                                                 \
  LABEL(Label10, u"Страна(Country):", 120, 4200, 1695, 255, 18)                                    \
  TEXT_BOX(Text10, kTextBox, 2280, 4200, 2295, 255, 19, true, kToolkitColour, kToolkitColour,      \
           kCounty)                                                                                \
  BUTTON(Command10, u"!", 4560, 4200, 255, 255, 39, true, u"Copy", u"Копировать: Страна")          \
  LABEL(Label11, u"Почтовый индекс(ZIP(Postal Code)):", 120, 4560, 1695, 735, 20)                  \
  TEXT_BOX(Text11, kTextBox, 2280, 4680, 2295, 255, 21, true, kToolkitColour, kToolkitColour,      \
           kZip)                                                                                   \
  BUTTON(Command11, u"!", 4560, 4680, 255, 255, 40, true, u"Copy", u"Копировать: Почтовый индекс") \
  LABEL(Label12, u"e-mail:", 120, 5280, 1695, 255, 22)                                             \
  TEXT_BOX(Text12, kTextBox, 2280, 5280, 2295, 255, 23, true, kToolkitColour, kToolkitColour,      \
           kEmail)                                                                                 \
  BUTTON(Command12, u"!", 4560, 5280, 255, 255, 41, true, u"Copy", u"Копировать: e-mail")          \
  LABEL(Label13, u"Phone:", 120, 5520, 1695, 255, 24)                                              \
  TEXT_BOX(Text13, kTextBox, 2280, 5520, 2295, 255, 27, true, kScrollBarColour, kToolkitColour,    \
           kPhone)                                                                                 \
  BUTTON(Command13, u"!", 4560, 5520, 255, 255, 42, true, u"Copy", u"Копировать: Телефон")         \
  LABEL(Label14, u"Fax:", 120, 5760, 1695, 255, 25)                                                \
  TEXT_BOX(Text14, kTextBox, 2280, 5760, 2295, 255, 28, true, kToolkitColour, kToolkitColour,      \
           kFax)                                                                                   \
  BUTTON(Command14, u"!", 4560, 5760, 255, 255, 43, true, u"Copy", u"Копировать: Факс")            \
  LABEL(Label15, u"Комментарии(Comments):", 120, 6120, 2415, 255, 26)                              \
  TEXT_BOX(Text16, kMultiLineTextBox, 2400, 6120, 2175, 495, 29, true, kToolkitColour, kBlack,     \
           kComments)                                                                              \
  BUTTON(Command15, u"!", 4560, 6120, 255, 495, 44, true, u"Copy", u"Копировать: Комментарии")     \
  LABEL(Label17, u"Каталоги программ:", 120, 120, 2055, 255, 52)                                   \
  DROP_DOWN(Combo1, 360, 360, 2175, 315, 47, false)                                                \
  BUTTON(Command18, u"Перейти!", 2760, 360, 1575, 375, 48, false, u"", u"")                        \
  LABEL(Label16, u"Название программы:", 120, 1200, 1695, 255, 51)                                 \
  TEXT_BOX(Text18, kTextBox, 2280, 1200, 2295, 255, 62, false, kToolkitColour, kToolkitColour,     \
           kPrgname)                                                                               \
  LABEL(Label18, u"Версия:", 120, 1440, 1575, 255, 53)                                             \
  TEXT_BOX(Text15, kTextBox, 2280, 1440, 2295, 255, 49, true, kScrollBarColour, kToolkitColour,    \
           kPrgvers)                                                                               \
  BUTTON(Command19, u"!", 4560, 1440, 255, 255, 50, true, u"Copy", u"Копировать: Версия")          \
  LABEL(Label22, u"e-mail: ", 120, 1920, 1575, 255, 59)                                            \
  TEXT_BOX(Text19, kTextBox, 2280, 1920, 2295, 255, 63, false, kToolkitColour, kToolkitColour,     \
           kPrgemail)                                                                              \
  LABEL(Label19, u"Адрес для скачивания 1:", 120, 2400, 2055, 255, 54)                             \
  TEXT_BOX(Text20, kTextBox, 2280, 2400, 2295, 255, 64, false, kToolkitColour, kToolkitColour,     \
           kPrgdownl1)                                                                             \
  LABEL(Label20, u"Адрес для скачивания 2:", 120, 2640, 2175, 255, 55)                             \
  TEXT_BOX(Text21, kTextBox, 2280, 2640, 2295, 255, 65, false, kScrollBarColour, kToolkitColour,   \
           kPrgdownl2)                                                                             \
  LABEL(Label21, u"Ссылка на сайт:", 120, 2880, 2055, 255, 56)                                     \
  TEXT_BOX(Text22, kTextBox, 2280, 2880, 2295, 255, 66, false, kToolkitColour, kToolkitColour,     \
           kPrgwww)                                                                                \
  LABEL(Label23, u"Короткое описание:", 120, 3480, 2055, 255, 60)                                  \
  TEXT_BOX(Text23, kTextBox, 2280, 3480, 2295, 255, 67, false, kToolkitColour, kToolkitColour,     \
           kPrgo)                                                                                  \
  TEXT_BOX(Text17, kMultiLineTextBox, 2280, 3720, 2295, 495, 57, true, kScrollBarColour, kBlack,   \
           kPrgfullo)                                                                              \
  BUTTON(Command20, u"!", 4560, 3720, 255, 495, 58, true, u"Copy", u"Копировать: Полное описание") \
  LABEL(Label24, u"Полное описание:", 120, 3840, 1695, 255, 61)                                    \
  BUTTON(Command4, u"!", 4560, 1200, 255, 255, 33, true, u"Copy",                                  \
         u"Копировать: Фирма или организация")                                                     \
  BUTTON(Command5, u"!", 4560, 1920, 255, 255, 34, true, u"Copy", u"Копировать: Должность")        \
  BUTTON(Command6, u"!", 4560, 2400, 255, 255, 35, true, u"Copy", u"Копировать: Адрес 1")          \
  BUTTON(Command7, u"!", 4560, 2640, 255, 255, 36, true, u"Copy", u"Копировать: Адрес 2")          \
  BUTTON(Command8, u"!", 4560, 2880, 255, 255, 37, true, u"Copy", u"Копировать: Город")            \
  BUTTON(Command9, u"!", 4560, 3480, 255, 255, 38, true, u"Copy", u"Копировать: Штат или регион")  \
  BUTTON(Command16, u"1", 120, 6360, 495, 255, 45, true, u"Заказы", u"")                           \
  BUTTON(Command17, u"2", 600, 6360, 495, 255, 46, true, u"Регистрация программы", u"")

#define QUILLPAD_NAME_ONLY(name, ...) name,
#define QUILLPAD_COUNT_ONE(...) +1

enum class Form1Control : std::uint16_t {
  QUILLPAD_FORM1_CONTROLS(QUILLPAD_NAME_ONLY, QUILLPAD_NAME_ONLY, QUILLPAD_NAME_ONLY,
                          QUILLPAD_NAME_ONLY)
};

inline constexpr std::size_t kForm1ControlCount = 0 QUILLPAD_FORM1_CONTROLS(
    QUILLPAD_COUNT_ONE, QUILLPAD_COUNT_ONE, QUILLPAD_COUNT_ONE, QUILLPAD_COUNT_ONE);

#undef QUILLPAD_NAME_ONLY
#undef QUILLPAD_COUNT_ONE

enum class Form1Menu : std::uint16_t { vr, pop };

// `or` is a C++ keyword, hence the trailing underscore.
enum class Form1MenuItem : std::uint16_t { cr, or_, vrr, ex };

extern const WindowDefinition kForm1Window;
extern const std::array<ControlDefinition, kForm1ControlCount> kForm1Controls;

inline constexpr std::array kForm1Menus = std::to_array<MenuDefinition>({
    {IdOf<MenuId>(Form1Menu::vr), "vr", u"Меню", true},
    {IdOf<MenuId>(Form1Menu::pop), "pop", u"pop", false},
});

inline constexpr std::array kForm1MenuItems = std::to_array<MenuItemDefinition>({
    {IdOf<MenuItemId>(Form1MenuItem::cr), IdOf<MenuId>(Form1Menu::vr), "cr", u"Скрыть", 'D'},
    {IdOf<MenuItemId>(Form1MenuItem::or_), IdOf<MenuId>(Form1Menu::vr), "or", u"О программе", 'A'},
    {IdOf<MenuItemId>(Form1MenuItem::vrr), IdOf<MenuId>(Form1Menu::vr), "vrr", u"Выход", 'E'},
    {IdOf<MenuItemId>(Form1MenuItem::ex), IdOf<MenuId>(Form1Menu::pop), "ex", u"Выход", 0},
});

// Which box shows each profile field.
extern const FieldBoxes kForm1FieldBoxes;

constexpr ControlId Id(Form1Control control) {
  return IdOf<ControlId>(control);
}

}  // namespace quillpad
