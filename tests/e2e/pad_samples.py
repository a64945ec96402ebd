"""PAD files (Portable Application Description, root element XML_DIZ_INFO) for the tests of
filling the profile from a dropped file, with what each should do to the 23 fields.

    import pad_samples
    sample = pad_samples.sample("pad311")              # or any name in SAMPLE_NAMES
    path = sample.write(folder)                        # the file, named sample.file_name
    sample.expected_values(before)                     # good files: the 23 values after
    sample.refusal                                     # bad files: why it is refused

Good samples (refusal is None) hold invented authors and programs:

    pad311           PAD 3.11 as the common editors write it: UTF-8, tab indentation, empty
                     elements as `<Address_2 />`, File_Info, Expire_Info, English
                     descriptions with a multi-line Char_Desc_2000, Web_Info, Permissions, a
                     long Affiliates section, and `&amp;` in a value
    pad311_crlf      the same file with CR LF line ends
    pad311_german    German descriptions only (the first language the file lists)
    pad311_languages German, English and Russian descriptions: English is used
    pad40            PAD 4.0, laid out by its field list (Program_Info in 4.0 order,
                     Press_Release, the short 4.0 Affiliates section), a CDATA section in
                     Char_Desc_2000 and white space around a value
    utf8_bom         UTF-8 with a byte order mark
    utf16le_bom      UTF-16 little endian with a byte order mark, declared "UTF-16"
    windows1251      declares windows-1251, a Russian author's address, Russian descriptions
                     only; empty Char_Desc_80, Char_Desc_2000 and Support_Email, so the
                     fall-backs (Char_Desc_45, Char_Desc_450, Contact_Email) give the values
    latin1           declares ISO-8859-1, a German author (Müller, Zürich, Straße)

Bad samples, with `refusal` one of the kinds below:

    not_xml          NOT_XML: a mismatched end tag
    wrong_root       WRONG_ROOT: well-formed, PAD-like content under another root element
    billion_laughs   DOCTYPE: nested internal entities that would expand to gigabytes
    external_entity  DOCTYPE: an entity naming SYSTEM "file:///etc/passwd"
    too_large        TOO_LARGE: a well-formed PAD 3.11 file of TOO_LARGE_BYTES (6 MiB),
                     padded by a comment

Folders, several files and unreadable files are made by the tests themselves.

expected_values(before) gives the 23 stored values (every key but `top` and `left`) after
the fill, from what the fields held before (all empty when before is None): each field the
file gives a non-empty value for takes it, trimmed of surrounding white space, its line
breaks written as line_break (CR LF by default, as the multi-line boxes keep them); the
others, `midname`, `title` and `comments` always among them, keep what they held.
"""

import dataclasses
import os
from xml.sax.saxutils import escape

NOT_XML = "not_xml"
WRONG_ROOT = "wrong_root"
DOCTYPE = "doctype"
TOO_LARGE = "too_large"
TOO_LARGE_BYTES = 6 * 1024 * 1024
TOO_DEEP = "too_deep"
TOO_DEEP_LEVELS = 100_000

FIELD_KEYS = (
    "name midname lastname company title street1 streer2 city state county zip email "
    "phone fax comments prgvers prgfullo prgname prgemail prgdownl1 prgdownl2 prgwww "
    "prgo").split()


@dataclasses.dataclass(frozen=True)
class Sample:
    name: str
    file_name: str
    data: bytes
    fills: dict = None  # key -> the text the file gives it, line breaks as "\n"
    refusal: str = None

    def write(self, folder):
        path = os.path.join(folder, self.file_name)
        with open(path, "wb") as f:
            f.write(self.data)
        return path

    def expected_values(self, before=None, line_break="\r\n"):
        """The 23 values after the fill (a refused file changes nothing)."""
        values = {key: (before or {}).get(key, "") for key in FIELD_KEYS}
        for key, text in (self.fills or {}).items():
            values[key] = text.replace("\n", line_break)
        return values


# ---- writing a PAD document ----------------------------------------------------

PAD_INFO = ("Portable Application Description, or PAD for short, is a data set that is "
            "used by software authors to describe their programs to catalogues.")

# What the fields the profile does not read hold in every sample.
COMMON = {
    "Company_Info/Company_WebSite_URL": "https://example.org/",
    "Company_Info/Contact_Info/Contact_First_Name": "",
    "Company_Info/Contact_Info/Contact_Last_Name": "",
    "Company_Info/Support_Info/Sales_Email": "",
    "Company_Info/Support_Info/General_Email": "",
    "Company_Info/Support_Info/Sales_Phone": "",
    "Company_Info/Support_Info/Support_Phone": "",
    "Program_Info/Program_Release_Month": "11",
    "Program_Info/Program_Release_Day": "03",
    "Program_Info/Program_Release_Year": "2026",
    "Program_Info/Program_Cost_Dollars": "19.95",
    "Program_Info/Program_Cost_Other_Code": "EUR",
    "Program_Info/Program_Cost_Other": "18.00",
    "Program_Info/Program_Type": "Shareware",
    "Program_Info/Program_Release_Status": "Major Update",
    "Program_Info/Program_Install_Support": "Install and Uninstall",
    "Program_Info/Program_OS_Support": "Win7 x32,Win7 x64,Win8,WinOther",
    "Program_Info/Program_Language": "English,German,Russian",
    "Program_Info/Program_Change_Info": "Faster start, new icons",
    "Program_Info/Program_Specific_Category": "Utilities",
    "Program_Info/Program_Category_Class": "Business::Office Suites & Tools",
    "Program_Info/Program_System_Requirements": "",
    "Program_Info/File_Info/File_Size_Bytes": "2871296",
    "Program_Info/File_Info/File_Size_K": "2804",
    "Program_Info/File_Info/File_Size_MB": "2.74",
    "Program_Info/Expire_Info/Has_Expire_Info": "Y",
    "Program_Info/Expire_Info/Expire_Count": "30",
    "Program_Info/Expire_Info/Expire_Based_On": "Days",
    "Program_Info/Expire_Info/Expire_Other_Info": "",
    "Program_Info/Expire_Info/Expire_Month": "",
    "Program_Info/Expire_Info/Expire_Day": "",
    "Program_Info/Expire_Info/Expire_Year": "",
    "Web_Info/Application_URLs/Application_Order_URL": "https://example.org/buy",
    "Web_Info/Application_URLs/Application_Screenshot_URL": "https://example.org/shot.png",
    "Web_Info/Application_URLs/Application_Icon_URL": "https://example.org/icon.png",
    "Web_Info/Application_URLs/Application_XML_File_URL": "https://example.org/pad.xml",
    "Web_Info/Download_URLs/Additional_Download_URL_1": "",
    "Web_Info/Download_URLs/Additional_Download_URL_2": "",
    "Permissions/Distribution_Permissions": "You may give the unchanged setup file away.",
    "Permissions/EULA": "Use at your own risk.\nNo warranty of any kind.",
}

COMPANY = ["Company_Name", "Address_1", "Address_2", "City_Town", "State_Province",
           "Zip_Postal_Code", "Country", "Company_WebSite_URL",
           ("Contact_Info", ["Author_First_Name", "Author_Last_Name", "Author_Email",
                             "Contact_First_Name", "Contact_Last_Name", "Contact_Email"]),
           ("Support_Info", ["Sales_Email", "Support_Email", "General_Email", "Sales_Phone",
                             "Support_Phone", "General_Phone", "Fax_Phone"])]
FILE_INFO = ("File_Info", ["File_Size_Bytes", "File_Size_K", "File_Size_MB"])
EXPIRE_INFO = ("Expire_Info", ["Has_Expire_Info", "Expire_Count", "Expire_Based_On",
                               "Expire_Other_Info", "Expire_Month", "Expire_Day",
                               "Expire_Year"])
PROGRAM_HEAD = ["Program_Name", "Program_Version", "Program_Release_Month",
                "Program_Release_Day", "Program_Release_Year", "Program_Cost_Dollars",
                "Program_Cost_Other_Code", "Program_Cost_Other", "Program_Type",
                "Program_Release_Status", "Program_Install_Support", "Program_OS_Support",
                "Program_Language"]
PROGRAM_311 = PROGRAM_HEAD + ["Program_Change_Info", "Program_Specific_Category",
                              "Program_Category_Class", "Program_System_Requirements",
                              FILE_INFO, EXPIRE_INFO]
# PAD 4.0 moves File_Info and Expire_Info up and swaps the two category fields.
PROGRAM_40 = PROGRAM_HEAD + [FILE_INFO, EXPIRE_INFO, "Program_Change_Info",
                             "Program_Category_Class", "Program_Specific_Category",
                             "Program_System_Requirements"]
DESCRIPTION = ["Keywords", "Char_Desc_45", "Char_Desc_80", "Char_Desc_250", "Char_Desc_450",
               "Char_Desc_2000"]
WEB_INFO = [("Application_URLs", ["Application_Info_URL", "Application_Order_URL",
                                  "Application_Screenshot_URL", "Application_Icon_URL",
                                  "Application_XML_File_URL"]),
            ("Download_URLs", ["Primary_Download_URL", "Secondary_Download_URL",
                               "Additional_Download_URL_1", "Additional_Download_URL_2"])]
# Invented payment services; an editor writes the same dozen fields for each it knows.
AFFILIATE_SERVICES = ["Northpay", "Kassenwerk", "Softcart", "Paylark", "Orderbay",
                      "Regnow", "Shopmill", "Tillhouse"]
AFFILIATE_FIELDS = ["Order_Page", "Vendor_ID", "Product_ID", "Maximum_Commission_Rate"]
AFFILIATES_311 = (["Affiliates_FORM", "Affiliates_VERSION", "Affiliates_URL",
                   "Affiliates_Information_Page"]
                  + [f"Affiliates_{s}_{f}" for s in AFFILIATE_SERVICES for f in AFFILIATE_FIELDS])
AFFILIATES_40 = ["Affiliates_FORM", "Affiliates_VERSION", "Affiliates_URL",
                 "Affiliates_Information_Page"]
AFFILIATE_VALUES = {"Affiliates/Affiliates_FORM": "Y", "Affiliates/Affiliates_VERSION": "1.4",
                    "Affiliates/Affiliates_URL": "https://example.org/affiliates.htm",
                    "Affiliates/Affiliates_Northpay_Order_Page": "https://example.org/np",
                    "Affiliates/Affiliates_Northpay_Vendor_ID": "48121",
                    "Affiliates/Affiliates_Northpay_Product_ID": "300417",
                    "Affiliates/Affiliates_Northpay_Maximum_Commission_Rate": "30",
                    "Affiliates/Affiliates_Softcart_Order_Page": "https://example.org/sc"}


def _layout(version, languages):
    program = PROGRAM_40 if version == "4.0" else PROGRAM_311
    layout = [("MASTER_PAD_VERSION_INFO", ["MASTER_PAD_VERSION", "MASTER_PAD_EDITOR",
                                           "MASTER_PAD_INFO"]),
              ("Company_Info", COMPANY), ("Program_Info", program),
              ("Program_Descriptions", [(lang, DESCRIPTION) for lang in languages]),
              ("Web_Info", WEB_INFO), ("Permissions", ["Distribution_Permissions", "EULA"])]
    if version == "4.0":
        layout.append(("Press_Release", ["Press_Release", "Keywords"]))
        layout.append(("Affiliates", AFFILIATES_40))
    else:
        layout.append(("Affiliates", AFFILIATES_311))
    layout.append(("ASP", ["ASP_FORM", "ASP_Member", "ASP_Member_Number"]))
    return layout


def _render(layout, values, prefix, depth, lines):
    indent = "\t" * depth
    for item in layout:
        if isinstance(item, tuple):
            name, children = item
            lines.append(f"{indent}<{name}>")
            _render(children, values, f"{prefix}{name}/", depth + 1, lines)
            lines.append(f"{indent}</{name}>")
            continue
        raw = values.get(prefix + item, "")
        if raw == "":
            lines.append(f"{indent}<{item} />")
        else:
            body = raw if raw.startswith("<![CDATA[") else escape(raw)
            lines.append(f"{indent}<{item}>{body}</{item}>")


def pad_text(fields, descriptions, version="3.11", root="XML_DIZ_INFO", encoding="UTF-8",
             editor="PadWriter 3.1.2"):
    """A PAD document as text: fields maps element paths under the root to their text
    (a value starting "<![CDATA[" is written as it is), descriptions maps each language
    to its Keywords and Char_Desc_* texts, in the order the file lists them."""
    values = dict(COMMON)
    values.update(AFFILIATE_VALUES)
    values.update({"MASTER_PAD_VERSION_INFO/MASTER_PAD_VERSION": version,
                   "MASTER_PAD_VERSION_INFO/MASTER_PAD_EDITOR": editor,
                   "MASTER_PAD_VERSION_INFO/MASTER_PAD_INFO": PAD_INFO,
                   "ASP/ASP_FORM": "Y", "ASP/ASP_Member": "N"})
    if version == "4.0":
        values["Press_Release/Press_Release"] = "A new version is out."
    values.update(fields)
    for language, texts in descriptions.items():
        values.update({f"Program_Descriptions/{language}/{k}": v for k, v in texts.items()})
    lines = [f'<?xml version="1.0" encoding="{encoding}" ?>', f"<{root}>"]
    _render(_layout(version, list(descriptions)), values, "", 1, lines)
    lines.append(f"</{root}>")
    return "\n".join(lines) + "\n"


# ---- the authors and programs --------------------------------------------------

ENGLISH_FIELDS = {
    "Company_Info/Company_Name": "Vance & Daughters Software",
    "Company_Info/Address_1": "17 Larkspur Lane",
    "Company_Info/City_Town": "Millbrook",
    "Company_Info/State_Province": "OR",
    "Company_Info/Zip_Postal_Code": "97999",
    "Company_Info/Country": "U.S.A.",
    "Company_Info/Contact_Info/Author_First_Name": "Elinor",
    "Company_Info/Contact_Info/Author_Last_Name": "Vance",
    "Company_Info/Contact_Info/Author_Email": "elinor@vance.example",
    "Company_Info/Contact_Info/Contact_Email": "office@vance.example",
    "Company_Info/Support_Info/Support_Email": "help@vance.example",
    "Company_Info/Support_Info/General_Phone": "+1-555-0142",
    "Company_Info/Support_Info/Fax_Phone": "+1-555-0143",
    "Program_Info/Program_Name": "TidyNotes",
    "Program_Info/Program_Version": "2.4.1",
    "Web_Info/Application_URLs/Application_Info_URL": "https://vance.example/tidynotes/",
    "Web_Info/Download_URLs/Primary_Download_URL": "https://vance.example/get/tidynotes.exe",
    "Web_Info/Download_URLs/Secondary_Download_URL": "https://mirror.vance.example/tn.zip",
}
ENGLISH_FILLS = {
    "name": "Elinor", "lastname": "Vance", "company": "Vance & Daughters Software",
    "street1": "17 Larkspur Lane", "city": "Millbrook", "state": "OR", "county": "U.S.A.",
    "zip": "97999", "email": "elinor@vance.example", "phone": "+1-555-0142",
    "fax": "+1-555-0143", "prgname": "TidyNotes", "prgvers": "2.4.1",
    "prgemail": "help@vance.example", "prgdownl1": "https://vance.example/get/tidynotes.exe",
    "prgdownl2": "https://mirror.vance.example/tn.zip",
    "prgwww": "https://vance.example/tidynotes/",
}
ENGLISH_FULL = ("TidyNotes keeps every note you take in one searchable place.\n"
                "\n"
                "Type, paste or drop text; tag notes; find any of them in a moment.\n"
                "Notes are plain files <yours to keep>, and backups run by themselves.")
ENGLISH = {
    "Keywords": "notes, notebook, organizer, search",
    "Char_Desc_45": "Keep and find your notes",
    "Char_Desc_80": "Keep every note in one place and find any of them in a moment",
    "Char_Desc_250": "TidyNotes keeps every note you take in one searchable place.",
    "Char_Desc_450": "TidyNotes keeps every note you take in one searchable place. Tag, "
                     "find and back up your notes.",
    "Char_Desc_2000": ENGLISH_FULL,
}
ENGLISH_DESCRIPTION_FILLS = {"prgo": ENGLISH["Char_Desc_80"], "prgfullo": ENGLISH_FULL}

GERMAN = {
    "Keywords": "Notizen, Notizbuch, Suche",
    "Char_Desc_45": "Notizen sammeln und finden",
    "Char_Desc_80": "Alle Notizen an einem Ort, jede im Nu wiedergefunden",
    "Char_Desc_250": "TidyNotes sammelt alle Notizen an einem durchsuchbaren Ort.",
    "Char_Desc_450": "TidyNotes sammelt alle Notizen an einem durchsuchbaren Ort. "
                     "Schlagwörter, Suche, Sicherung.",
    "Char_Desc_2000": "TidyNotes sammelt alle Notizen an einem durchsuchbaren Ort.\n"
                      "Schlagwörter vergeben, suchen, fertig.",
}
RUSSIAN = {
    "Keywords": "заметки, блокнот, поиск",
    "Char_Desc_45": "Заметки всегда под рукой",
    "Char_Desc_80": "",
    "Char_Desc_250": "Программа хранит заметки и быстро находит нужную.",
    "Char_Desc_450": "Программа хранит заметки в одном месте и быстро находит нужную.\n"
                     "Резервные копии делаются сами.",
    "Char_Desc_2000": "",
}

RUSSIAN_FIELDS = {
    "Company_Info/Company_Name": "ИП Звягинцев",
    "Company_Info/Address_1": "ул. Садовая, д. 12, кв. 34",
    "Company_Info/Address_2": "а/я 77",
    "Company_Info/City_Town": "Ярославль",
    "Company_Info/State_Province": "Ярославская обл.",
    "Company_Info/Zip_Postal_Code": "150999",
    "Company_Info/Country": "Россия",
    "Company_Info/Contact_Info/Author_First_Name": "Всеволод",
    "Company_Info/Contact_Info/Author_Last_Name": "Звягинцев",
    "Company_Info/Contact_Info/Author_Email": "seva@zvyagintsev.example",
    "Company_Info/Contact_Info/Contact_Email": "info@zvyagintsev.example",
    "Company_Info/Support_Info/General_Phone": "+7 (4852) 00-00-00",
    "Program_Info/Program_Name": "Записная книжка",
    "Program_Info/Program_Version": "1.0 бета",
    "Web_Info/Application_URLs/Application_Info_URL": "https://zvyagintsev.example/zk/",
    "Web_Info/Download_URLs/Primary_Download_URL": "https://zvyagintsev.example/zk.zip",
}
RUSSIAN_FILLS = {
    "name": "Всеволод", "lastname": "Звягинцев", "company": "ИП Звягинцев",
    "street1": "ул. Садовая, д. 12, кв. 34", "streer2": "а/я 77", "city": "Ярославль",
    "state": "Ярославская обл.", "county": "Россия", "zip": "150999",
    "email": "seva@zvyagintsev.example", "phone": "+7 (4852) 00-00-00",
    "prgname": "Записная книжка", "prgvers": "1.0 бета",
    "prgemail": "info@zvyagintsev.example", "prgdownl1": "https://zvyagintsev.example/zk.zip",
    "prgwww": "https://zvyagintsev.example/zk/",
    "prgo": RUSSIAN["Char_Desc_45"], "prgfullo": RUSSIAN["Char_Desc_450"],
}

LATIN1_FIELDS = {
    "Company_Info/Company_Name": "Müller Softwarehaus",
    "Company_Info/Address_1": "Seestraße 5",
    "Company_Info/City_Town": "Zürich",
    "Company_Info/State_Province": "ZH",
    "Company_Info/Zip_Postal_Code": "8099",
    "Company_Info/Country": "Schweiz",
    "Company_Info/Contact_Info/Author_First_Name": "Jörg",
    "Company_Info/Contact_Info/Author_Last_Name": "Müller",
    "Company_Info/Contact_Info/Author_Email": "joerg@mueller.example",
    "Company_Info/Support_Info/Support_Email": "hilfe@mueller.example",
    "Company_Info/Support_Info/General_Phone": "+41 44 000 00 00",
    "Company_Info/Support_Info/Fax_Phone": "+41 44 000 00 01",
    "Program_Info/Program_Name": "Größenrechner",
    "Program_Info/Program_Version": "3.2",
    "Web_Info/Application_URLs/Application_Info_URL": "https://mueller.example/gr/",
    "Web_Info/Download_URLs/Primary_Download_URL": "https://mueller.example/gr.exe",
}
LATIN1_GERMAN = {
    "Keywords": "Größe, Rechner",
    "Char_Desc_45": "Größen umrechnen",
    "Char_Desc_80": "Rechnet Längen, Flächen und Gewichte um, schnell und genau",
    "Char_Desc_250": "Größenrechner rechnet Maße um.",
    "Char_Desc_450": "",
    "Char_Desc_2000": "Größenrechner rechnet Längen, Flächen und Gewichte um.\n"
                      "Für Büro, Küche und Werkstatt.",
}
LATIN1_FILLS = {
    "name": "Jörg", "lastname": "Müller", "company": "Müller Softwarehaus",
    "street1": "Seestraße 5", "city": "Zürich", "state": "ZH", "county": "Schweiz",
    "zip": "8099", "email": "joerg@mueller.example", "phone": "+41 44 000 00 00",
    "fax": "+41 44 000 00 01", "prgname": "Größenrechner", "prgvers": "3.2",
    "prgemail": "hilfe@mueller.example", "prgdownl1": "https://mueller.example/gr.exe",
    "prgwww": "https://mueller.example/gr/",
    "prgo": LATIN1_GERMAN["Char_Desc_80"], "prgfullo": LATIN1_GERMAN["Char_Desc_2000"],
}

PAD40_FIELDS = dict(ENGLISH_FIELDS)
PAD40_FIELDS.update({
    "Program_Info/Program_Version": "\n\t\t\t3.0  \n\t\t",
    "Company_Info/Support_Info/Fax_Phone": "",
})
PAD40_FULL = "Version 3 keeps notebooks in sync.\nAnd it opens in half the time."
PAD40_ENGLISH = dict(ENGLISH, Char_Desc_2000="<![CDATA[" + PAD40_FULL + "]]>")
PAD40_FILLS = dict(ENGLISH_FILLS, prgvers="3.0", prgo=ENGLISH["Char_Desc_80"],
                   prgfullo=PAD40_FULL)
del PAD40_FILLS["fax"]


# ---- the samples ------------------------------------------------------------------

def _good(name, text, fills, encoding="utf-8", bom=b"", newline="\n"):
    data = bom + text.replace("\n", newline).encode(encoding)
    return Sample(name, f"{name}.xml", data, fills=fills)


def _pad311(descriptions=None, **kwargs):
    return pad_text(ENGLISH_FIELDS, descriptions or {"English": ENGLISH}, **kwargs)


def _not_xml():
    lines = _pad311().split("\n")
    line = next(i for i, t in enumerate(lines) if "<City_Town>" in t)
    lines[line] = lines[line].replace("</City_Town>", "</City_Twon>")
    return Sample("not_xml", "not_xml.xml", "\n".join(lines).encode("utf-8"), refusal=NOT_XML)


def _billion_laughs():
    entities = ['<!ENTITY lol0 "lol">']
    entities += [f'<!ENTITY lol{n} "{f"&lol{n - 1};" * 10}">' for n in range(1, 10)]
    doctype = "<!DOCTYPE XML_DIZ_INFO [\n" + "\n".join(entities) + "\n]>\n"
    text = _pad311().replace("Vance &amp; Daughters Software", "&lol9;")
    head, body = text.split("\n", 1)
    return Sample("billion_laughs", "billion_laughs.xml",
                  (head + "\n" + doctype + body).encode("utf-8"), refusal=DOCTYPE)


def _external_entity():
    doctype = '<!DOCTYPE XML_DIZ_INFO [\n<!ENTITY xxe SYSTEM "file:///etc/passwd">\n]>\n'
    text = _pad311().replace("<Author_First_Name>Elinor<", "<Author_First_Name>&xxe;<")
    head, body = text.split("\n", 1)
    return Sample("external_entity", "external_entity.xml",
                  (head + "\n" + doctype + body).encode("utf-8"), refusal=DOCTYPE)


def _too_large():
    text = _pad311()
    filler = TOO_LARGE_BYTES - len(text.encode("utf-8")) - len("<!--  -->\n")
    return Sample("too_large", "too_large.xml",
                  (text + "<!-- " + "x" * filler + " -->\n").encode("utf-8"),
                  refusal=TOO_LARGE)


def _deeply_nested():
    """Elements inside elements, far deeper than any PAD file nests, in well under 1 MB."""
    inner = TOO_DEEP_LEVELS - 1
    text = "<XML_DIZ_INFO>" + "<a>" * inner + "x" + "</a>" * inner + "</XML_DIZ_INFO>"
    return Sample("deeply_nested", "deeply_nested.xml", text.encode("ascii"), refusal=TOO_DEEP)


_BUILDERS = {
    "pad311": lambda: _good("pad311", _pad311(), dict(ENGLISH_FILLS, **ENGLISH_DESCRIPTION_FILLS)),
    "pad311_crlf": lambda: _good("pad311_crlf", _pad311(),
                                 dict(ENGLISH_FILLS, **ENGLISH_DESCRIPTION_FILLS),
                                 newline="\r\n"),
    "pad311_german": lambda: _good(
        "pad311_german", _pad311({"German": GERMAN}),
        dict(ENGLISH_FILLS, prgo=GERMAN["Char_Desc_80"], prgfullo=GERMAN["Char_Desc_2000"])),
    "pad311_languages": lambda: _good(
        "pad311_languages", _pad311({"German": GERMAN, "English": ENGLISH, "Russian": RUSSIAN}),
        dict(ENGLISH_FILLS, **ENGLISH_DESCRIPTION_FILLS)),
    "pad40": lambda: _good("pad40", pad_text(PAD40_FIELDS, {"English": PAD40_ENGLISH},
                                             version="4.0", editor="PadWriter 4.0.1"),
                           PAD40_FILLS),
    "utf8_bom": lambda: _good("utf8_bom", _pad311(),
                              dict(ENGLISH_FILLS, **ENGLISH_DESCRIPTION_FILLS),
                              bom=b"\xef\xbb\xbf"),
    "utf16le_bom": lambda: _good(
        "utf16le_bom", pad_text(RUSSIAN_FIELDS, {"Russian": RUSSIAN}, encoding="UTF-16"),
        RUSSIAN_FILLS, encoding="utf-16-le", bom=b"\xff\xfe"),
    "windows1251": lambda: _good(
        "windows1251", pad_text(RUSSIAN_FIELDS, {"Russian": RUSSIAN}, encoding="windows-1251"),
        RUSSIAN_FILLS, encoding="cp1251", newline="\r\n"),
    "latin1": lambda: _good(
        "latin1", pad_text(LATIN1_FIELDS, {"German": LATIN1_GERMAN}, encoding="ISO-8859-1"),
        LATIN1_FILLS, encoding="latin-1"),
    "not_xml": _not_xml,
    "wrong_root": lambda: Sample("wrong_root", "wrong_root.xml",
                                 _pad311(root="PAD_INFO").encode("utf-8"), refusal=WRONG_ROOT),
    "billion_laughs": _billion_laughs,
    "external_entity": _external_entity,
    "too_large": _too_large,
    "deeply_nested": _deeply_nested,
}
SAMPLE_NAMES = tuple(_BUILDERS)
BAD_NAMES = ("not_xml", "wrong_root", "billion_laughs", "external_entity", "too_large",
             "deeply_nested")
GOOD_NAMES = tuple(n for n in SAMPLE_NAMES if n not in BAD_NAMES)


def sample(name):
    """The sample of that name (built on demand: too_large is 6 MiB)."""
    return _BUILDERS[name]()
