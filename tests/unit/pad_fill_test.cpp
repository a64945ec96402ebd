#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/pad_document.h"
#include "fakes/recording_desktop.h"
#include "fakes/recording_window.h"
#include "main_window/form1.h"
#include "main_window/pad_messages.h"

namespace quillpad {
namespace {

using testing::PadDocument;
using testing::Reading;
using testing::RecordingDesktop;
using testing::RecordingWindow;
using Log = std::vector<std::string>;
using enum Form1Control;

constexpr TextView kPath = u"/home/user/quillpad_pad.xml";

// A PAD 3.11 file as the common editors write it, every field given.
XmlReading FullPadFile() {
  return PadDocument({
      {u"MASTER_PAD_VERSION_INFO/MASTER_PAD_VERSION", u"3.11"},
      {u"Company_Info/Company_Name", u"Quill Works"},
      {u"Company_Info/Address_1", u"1 Main Street"},
      {u"Company_Info/Address_2", u"Suite 5"},
      {u"Company_Info/City_Town", u"Springfield"},
      {u"Company_Info/State_Province", u"IL"},
      {u"Company_Info/Zip_Postal_Code", u"62701"},
      {u"Company_Info/Country", u"USA"},
      {u"Company_Info/Contact_Info/Author_First_Name", u"Ivan"},
      {u"Company_Info/Contact_Info/Author_Last_Name", u"Petrov"},
      {u"Company_Info/Contact_Info/Author_Email", u"ivan@example.com"},
      {u"Company_Info/Contact_Info/Contact_Email", u"contact@example.com"},
      {u"Company_Info/Support_Info/Support_Email", u"support@example.com"},
      {u"Company_Info/Support_Info/General_Phone", u"+1 555 0100"},
      {u"Company_Info/Support_Info/Fax_Phone", u"+1 555 0101"},
      {u"Program_Info/Program_Name", u"Quillpad"},
      {u"Program_Info/Program_Version", u"2.1"},
      {u"Program_Descriptions/English/Char_Desc_45", u"Forty-five"},
      {u"Program_Descriptions/English/Char_Desc_80", u"Eighty"},
      {u"Program_Descriptions/English/Char_Desc_2000", u"Line one\nLine two"},
      {u"Web_Info/Application_URLs/Application_Info_URL", u"https://example.com/quillpad"},
      {u"Web_Info/Download_URLs/Primary_Download_URL", u"https://example.com/q.zip"},
      {u"Web_Info/Download_URLs/Secondary_Download_URL", u"https://mirror.example.com/q.zip"},
      {u"Affiliates/Affiliates_FORM", u"Y"},
  });
}

class PadFillTest : public ::testing::Test {
 protected:
  void Drop(const XmlReading& reading) {
    desktop.xml_files[Text(kPath)] = reading;
    form.Form_OLEDragDrop({Text(kPath)});
  }
  Text& Box(Form1Control box) { return window.texts[Id(box)]; }
  // The boxes that hold text (reading an empty box leaves it listed in the fake, empty).
  std::map<ControlId, Text> Texts() {
    std::map<ControlId, Text> texts;
    for (const auto& [box, text] : window.texts) {
      if (!text.empty()) texts.emplace(box, text);
    }
    return texts;
  }
  bool Logged(const std::string& prefix) {
    return std::any_of(log.begin(), log.end(),
                       [&](const std::string& entry) { return entry.starts_with(prefix); });
  }

  Log log;
  RecordingWindow window{log};
  RecordingDesktop desktop{log};
  Form1 form{window, desktop};
};

TEST_F(PadFillTest, APadFileFillsTheBoxesItHasValuesForAndWritesNothingToTheStore) {
  Box(Text2) = u"Middle";
  Box(Text5) = u"Owner";
  Box(Text16) = u"Notes\r\nmore";
  Drop(FullPadFile());
  EXPECT_TRUE(Logged("desktop.ReadXmlFile /home/user/quillpad_pad.xml 4194304"));
  EXPECT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(Texts(), (std::map<ControlId, Text>{
                         {Id(Text4), u"Ivan"},
                         {Id(Text1), u"Petrov"},
                         {Id(Text2), u"Middle"},
                         {Id(Text3), u"Quill Works"},
                         {Id(Text5), u"Owner"},
                         {Id(Text6), u"1 Main Street"},
                         {Id(Text7), u"Suite 5"},
                         {Id(Text8), u"Springfield"},
                         {Id(Text9), u"IL"},
                         {Id(Text10), u"USA"},
                         {Id(Text11), u"62701"},
                         {Id(Text12), u"ivan@example.com"},
                         {Id(Text13), u"+1 555 0100"},
                         {Id(Text14), u"+1 555 0101"},
                         {Id(Text16), u"Notes\r\nmore"},
                         {Id(Text15), u"2.1"},
                         {Id(Text17), u"Line one\r\nLine two"},
                         {Id(Text18), u"Quillpad"},
                         {Id(Text19), u"support@example.com"},
                         {Id(Text20), u"https://example.com/q.zip"},
                         {Id(Text21), u"https://mirror.example.com/q.zip"},
                         {Id(Text22), u"https://example.com/quillpad"},
                         {Id(Text23), u"Eighty"},
                     }));
  EXPECT_FALSE(Logged("desktop.WriteSetting"));
  EXPECT_FALSE(Logged("desktop.FlushSettings"));
  for (Form1Control untouched : {Text2, Text5, Text16}) {
    EXPECT_EQ(std::count(log.begin(), log.end(),
                         "window.GetText " + std::to_string(static_cast<int>(Id(untouched)))),
              0);
  }

  // What was filled is what the boxes hold: the same file brings nothing new.
  log.clear();
  Drop(FullPadFile());
  EXPECT_EQ(desktop.messages.back(), PadNothingNewMessage());
  EXPECT_EQ(log.back(), "desktop.MsgBox exclamation");
  EXPECT_FALSE(Logged("desktop.MsgBox question"));
}

TEST_F(PadFillTest, TheQuestionCountsTheBoxesThatChangeAndNamesThoseWhoseTextIsReplaced) {
  Box(Text4) = u"Ivan";
  Box(Text1) = u"Sidorov";
  Box(Text12) = u"old@example.com";
  Box(Text19) = u"old-support@example.com";
  // Typed on Linux, with bare line feeds: the same text as the file's.
  Box(Text17) = u"Line one\nLine two";
  Drop(PadDocument({
      {u"Company_Info/Company_Name", u"Quill Works"},
      {u"Company_Info/Contact_Info/Author_First_Name", u"Ivan"},
      {u"Company_Info/Contact_Info/Author_Last_Name", u"Petrov"},
      {u"Company_Info/Contact_Info/Author_Email", u"ivan@example.com"},
      {u"Company_Info/Support_Info/Support_Email", u"support@example.com"},
      {u"Program_Descriptions/English/Char_Desc_2000", u"Line one\nLine two"},
  }));
  EXPECT_EQ(desktop.messages, (std::vector<Text>{
                                  u"Из файла PAD будет заполнено 4 поля.\n\n"
                                  u"Прежний текст будет заменён в полях:\n"
                                  u"Фамилия\ne-mail автора\ne-mail программы\n\nЗаполнить?",
                              }));
  EXPECT_EQ(log.back(), "desktop.MsgBox question");
  EXPECT_EQ(Box(Text1), u"Petrov");
  EXPECT_EQ(Box(Text3), u"Quill Works");
  EXPECT_EQ(Box(Text19), u"support@example.com");
}

TEST_F(PadFillTest, AnsweringNoChangesNothing) {
  Box(Text4) = u"Sergei";
  desktop.answer = MsgBoxResult::kNo;
  const auto before = Texts();
  Drop(FullPadFile());
  EXPECT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(log.back(), "desktop.MsgBox question");
  EXPECT_EQ(Texts(), before);
}

TEST_F(PadFillTest, AnyOtherDropOrFileIsExplainedAndChangesNothing) {
  Box(Text4) = u"Sergei";
  const auto before = Texts();
  const auto expect_told = [&](const Text& message) {
    EXPECT_EQ(desktop.messages, std::vector<Text>{message});
    EXPECT_EQ(log.back(), "desktop.MsgBox exclamation");
    EXPECT_EQ(Texts(), before);
    EXPECT_FALSE(Logged("desktop.WriteSetting"));
    desktop.messages.clear();
    log.clear();
  };

  desktop.xml_files[u"/a.xml"] = FullPadFile();
  form.Form_OLEDragDrop({u"/a.xml", u"/b.xml"});
  EXPECT_FALSE(Logged("desktop.ReadXmlFile"));
  expect_told(PadSeveralFilesMessage());
  form.Form_OLEDragDrop({});
  expect_told(PadSeveralFilesMessage());

  using enum XmlReading::Outcome;
  for (const auto outcome : {kFolder, kUnreadable, kTooLarge, kNotXml, kDocumentType, kTooDeep}) {
    const XmlReading reading = Reading(outcome, u"why", 3, 9);
    Drop(reading);
    expect_told(*PadReadingMessage(Text(kPath), reading, 4 * 1024 * 1024));
  }

  Drop(PadDocument({{u"Program_Info/Program_Name", u"Quillpad"}}, u"html"));
  expect_told(PadWrongRootMessage(Text(kPath)));
  Drop(Reading(kRead));
  expect_told(PadWrongRootMessage(Text(kPath)));
  Drop(PadDocument({{u"Program_Info/Program_Name", u""}}));
  expect_told(PadNothingNewMessage());
}

}  // namespace
}  // namespace quillpad
