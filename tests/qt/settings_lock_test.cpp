#include "frontends/qt/settings_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

namespace quillpad::qt {
namespace {

using std::chrono::milliseconds;

const Machine kHere{QStringLiteral("desk"), "host-1", "boot-1"};

LockOwner Owner(const QString& host_name, const QByteArray& host_id, const QByteArray& boot_id) {
  return {4242, QStringLiteral("Quillpad"), host_name, host_id, boot_id};
}

TEST(LockFileContents, NameTheOwnerLineByLine) {
  const auto owner = ParseLockFile("4242\nQuillpad\ndesk\nhost-1\nboot-1\n");
  ASSERT_TRUE(owner.has_value());
  EXPECT_EQ(owner->pid, 4242);
  EXPECT_EQ(owner->program, QStringLiteral("Quillpad"));
  EXPECT_EQ(owner->host_name, QStringLiteral("desk"));
  EXPECT_EQ(owner->host_id, "host-1");
  EXPECT_EQ(owner->boot_id, "boot-1");
}

TEST(LockFileContents, OfOlderWritersHaveNoMachineIds) {
  const auto owner = ParseLockFile("17\nQuillpad\ndesk\n");
  ASSERT_TRUE(owner.has_value());
  EXPECT_EQ(owner->pid, 17);
  EXPECT_TRUE(owner->host_id.isEmpty());
}

TEST(LockFileContents, ThatNameNoProcessNameNoOwner) {
  EXPECT_FALSE(ParseLockFile("").has_value());
  EXPECT_FALSE(ParseLockFile("4242").has_value());  // still being written
  EXPECT_FALSE(ParseLockFile("x\nQuillpad\n").has_value());
  EXPECT_FALSE(ParseLockFile("0\n").has_value());
  EXPECT_FALSE(ParseLockFile("-5\n").has_value());
}

TEST(StaleLock, IsOneWhoseProcessIsGoneOnThisMachine) {
  EXPECT_TRUE(ProvenStale(Owner("desk", "host-1", "boot-1"), kHere, false));
  EXPECT_FALSE(ProvenStale(Owner("desk", "host-1", "boot-1"), kHere, true));
}

TEST(StaleLock, IsOneFromBeforeTheMachineLastStarted) {
  EXPECT_TRUE(ProvenStale(Owner("desk", "host-1", "boot-0"), kHere, true));
}

TEST(StaleLock, IsNeverOneFromAnotherMachine) {
  EXPECT_FALSE(ProvenStale(Owner("laptop", "host-2", "boot-0"), kHere, false));
  EXPECT_FALSE(ProvenStale(Owner("laptop", {}, {}), kHere, false));
}

TEST(StaleLock, MachineIdOutweighsTheName) {
  EXPECT_TRUE(ProvenStale(Owner("renamed", "host-1", "boot-1"), kHere, false));
  EXPECT_FALSE(ProvenStale(Owner("desk", "host-2", "boot-1"), kHere, false));
  EXPECT_TRUE(ProvenStale(Owner("desk", {}, {}), kHere, false));
}

TEST(HeldLock, IsExplainedWithItsFileAndOwner) {
  const QString path = QStringLiteral("/home/u/.config/Quillpad/Quillpad.ini.lock");
  const QString by_process = WhyLockIsHeld(path, Owner("desk", "host-1", "boot-1"), kHere);
  EXPECT_TRUE(by_process.contains(path));
  EXPECT_TRUE(by_process.contains(QStringLiteral("4242 (Quillpad)"))) << by_process.toStdString();
  const QString by_machine = WhyLockIsHeld(path, Owner("laptop", "host-2", "boot-0"), kHere);
  EXPECT_TRUE(by_machine.contains(QStringLiteral("«laptop»"))) << by_machine.toStdString();
  EXPECT_TRUE(WhyLockIsHeld(path, std::nullopt, kHere).contains(path));
}

class SettingsLockTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder.isValid()); }

  void PutLockFile(const QByteArray& contents) {
    QFile file(lock_path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
  }

  // The contents a lock of this machine's process pid has.
  static QByteArray OwnedBy(qint64 pid) {
    const Machine here = Machine::This();
    return QByteArray::number(pid) + "\nQuillpad\n" + here.host_name.toUtf8() + '\n' +
           here.host_id + '\n' + here.boot_id + '\n';
  }

  // A process id that no process has: that of a child that has ended and been reaped.
  static qint64 GoneProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
  }

  QTemporaryDir folder;
  QString lock_path = folder.filePath(QStringLiteral("Quillpad.ini.lock"));
};

TEST_F(SettingsLockTest, AFreeLockIsFreeAtOnce) {
  EXPECT_FALSE(FreeSettingsLock(lock_path, milliseconds(0)).has_value());
}

TEST_F(SettingsLockTest, AStaleLockOfAGoneProcessIsRemovedEvenWhenReadOnly) {
  PutLockFile(OwnedBy(GoneProcess()));
  ASSERT_TRUE(QFile::setPermissions(lock_path, QFile::ReadOwner | QFile::ReadGroup));
  EXPECT_FALSE(FreeSettingsLock(lock_path, milliseconds(0)).has_value());
  EXPECT_FALSE(QFileInfo::exists(lock_path));
}

TEST_F(SettingsLockTest, AStaleLockThatAnotherRemoverGuardsIsToldAsSuch) {
  PutLockFile(OwnedBy(GoneProcess()));
  ASSERT_TRUE(QDir().mkpath(lock_path + QStringLiteral(".rmlock")));
  const auto held = FreeSettingsLock(lock_path, milliseconds(100));
  ASSERT_TRUE(held.has_value());
  EXPECT_TRUE(held->contains(lock_path + QStringLiteral(".rmlock"))) << held->toStdString();
}

TEST_F(SettingsLockTest, ALockOfALiveProcessIsWaitedForAWhileThenExplained) {
  PutLockFile(OwnedBy(::getpid()));
  QElapsedTimer clock;
  clock.start();
  const auto held = FreeSettingsLock(lock_path, milliseconds(300));
  EXPECT_GE(clock.elapsed(), 300);
  EXPECT_LT(clock.elapsed(), 5000);
  ASSERT_TRUE(held.has_value());
  EXPECT_TRUE(held->contains(lock_path)) << held->toStdString();
  EXPECT_TRUE(QFileInfo::exists(lock_path));
}

TEST_F(SettingsLockTest, ALockTheToolkitHoldsIsWaitedFor) {
  QLockFile other(lock_path);
  ASSERT_TRUE(other.tryLock(0));
  EXPECT_TRUE(FreeSettingsLock(lock_path, milliseconds(100)).has_value());
  other.unlock();
  EXPECT_FALSE(FreeSettingsLock(lock_path, milliseconds(100)).has_value());
}

TEST_F(SettingsLockTest, ALockFromAnotherMachineIsNotRemoved) {
  PutLockFile("4242\nQuillpad\nsomewhere-else\nother-host\nother-boot\n");
  const auto held = FreeSettingsLock(lock_path, milliseconds(100));
  ASSERT_TRUE(held.has_value());
  EXPECT_TRUE(held->contains(QStringLiteral("«somewhere-else»"))) << held->toStdString();
  EXPECT_TRUE(QFileInfo::exists(lock_path));
}

TEST_F(SettingsLockTest, AFolderInPlaceOfTheLockIsToldWithoutWaiting) {
  ASSERT_TRUE(QDir().mkpath(lock_path));
  QElapsedTimer clock;
  clock.start();
  const auto held = FreeSettingsLock(lock_path, milliseconds(10000));
  EXPECT_LT(clock.elapsed(), 5000);
  ASSERT_TRUE(held.has_value());
  EXPECT_TRUE(held->contains(QStringLiteral("лежит папка"))) << held->toStdString();
}

TEST_F(SettingsLockTest, APipeInPlaceOfTheLockIsNeverOpened) {
  ASSERT_EQ(::mkfifo(QFile::encodeName(lock_path).constData(), 0600), 0);
  const auto held = FreeSettingsLock(lock_path, milliseconds(10000));
  ASSERT_TRUE(held.has_value());
  EXPECT_TRUE(held->contains(QStringLiteral("не обычный файл"))) << held->toStdString();
}

TEST_F(SettingsLockTest, AnUnreadableOrEmptyLockIsNotProvenStale) {
  PutLockFile("");
  EXPECT_TRUE(FreeSettingsLock(lock_path, milliseconds(100)).has_value());
  EXPECT_TRUE(QFileInfo::exists(lock_path));
}

}  // namespace
}  // namespace quillpad::qt
