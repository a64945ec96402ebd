#include "core/handler_boundary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/errors.h"

namespace quillpad {
namespace {

class HandlerBoundaryTest : public ::testing::Test {
 protected:
  void Run(bool ended, const std::function<void()>& handler) {
    RunHandler(ended, handler, [this](std::string_view what) { reports.emplace_back(what); });
  }

  std::vector<std::string> reports;
};

TEST_F(HandlerBoundaryTest, AFailureEndsTheHandlerAndIsReportedWithItsReason) {
  bool after_failure = false;
  Run(false, [&] {
    throw PlatformError("Буфер обмена недоступен.");
    after_failure = true;
  });
  EXPECT_FALSE(after_failure);
  EXPECT_EQ(reports, std::vector<std::string>{"Буфер обмена недоступен."});
}

TEST_F(HandlerBoundaryTest, TheEndOfTheProcessIsNoFailure) {
  Run(false, [] { throw ProcessEnded{}; });
  EXPECT_TRUE(reports.empty());
}

TEST_F(HandlerBoundaryTest, NoHandlerRunsOnceTheProcessHasEnded) {
  bool ran = false;
  Run(true, [&] { ran = true; });
  EXPECT_FALSE(ran);
}

TEST_F(HandlerBoundaryTest, EvenAnUnknownFailureStaysInside) {
  Run(false, [] { throw 42; });
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("Quillpad"), std::string::npos);
}

}  // namespace
}  // namespace quillpad
