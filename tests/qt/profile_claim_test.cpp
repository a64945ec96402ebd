#include "frontends/qt/profile_claim.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

namespace quillpad::qt {
namespace {

using std::chrono::milliseconds;

class ProfileClaimTest : public ::testing::Test {
 protected:
  void SetUp() override { qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit()); }
  void TearDown() override { qunsetenv("XDG_RUNTIME_DIR"); }

  QTemporaryDir runtime;
};

TEST_F(ProfileClaimTest, EachProfileFileMeetsInAPlaceOfItsOwnInTheRuntimeFolder) {
  const ClaimPlace place = ClaimPlace::ForProfile(QStringLiteral("/home/a/.config/Q/Q.ini"));
  EXPECT_EQ(QFileInfo(place.lock_file).absolutePath(), runtime.path());
  EXPECT_EQ(QFileInfo(place.socket).absolutePath(), runtime.path());
  EXPECT_NE(place.lock_file, place.socket);
  const ClaimPlace same = ClaimPlace::ForProfile(QStringLiteral("/home/a/.config/Q/Q.ini"));
  EXPECT_EQ(same.lock_file, place.lock_file);
  EXPECT_EQ(same.socket, place.socket);
  const ClaimPlace other = ClaimPlace::ForProfile(QStringLiteral("/home/b/.config/Q/Q.ini"));
  EXPECT_NE(other.lock_file, place.lock_file);
  EXPECT_NE(other.socket, place.socket);
}

TEST_F(ProfileClaimTest, ThePlaceIsHeldUntilItsHolderGoesAndThenTakenAtOnce) {
  const ClaimPlace place = ClaimPlace::ForProfile(QStringLiteral("/p.ini"));
  auto first = std::make_unique<LocalProfileClaim>(place, StartActivation{});
  LocalProfileClaim second(place, StartActivation{});
  EXPECT_TRUE(first->Take(milliseconds{0}));
  EXPECT_FALSE(second.Take(milliseconds{0}));
  QElapsedTimer waited;
  waited.start();
  EXPECT_FALSE(second.Take(milliseconds{50}));
  EXPECT_GE(waited.elapsed(), 50);
  // Nobody listens: the holder is still starting, or has just gone.
  EXPECT_EQ(second.HandOver(), HandOverAnswer::kNoAnswer);
  first.reset();
  EXPECT_TRUE(second.Take(milliseconds{0}));
}

TEST(StartActivationTest, GoesFromOneProcessToTheOtherAsOneLine) {
  const StartActivation activation{"token-1", "launcher-7_TIME123"};
  const QByteArray line = activation.ToLine();
  EXPECT_EQ(line.count('\n'), 1);
  EXPECT_TRUE(line.endsWith('\n'));
  const StartActivation back = StartActivation::FromLine(line);
  EXPECT_EQ(back.xdg_activation_token, activation.xdg_activation_token);
  EXPECT_EQ(back.desktop_startup_id, activation.desktop_startup_id);
  const StartActivation only_x = StartActivation::FromLine(StartActivation{{}, "id"}.ToLine());
  EXPECT_TRUE(only_x.xdg_activation_token.isEmpty());
  EXPECT_EQ(only_x.desktop_startup_id, "id");
  const StartActivation none = StartActivation::FromLine(StartActivation{}.ToLine());
  EXPECT_TRUE(none.xdg_activation_token.isEmpty());
  EXPECT_TRUE(none.desktop_startup_id.isEmpty());
}

}  // namespace
}  // namespace quillpad::qt
