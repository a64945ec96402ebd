#include "frontends/qt/termination_requests.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <csignal>

namespace quillpad::qt {
namespace {

int RequestsAfter(int signal) {
  int requests = 0;
  const TerminationRequests termination([&] { ++requests; });
  ::raise(signal);
  ::raise(signal);  // a second request before the first is handled makes no second close
  QElapsedTimer clock;
  clock.start();
  while (requests == 0 && clock.elapsed() < 5000) QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  return requests;
}

TEST(TerminationRequestsTest, EachPoliteSignalBecomesOneCloseRequest) {
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) EXPECT_EQ(RequestsAfter(signal), 1) << signal;
}

TEST(TerminationRequestsTest, ARequestWhileTheLastIsStillBeingAnsweredIsNotAnsweredAgain) {
  int requests = 0;
  const TerminationRequests termination([&] {
    ++requests;
    // As while a failed save's message waits for the user: the event loop runs on.
    ::raise(SIGTERM);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 200) QCoreApplication::processEvents();
  });
  ::raise(SIGTERM);
  QElapsedTimer clock;
  clock.start();
  while (requests == 0 && clock.elapsed() < 5000) QCoreApplication::processEvents();
  EXPECT_EQ(requests, 1);
  // Once answered, the next request is answered again.
  ::raise(SIGTERM);
  clock.restart();
  while (requests == 1 && clock.elapsed() < 5000) QCoreApplication::processEvents();
  EXPECT_EQ(requests, 2);
}

TEST(TerminationRequestsTest, TheSignalsAreTheSystemsAgainOnceTheProgramNoLongerListens) {
  {
    const TerminationRequests termination([] {});
  }
  struct sigaction action = {};
  ::sigaction(SIGTERM, nullptr, &action);
  EXPECT_EQ(action.sa_handler, SIG_DFL);
}

}  // namespace
}  // namespace quillpad::qt
