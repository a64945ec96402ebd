#include "frontends/qt/xml_file_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

namespace quillpad::qt {
namespace {

using Outcome = XmlReading::Outcome;

constexpr std::uint64_t kLimit = 1 << 20;

class XmlFileReaderTest : public ::testing::Test {
 protected:
  QString Write(const QByteArray& bytes) {
    const QString path = folder.filePath(QString::number(++written) + ".xml");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }
  XmlReading Read(const QByteArray& bytes) { return ReadXmlFile(Write(bytes), kLimit); }

  QTemporaryDir temporary;
  QDir folder{temporary.path()};
  int written = 0;
};

QByteArray Utf16LittleEndian(std::u16string_view text) {
  QByteArray bytes;
  for (const char16_t unit : text) bytes.append(char(unit & 0xff)).append(char(unit >> 8));
  return bytes;
}

TEST_F(XmlFileReaderTest, EachEncodingAFileMayUseReadsAlike) {
  const QByteArray body = "<XML_DIZ_INFO><Company_Name>";
  const QByteArray end = "</Company_Name></XML_DIZ_INFO>";
  const struct {
    QByteArray bytes;
    Text text;
  } files[] = {
      {"<?xml version=\"1.0\"?>" + body + "\xd0\x9f\xd1\x80\xd0\xbe" + end, u"Про"},
      {"\xef\xbb\xbf<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + body + "\xd0\x9f" + end, u"П"},
      {Utf16LittleEndian(u"\ufeff<?xml version=\"1.0\" encoding=\"UTF-16\"?>"
                         u"<XML_DIZ_INFO><Company_Name>Пр</Company_Name></XML_DIZ_INFO>"),
       u"Пр"},
      {"<?xml version=\"1.0\" encoding=\"windows-1251\"?>" + body + "\xcf\xf0\xee\xe3\xf0" + end,
       u"Прогр"},
      {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + body + "Caf\xe9 M\xfcller" + end,
       u"Café Müller"},
  };
  for (const auto& file : files) {
    const XmlReading reading = Read(file.bytes);
    ASSERT_EQ(reading.outcome, Outcome::kRead) << file.bytes.toStdString();
    ASSERT_EQ(reading.elements.size(), 2u);
    EXPECT_EQ(reading.elements[1].path, u"XML_DIZ_INFO/Company_Name");
    EXPECT_EQ(reading.elements[1].text, file.text);
  }
}

TEST_F(XmlFileReaderTest, ElementsComeInOrderWithTheTextDirectlyInsideThem) {
  const XmlReading reading = Read(
      "<?xml version=\"1.0\"?>\r\n<!-- by hand --><R>\n\t<A>\n <B>x &amp; &#1055;</B>"
      "<Address_2 /><C><![CDATA[<b>one]]>\r\ntwo </C>tail</A>\n</R>\n");
  ASSERT_EQ(reading.outcome, Outcome::kRead);
  const std::vector<std::pair<Text, Text>> expected = {{u"R", u"\n\t\n"},
                                                       {u"R/A", u"\n tail"},
                                                       {u"R/A/B", u"x & П"},
                                                       {u"R/A/Address_2", u""},
                                                       {u"R/A/C", u"<b>one\ntwo "}};
  std::vector<std::pair<Text, Text>> elements;
  for (const XmlElement& element : reading.elements)
    elements.emplace_back(element.path, element.text);
  EXPECT_EQ(elements, expected);
}

TEST_F(XmlFileReaderTest, AFileThatIsNotXmlIsRefusedWithWhereItGoesWrong) {
  XmlReading reading = Read("<R>\n  <A></R>");
  EXPECT_EQ(reading.outcome, Outcome::kNotXml);
  EXPECT_EQ(reading.line, 2);
  EXPECT_EQ(reading.column, 9);
  EXPECT_EQ(reading.reason, u"Opening and ending tag mismatch.");
  // An entity the file never declares is a fault, not something to look up.
  reading = Read("<R>&nbsp;</R>");
  EXPECT_EQ(reading.outcome, Outcome::kNotXml);
  EXPECT_EQ(reading.column, 9);
  EXPECT_TRUE(reading.elements.empty());
  for (const QByteArray& bytes :
       {QByteArray(), QByteArray("PK\x03\x04"),
        QByteArray("<?xml version=\"1.0\" encoding=\"none-such\"?><R/>")}) {
    reading = Read(bytes);
    EXPECT_EQ(reading.outcome, Outcome::kNotXml) << bytes.toStdString();
    EXPECT_GE(reading.line, 1);
    EXPECT_GE(reading.column, 1);
    EXPECT_FALSE(reading.reason.empty());
  }
}

TEST_F(XmlFileReaderTest, ElementsNestedDeeperThanTheLimitAreRefusedWhole) {
  const auto nested = [](std::size_t depth) {
    const auto inner = static_cast<qsizetype>(depth - 1);
    return "<XML_DIZ_INFO>" + QByteArray("<a>").repeated(inner) + "x" +
           QByteArray("</a>").repeated(inner) + "</XML_DIZ_INFO>";
  };
  const XmlReading deepest = Read(nested(kXmlDepthLimit));
  EXPECT_EQ(deepest.outcome, Outcome::kRead);
  EXPECT_EQ(deepest.elements.size(), kXmlDepthLimit);
  for (const std::size_t depth : {kXmlDepthLimit + 1, std::size_t{100000}}) {
    const XmlReading reading = Read(nested(depth));
    EXPECT_EQ(reading.outcome, Outcome::kTooDeep) << depth;
    EXPECT_TRUE(reading.elements.empty());
  }
}

TEST_F(XmlFileReaderTest, ADocumentTypeIsRefusedBeforeAnythingItDeclaresIsUsed) {
  const QString secret = Write("<S>secret</S>");
  QByteArray laughs = "<?xml version=\"1.0\"?><!DOCTYPE R [<!ENTITY l0 \"ha\">";
  for (int i = 1; i < 30; ++i) {
    laughs += QStringLiteral("<!ENTITY l%1 \"").arg(i).toUtf8();
    for (int j = 0; j < 10; ++j) laughs += QStringLiteral("&l%1;").arg(i - 1).toUtf8();
    laughs += "\">";
  }
  const QByteArray files[] = {
      laughs + "]><R>&l29;</R>",
      "<!DOCTYPE R [<!ENTITY x SYSTEM \"" + QUrl::fromLocalFile(secret).toEncoded() +
          "\">]><R>&x;</R>",
      "<!DOCTYPE R SYSTEM \"" + secret.toUtf8() + "\"><R>&secret;</R>",
      "<!DOCTYPE R><R/>",
  };
  QElapsedTimer clock;
  clock.start();
  for (const QByteArray& bytes : files) {
    const XmlReading reading = Read(bytes);
    EXPECT_EQ(reading.outcome, Outcome::kDocumentType) << bytes.left(60).toStdString();
    EXPECT_TRUE(reading.elements.empty());
  }
  // Parameter entities are used inside the declaration itself, where each use would be read
  // again at its full length.
  QByteArray repeated = "<!DOCTYPE R [<!ENTITY % c \"<!--" + QByteArray(3000, 'c') + "-->\">";
  for (int i = 0; i < 300000; ++i) repeated += "%c;";
  const XmlReading reading = Read(repeated + "]><R/>");
  EXPECT_EQ(reading.outcome, Outcome::kNotXml);
  EXPECT_EQ(reading.column, repeated.indexOf("%c;") + 3);  // at the first use
  EXPECT_LT(clock.elapsed(), 1000);
}

TEST_F(XmlFileReaderTest, AFileLargerThanTheLimitIsRefusedUnread) {
  const QByteArray fits = "<R>" + QByteArray(93, 'x') + "</R>";
  EXPECT_EQ(ReadXmlFile(Write(fits), 100).outcome, Outcome::kRead);
  EXPECT_EQ(ReadXmlFile(Write(fits + " "), 100).outcome, Outcome::kTooLarge);
  // Sparse: reading it would take long, and the memory of all it holds.
  QFile huge(Write("<R>"));
  ASSERT_TRUE(huge.resize(qint64{64} << 30));
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(ReadXmlFile(huge.fileName(), kLimit).outcome, Outcome::kTooLarge);
  EXPECT_LT(clock.elapsed(), 1000);
  // A device tells no size and never ends.
  EXPECT_EQ(ReadXmlFile(QStringLiteral("/dev/zero"), kLimit).outcome, Outcome::kTooLarge);
}

TEST_F(XmlFileReaderTest, FoldersAndFilesThatCannotBeReadAreToldApart) {
  EXPECT_EQ(ReadXmlFile(folder.path(), kLimit).outcome, Outcome::kFolder);
  const QString dangling = folder.filePath("dangling.xml");
  ASSERT_TRUE(QFile::link(folder.filePath("gone.xml"), dangling));
  XmlReading reading = ReadXmlFile(dangling, kLimit);
  EXPECT_EQ(reading.outcome, Outcome::kUnreadable);
  EXPECT_EQ(reading.reason, u"No such file or directory");
  if (geteuid() != 0) {  // the superuser reads any file
    const QString locked = Write("<R/>");
    ASSERT_EQ(chmod(QFile::encodeName(locked).constData(), 0), 0);
    reading = ReadXmlFile(locked, kLimit);
    EXPECT_EQ(reading.outcome, Outcome::kUnreadable);
    EXPECT_EQ(reading.reason, u"Permission denied");
  }
  // A named pipe nobody writes to is read as the nothing it holds, without waiting.
  const QString pipe = folder.filePath("pipe.xml");
  ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  EXPECT_EQ(ReadXmlFile(pipe, kLimit).outcome, Outcome::kNotXml);
}

}  // namespace
}  // namespace quillpad::qt
