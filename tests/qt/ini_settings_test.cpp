#include "frontends/qt/ini_settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "core/errors.h"

namespace quillpad::qt {
namespace {

class IniSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(config.isValid());
    previous_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  }
  void TearDown() override { qputenv("XDG_CONFIG_HOME", previous_); }

  QString RoundTrip(const QString& value) {
    IniSettings writer;
    writer.Write(QStringLiteral("Quillpad"), QStringLiteral("Setting"), QStringLiteral("comments"),
                 value);
    writer.Flush(QStringLiteral("Quillpad"));
    return IniSettings().Read(QStringLiteral("Quillpad"), QStringLiteral("Setting"),
                              QStringLiteral("comments"), QStringLiteral("missing"));
  }

  static QString Read(IniSettings&& settings, const QString& key) { return Read(settings, key); }
  static QString Read(IniSettings& settings, const QString& key) {
    return settings.Read(QStringLiteral("Quillpad"), QStringLiteral("Setting"), key,
                         QStringLiteral("missing"));
  }

  void WriteProfileFile(const QByteArray& bytes) {
    const QString path = IniSettings::FilePath(QStringLiteral("Quillpad"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QTemporaryDir config;
  QByteArray previous_;
};

TEST_F(IniSettingsTest, LivesInTheUsersConfigFolderUnderTheApplicationsName) {
  EXPECT_EQ(IniSettings::FilePath(QStringLiteral("Quillpad")),
            config.path() + QStringLiteral("/Quillpad/Quillpad.ini"));
  RoundTrip(QStringLiteral("x"));
  QFile file(config.path() + QStringLiteral("/Quillpad/Quillpad.ini"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  EXPECT_TRUE(text.startsWith("[Setting]\n")) << text.constData();
  EXPECT_TRUE(text.contains("\ncomments=x\n")) << text.constData();
}

TEST_F(IniSettingsTest, ValuesComeBackExactly) {
  const QString values[] = {
      QStringLiteral("Иван Петрович"),
      QStringLiteral("  leading and trailing  "),
      QString(),
      QStringLiteral("line 1\r\nline 2\nline 3\r\n"),
      QStringLiteral("a, b; c = d [Setting] \"quoted\" \\ back"),
      QStringLiteral("@Variant(x) @ByteArray(y)"),
      QStringLiteral("שלום 😀 tab\there"),
      QStringLiteral("true"),
      QStringLiteral("12,5"),
      QString(1 << 20, QLatin1Char('w')),
  };
  for (const QString& value : values)
    EXPECT_EQ(RoundTrip(value), value) << value.left(40).toStdString();
}

TEST_F(IniSettingsTest, AValueWrittenByHandWithABareCommaIsReadWhole) {
  QDir().mkpath(config.path() + QStringLiteral("/Quillpad"));
  QFile file(IniSettings::FilePath(QStringLiteral("Quillpad")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[Setting]\ncompany=Acme, Inc.\n");
  file.close();
  EXPECT_EQ(IniSettings().Read(QStringLiteral("Quillpad"), QStringLiteral("Setting"),
                               QStringLiteral("company"), QString()),
            QStringLiteral("Acme, Inc."));
}

TEST_F(IniSettingsTest, AnEmptyValueIsStoredAsAKeyThatExists) {
  EXPECT_EQ(RoundTrip(QString()), QString());
}

TEST_F(IniSettingsTest, AnotherApplicationNameHasItsOwnEmptyProfile) {
  RoundTrip(QStringLiteral("mine"));
  EXPECT_EQ(IniSettings().Read(QStringLiteral("Other"), QStringLiteral("Setting"),
                               QStringLiteral("comments"), QStringLiteral("missing")),
            QStringLiteral("missing"));
}

TEST_F(IniSettingsTest, AFileThatCannotBeWrittenIsReportedWithItsPathAndKeepsNothingStaged) {
  QFile blocker(config.path() + QStringLiteral("/Quillpad"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
  blocker.close();
  IniSettings settings;
  settings.Write(QStringLiteral("Quillpad"), QStringLiteral("Setting"), QStringLiteral("name"),
                 QStringLiteral("x"));
  try {
    settings.Flush(QStringLiteral("Quillpad"));
    FAIL() << "an unwritable file must be reported";
  } catch (const PlatformError& error) {
    const QString message = QString::fromUtf8(error.what());
    EXPECT_TRUE(message.contains(IniSettings::FilePath("Quillpad"))) << error.what();
    EXPECT_TRUE(message.contains(QStringLiteral("лежит файл"))) << error.what();
  }
  ASSERT_TRUE(blocker.remove());
  settings.Flush(QStringLiteral("Quillpad"));
  EXPECT_EQ(settings.Read(QStringLiteral("Quillpad"), QStringLiteral("Setting"),
                          QStringLiteral("name"), QStringLiteral("missing")),
            QStringLiteral("missing"));
}

TEST_F(IniSettingsTest, AFileWithDamagedLinesIsStillSaved) {
  WriteProfileFile("\x01\x02[\xff]]\n=x\n[Setting]\nname=Ann\n[Sett");
  IniSettings settings;
  EXPECT_EQ(Read(settings, QStringLiteral("name")), QStringLiteral("Ann"));
  settings.Write(QStringLiteral("Quillpad"), QStringLiteral("Setting"), QStringLiteral("name"),
                 QStringLiteral("Bob"));
  settings.Flush(QStringLiteral("Quillpad"));
  EXPECT_EQ(Read(IniSettings(), QStringLiteral("name")), QStringLiteral("Bob"));
}

TEST_F(IniSettingsTest, AProfileThatCannotBeReadIsToldAndNeverOverwritten) {
  const QString path = IniSettings::FilePath(QStringLiteral("Quillpad"));
  ASSERT_TRUE(QDir().mkpath(path + QStringLiteral("/inside")));  // a folder where the file is
  IniSettings settings;
  EXPECT_EQ(Read(settings, QStringLiteral("name")), QStringLiteral("missing"));
  const QString told = settings.ReadProblems();
  EXPECT_TRUE(told.contains(path)) << told.toStdString();
  EXPECT_TRUE(told.contains(QStringLiteral("лежит папка"))) << told.toStdString();

  settings.Write(QStringLiteral("Quillpad"), QStringLiteral("Setting"), QStringLiteral("name"),
                 QStringLiteral("typed"));
  settings.Flush(QStringLiteral("Quillpad"));
  EXPECT_TRUE(QFileInfo(path + QStringLiteral("/inside")).isDir());
  const QStringList beside =
      QDir(config.path()).entryList({QStringLiteral("Quillpad-*.ini")}, QDir::Files);
  ASSERT_EQ(beside.size(), 1);
  EXPECT_TRUE(told.contains(beside.first())) << told.toStdString();
  QFile saved(config.path() + u'/' + beside.first());
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_TRUE(saved.readAll().contains("name=typed"));
}

TEST_F(IniSettingsTest, APipeInPlaceOfTheProfileDoesNotHoldTheStartUp) {
  const QString path = IniSettings::FilePath(QStringLiteral("Quillpad"));
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
  ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
  IniSettings settings;
  EXPECT_EQ(Read(settings, QStringLiteral("name")), QStringLiteral("missing"));
  EXPECT_TRUE(settings.ReadProblems().contains(QStringLiteral("не обычный файл")));
}

TEST_F(IniSettingsTest, NothingIsToldOnAFirstRun) {
  IniSettings settings;
  EXPECT_EQ(Read(settings, QStringLiteral("name")), QStringLiteral("missing"));
  EXPECT_TRUE(settings.ReadProblems().isEmpty());
}

}  // namespace
}  // namespace quillpad::qt
