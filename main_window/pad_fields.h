#pragma once

#include <array>
#include <cstdint>

#include "core/profile_entries.h"
#include "core/text.h"

namespace quillpad {

// A PAD file (Portable Application Description, the XML that download sites read) holds
// most of the profile. Its element paths are written from below the root, the descriptions'
// from below the language chosen under `Program_Descriptions`.
inline constexpr TextView kPadRoot = u"XML_DIZ_INFO";
inline constexpr TextView kPadDescriptions = u"Program_Descriptions";
inline constexpr TextView kPadPreferredLanguage = u"English";

enum class PadBranch : std::uint8_t { kRoot, kDescription };

// A profile field a PAD file can fill: the name its box goes by when the user is asked (the
// words of the label on its row, told apart where both pages use the same words), and the
// elements that hold its value, in order of preference; unused ones are empty.
struct PadField {
  ProfileField field;
  TextView name;
  PadBranch branch;
  std::array<TextView, 3> paths;
};

// The author's boxes and then the program's, each page from top to bottom. The middle
// name, the title and the comments have no counterpart in a PAD file.
inline constexpr std::array kPadFields = [] {
  using enum ProfileField;
  using enum PadBranch;
  return std::to_array<PadField>({
      {kName, u"Имя", kRoot, {u"Company_Info/Contact_Info/Author_First_Name"}},
      {kLastname, u"Фамилия", kRoot, {u"Company_Info/Contact_Info/Author_Last_Name"}},
      {kCompany, u"Фирма или организация", kRoot, {u"Company_Info/Company_Name"}},
      {kStreet1, u"Адрес 1", kRoot, {u"Company_Info/Address_1"}},
      {kStreer2, u"Адрес 2", kRoot, {u"Company_Info/Address_2"}},
      {kCity, u"Город", kRoot, {u"Company_Info/City_Town"}},
      {kState, u"Штат или регион", kRoot, {u"Company_Info/State_Province"}},
      {kCounty, u"Страна", kRoot, {u"Company_Info/Country"}},
      {kZip, u"Почтовый индекс", kRoot, {u"Company_Info/Zip_Postal_Code"}},
      {kEmail, u"e-mail автора", kRoot, {u"Company_Info/Contact_Info/Author_Email"}},
      {kPhone, u"Телефон", kRoot, {u"Company_Info/Support_Info/General_Phone"}},
      {kFax, u"Факс", kRoot, {u"Company_Info/Support_Info/Fax_Phone"}},
      {kPrgname, u"Название программы", kRoot, {u"Program_Info/Program_Name"}},
      {kPrgvers, u"Версия", kRoot, {u"Program_Info/Program_Version"}},
      {kPrgemail,
       u"e-mail программы",
       kRoot,
       {u"Company_Info/Support_Info/Support_Email", u"Company_Info/Contact_Info/Contact_Email"}},
      {kPrgdownl1,
       u"Адрес для скачивания 1",
       kRoot,
       {u"Web_Info/Download_URLs/Primary_Download_URL"}},
      {kPrgdownl2,
       u"Адрес для скачивания 2",
       kRoot,
       {u"Web_Info/Download_URLs/Secondary_Download_URL"}},
      {kPrgwww, u"Ссылка на сайт", kRoot, {u"Web_Info/Application_URLs/Application_Info_URL"}},
      {kPrgo, u"Короткое описание", kDescription, {u"Char_Desc_80", u"Char_Desc_45"}},
      {kPrgfullo,
       u"Полное описание",
       kDescription,
       {u"Char_Desc_2000", u"Char_Desc_450", u"Char_Desc_250"}},
  });
}();

}  // namespace quillpad
