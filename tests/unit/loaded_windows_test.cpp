#include "core/loaded_windows.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/recording_window.h"

namespace quillpad {
namespace {

using testing::RecordingWindow;

auto Named(const std::string& name) {
  return [name](const std::unique_ptr<std::string>& window) { return *window == name; };
}

class LoadedWindowsTest : public ::testing::Test {
 protected:
  void Load(const std::string& name) {
    windows.Add(name, std::make_unique<std::string>(name), [this, name] {
      unloads.push_back(name);
      if (name == failing) throw std::runtime_error("unload failed");
      if (name == reentrant) {
        EXPECT_FALSE(windows.Unload(windows.IndexWhere(Named(name))));
      }
    });
  }

  LoadedWindows<std::unique_ptr<std::string>> windows;
  std::vector<std::string> unloads;
  std::string failing;
  std::string reentrant;
};

TEST_F(LoadedWindowsTest, KeepsTheLoadOrderAndFindsByAnyMark) {
  Load("Form1");
  Load("Form2");
  EXPECT_EQ(windows.Count(), 2);
  EXPECT_EQ(*windows.At(0), "Form1");
  EXPECT_EQ(windows.IndexWhere(Named("Form2")), 1);
  EXPECT_EQ(windows.IndexWhere(Named("Form3")), -1);
}

TEST_F(LoadedWindowsTest, UnloadRunsTheHandlerThenHandsTheWindowBack) {
  Load("Form1");
  Load("Form2");
  const auto unloaded = windows.Unload(1);
  ASSERT_TRUE(unloaded);
  EXPECT_EQ(**unloaded, "Form2");
  EXPECT_EQ(unloads, std::vector<std::string>{"Form2"});
  EXPECT_EQ(windows.Count(), 1);
}

TEST_F(LoadedWindowsTest, AWindowBeingUnloadedIsNotUnloadedAgainFromItsOwnHandler) {
  reentrant = "Form1";
  Load("Form1");
  EXPECT_TRUE(windows.Unload(0));
  EXPECT_EQ(unloads, std::vector<std::string>{"Form1"});
  EXPECT_EQ(windows.Count(), 0);
}

TEST_F(LoadedWindowsTest, AFailedUnloadLeavesTheWindowLoadedAndCanBeTriedAgain) {
  failing = "Form1";
  Load("Form1");
  EXPECT_THROW(windows.Unload(0), std::runtime_error);
  EXPECT_EQ(windows.Count(), 1);
  failing.clear();
  EXPECT_TRUE(windows.Unload(0));
  EXPECT_EQ(unloads, (std::vector<std::string>{"Form1", "Form1"}));
}

class LoadedWindowsByNameTest : public ::testing::Test {
 protected:
  RecordingWindow* Make(std::string_view name) {
    auto window = std::make_unique<RecordingWindow>(log);
    RecordingWindow* made = window.get();
    windows.Add(std::string(name), std::move(window), [] {});
    return made;
  }

  std::vector<std::string> log;
  LoadedWindows<std::unique_ptr<RecordingWindow>> windows;
};

TEST_F(LoadedWindowsByNameTest, FindsAWindowByItsNameOnlyWhileItIsLoaded) {
  RecordingWindow* about = Make("Form2");
  EXPECT_EQ(windows.Find("Form2"), about);
  EXPECT_EQ(windows.Find("Form1"), nullptr);
  windows.Unload(0);
  EXPECT_EQ(windows.Find("Form2"), nullptr);
}

TEST_F(LoadedWindowsByNameTest, LoadsByTheFactoryAndNamesTheWindowItDoesNotKnow) {
  const auto factory = [&](std::string_view name) -> Window* {
    return name == "Form2" ? Make(name) : nullptr;
  };
  Window& about = windows.Load("Form2", factory);
  EXPECT_EQ(windows.Find("Form2"), &about);
  try {
    windows.Load("Form9", factory);
    ADD_FAILURE() << "an unknown window was loaded";
  } catch (const PlatformError& error) {
    EXPECT_STREQ(error.what(), "Окно «Form9» не удалось создать.");
  }
  EXPECT_THROW(windows.Load("Form2", nullptr), PlatformError);
  EXPECT_EQ(windows.Count(), 1);
}

}  // namespace
}  // namespace quillpad
