#include "frontends/qt/ini_settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "core/errors.h"
#include "frontends/qt/config_folder.h"
#include "frontends/qt/profile_file_check.h"
#include "frontends/qt/qt_text.h"

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

  static QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
  }

  QStringList DatedCopies() const {
    return QDir(config.path() + QStringLiteral("/Quillpad"))
        .entryList({QStringLiteral("Quillpad-*.ini")}, QDir::Files);
  }

  // What the user is told at start about the profile as this store read it.
  static QString Told(IniSettings& settings) {
    return ToQString(ProfileReadNotice(settings.Report(QStringLiteral("Quillpad"))));
  }

  // The message of a failed flush; empty when it went through.
  static QString FlushFailure(IniSettings& settings) {
    try {
      settings.Flush(QStringLiteral("Quillpad"));
    } catch (const PlatformError& error) {
      return QString::fromUtf8(error.what());
    }
    return {};
  }

  static void Stage(IniSettings& settings, const QString& key, const QString& value) {
    settings.Write(QStringLiteral("Quillpad"), QStringLiteral("Setting"), key, value);
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
  const QString told = Told(settings);
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
  EXPECT_TRUE(Told(settings).contains(QStringLiteral("не обычный файл")));
}

TEST_F(IniSettingsTest, NothingIsToldOnAFirstRun) {
  IniSettings settings;
  EXPECT_EQ(Read(settings, QStringLiteral("name")), QStringLiteral("missing"));
  EXPECT_TRUE(Told(settings).isEmpty());
}

TEST(ReadsBackCleanly, WhatTheStoreWritesInAnyOrder) {
  EXPECT_TRUE(ReadsBackCleanly(""));
  EXPECT_TRUE(ReadsBackCleanly("[Setting]\nname=Ann\ncity=\ntop=-120\n"));
  EXPECT_TRUE(ReadsBackCleanly("[Setting]\nzip=1\nname=Ann\n"));
  EXPECT_TRUE(ReadsBackCleanly("[Setting]\nName=Ann\nSTREER2=Main St\n"));
  EXPECT_TRUE(
      ReadsBackCleanly("[Setting]\ncomments=line 1\\r\\nline 2\nname=\"  a, b; c = d  \"\n"
                       "prgo=@@Variant(x)\nprgwww=\\x1f\x7f\\t \xd0\xaf \xf0\x9f\x98\x80\n"));
  EXPECT_TRUE(ReadsBackCleanly("[General]\nnote=x\n\n[Setting]\nname=Ann\n"));
  EXPECT_TRUE(ReadsBackCleanly("[Setting]\nname=Ann"));  // nothing lost without the last break
}

TEST(ReadsBackCleanly, NotWhenASectionIsSwallowed) {
  EXPECT_FALSE(ReadsBackCleanly("note=see below\\\n[Setting]\nname=Ann\ncity=Moscow\n"));
  EXPECT_FALSE(ReadsBackCleanly("note=\"unclosed\n[Setting]\nname=Ann\ncity=Moscow\n"));
}

TEST(ReadsBackCleanly, NotWhenAValueIsReadAsSomethingElse) {
  EXPECT_FALSE(ReadsBackCleanly("[Setting]\ncity=a;b\n"));
  EXPECT_FALSE(ReadsBackCleanly("[Setting]\nname=@Rect(1 2 3 4)\n"));
  EXPECT_FALSE(ReadsBackCleanly("[Setting]\nname=Ann\xff\n"));
}

TEST(ReadsBackCleanly, NotWhenALineIsNoEntryOrAKeyComesTwice) {
  EXPECT_FALSE(ReadsBackCleanly("[Setting]\nname=Ann\nname=Bob\n"));
  EXPECT_FALSE(ReadsBackCleanly("[Setting]\n; my note\nname=Ann\n"));
  EXPECT_FALSE(ReadsBackCleanly("[Setting]\njust words\nname=Ann\n"));
  EXPECT_FALSE(ReadsBackCleanly("[Setting]\n"));
  EXPECT_FALSE(ReadsBackCleanly("\x01\x02 junk"));
}

TEST_F(IniSettingsTest, WhatTheStoreWritesReadsBackCleanly) {
  WriteProfileFile("[Setting]\nname=Ann\nmidname=\ncomments=\"a;b\"\n");
  IniSettings settings;
  Stage(settings, QStringLiteral("comments"), QStringLiteral("line 1\r\nline; 2, = \\ \""));
  Stage(settings, QStringLiteral("prgo"), QStringLiteral("@Rect(1 2 3 4)"));
  Stage(settings, QStringLiteral("top"), QStringLiteral("-120"));
  settings.Flush(QStringLiteral("Quillpad"));
  EXPECT_TRUE(ReadsBackCleanly(FileBytes(IniSettings::FilePath(QStringLiteral("Quillpad")))));
}

TEST_F(IniSettingsTest, AProfileThatDoesNotReadBackCleanlyIsToldAndKeptAsItWasBeforeTheSave) {
  const QByteArray damaged = "note=see below\\\n[Setting]\nname=Ann\ncity=Moscow\n";
  WriteProfileFile(damaged);
  const QString path = IniSettings::FilePath(QStringLiteral("Quillpad"));
  ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
  IniSettings settings;
  Read(settings, QStringLiteral("name"));
  const QString told = Told(settings);
  EXPECT_TRUE(told.contains(path)) << told.toStdString();
  EXPECT_TRUE(DatedCopies().isEmpty()) << "nothing is written before the save";

  Stage(settings, QStringLiteral("name"), QStringLiteral("typed"));
  settings.Flush(QStringLiteral("Quillpad"));
  const QStringList copies = DatedCopies();
  ASSERT_EQ(copies.size(), 1);
  EXPECT_TRUE(told.contains(copies.first())) << told.toStdString();
  const QString copy = config.path() + QStringLiteral("/Quillpad/") + copies.first();
  EXPECT_EQ(FileBytes(copy), damaged);
  EXPECT_EQ(QFileInfo(copy).permissions() & 0x0FFF, QFileInfo(path).permissions() & 0x0FFF);
  EXPECT_EQ(Read(IniSettings(), QStringLiteral("name")), QStringLiteral("typed"));

  settings.Flush(QStringLiteral("Quillpad"));
  EXPECT_EQ(DatedCopies().size(), 1) << "kept once, before the first save only";
}

TEST_F(IniSettingsTest, AHandEditedValueIsLoadedAsReadAndItsFileKept) {
  WriteProfileFile("[Setting]\ncity=a;b\n");
  IniSettings settings;
  EXPECT_EQ(Read(settings, QStringLiteral("city")), QStringLiteral("a"));
  EXPECT_FALSE(Told(settings).isEmpty());
  settings.Flush(QStringLiteral("Quillpad"));
  ASSERT_EQ(DatedCopies().size(), 1);
}

TEST_F(IniSettingsTest, ACleanProfileIsNeitherToldNorCopied) {
  RoundTrip(QStringLiteral("a; b, c"));
  IniSettings settings;
  Read(settings, QStringLiteral("comments"));
  EXPECT_TRUE(Told(settings).isEmpty());
  settings.Flush(QStringLiteral("Quillpad"));
  EXPECT_TRUE(DatedCopies().isEmpty());
}

TEST_F(IniSettingsTest, ALockThatCannotBeTakenFailsTheSaveBrieflyAndALaterSaveGoesThrough) {
  const QString lock = IniSettings::FilePath(QStringLiteral("Quillpad")) + QStringLiteral(".lock");
  ASSERT_TRUE(QDir().mkpath(lock));
  IniSettings settings;
  Stage(settings, QStringLiteral("name"), QStringLiteral("typed"));
  const QString failure = FlushFailure(settings);
  EXPECT_TRUE(failure.contains(lock)) << failure.toStdString();
  ASSERT_TRUE(QDir().rmdir(lock));
  Stage(settings, QStringLiteral("name"), QStringLiteral("typed"));
  EXPECT_EQ(FlushFailure(settings), QString());
  EXPECT_EQ(Read(IniSettings(), QStringLiteral("name")), QStringLiteral("typed"));
}

TEST_F(IniSettingsTest, AProfileLinkIntoAMissingFolderSaysTheFolderIsMissing) {
  const QString path = IniSettings::FilePath(QStringLiteral("Quillpad"));
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
  const QString missing = config.path() + QStringLiteral("/gone");
  ASSERT_TRUE(QFile::link(missing + QStringLiteral("/Quillpad.ini"), path));
  IniSettings settings;
  EXPECT_EQ(Read(settings, QStringLiteral("name")), QStringLiteral("missing"));
  EXPECT_TRUE(Told(settings).isEmpty());
  Stage(settings, QStringLiteral("name"), QStringLiteral("typed"));
  const QString failure = FlushFailure(settings);
  EXPECT_TRUE(failure.contains(QStringLiteral("«%1» нет").arg(missing))) << failure.toStdString();
  EXPECT_FALSE(failure.contains(QStringLiteral("диск"))) << failure.toStdString();
}

TEST_F(IniSettingsTest, AConfigFolderThatIsAFileIsNamedAndTheRunSavedBesideIt) {
  const QString file = config.path() + QStringLiteral("/config-file");
  QFile blocker(file);
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  qputenv("XDG_CONFIG_HOME", file.toUtf8());
  IniSettings settings;
  EXPECT_EQ(Read(settings, QStringLiteral("name")), QStringLiteral("missing"));
  const QString told = Told(settings);
  EXPECT_TRUE(told.contains(QStringLiteral("на месте папки «%1» лежит файл").arg(file)))
      << told.toStdString();
  Stage(settings, QStringLiteral("name"), QStringLiteral("typed"));
  EXPECT_EQ(FlushFailure(settings), QString());
  const QStringList beside =
      QDir(config.path()).entryList({QStringLiteral("Quillpad-*.ini")}, QDir::Files);
  ASSERT_EQ(beside.size(), 1);
  EXPECT_TRUE(told.contains(config.path() + u'/' + beside.first())) << told.toStdString();
}

TEST(ConfigFolder, FollowsTheFreedesktopRule) {
  EXPECT_EQ(ConfigFolderFor(QStringLiteral("/x/conf/"), QStringLiteral("/home/u"), {}),
            QStringLiteral("/x/conf"));
  EXPECT_EQ(ConfigFolderFor({}, QStringLiteral("/home/u"), QStringLiteral("/home/acct")),
            QStringLiteral("/home/u/.config"));
  EXPECT_EQ(ConfigFolderFor(QStringLiteral("relative"), QStringLiteral("/home/u"), {}),
            QStringLiteral("/home/u/.config"));
}

TEST(ConfigFolder, WithoutAnyHomeIsTheAccountsNeverTheRoot) {
  EXPECT_EQ(ConfigFolderFor({}, {}, QStringLiteral("/home/acct")),
            QStringLiteral("/home/acct/.config"));
}

TEST(ConfigFolder, WithoutAnyHomeComesFromTheAccount) {
  const QByteArray home = qgetenv("HOME");
  const QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
  qunsetenv("HOME");
  qunsetenv("XDG_CONFIG_HOME");
  const QString folder = ConfigFolder();
  qputenv("HOME", home);
  qputenv("XDG_CONFIG_HOME", xdg);
  EXPECT_NE(folder, QStringLiteral("/.config"));
  EXPECT_TRUE(folder.endsWith(QStringLiteral("/.config"))) << folder.toStdString();
}

}  // namespace
}  // namespace quillpad::qt
