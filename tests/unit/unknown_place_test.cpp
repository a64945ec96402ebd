#include <gtest/gtest.h>

#include "core/profile_store.h"
#include "fakes/recording_desktop.h"
#include "fakes/recording_window.h"

namespace quillpad {
namespace {

using testing::RecordingDesktop;
using testing::RecordingWindow;

// A desktop that tells the program nothing of where its window is.
class UnknownPlaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.place_known = false;
    window.top = 300;
    window.left = 450;
  }
  Text Stored(const Text& key) { return desktop.settings.at({u"Quillpad", u"Setting", key}); }

  FieldBoxes boxes{};
  std::vector<std::string> log;
  RecordingWindow window{log};
  RecordingDesktop desktop{log};
};

TEST_F(UnknownPlaceTest, SaveKeepsTheStoredPlace) {
  desktop.settings[{u"Quillpad", u"Setting", u"top"}] = u"1500";
  desktop.settings[{u"Quillpad", u"Setting", u"left"}] = u"-60";
  SaveProfile(window, desktop, boxes);
  EXPECT_EQ(Stored(u"top"), u"1500");
  EXPECT_EQ(Stored(u"left"), u"-60");
}

TEST_F(UnknownPlaceTest, AtFirstSaveStoresThePlaceTheWindowWasGiven) {
  SaveProfile(window, desktop, boxes);
  EXPECT_EQ(Stored(u"top"), u"300");
  EXPECT_EQ(Stored(u"left"), u"450");
}

TEST_F(UnknownPlaceTest, AKnownPlaceIsStoredAsItIs) {
  window.place_known = true;
  desktop.settings[{u"Quillpad", u"Setting", u"top"}] = u"1500";
  SaveProfile(window, desktop, boxes);
  EXPECT_EQ(Stored(u"top"), u"300");
}

}  // namespace
}  // namespace quillpad
