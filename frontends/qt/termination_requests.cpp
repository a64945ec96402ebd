#include "frontends/qt/termination_requests.h"

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <system_error>

namespace quillpad::qt {
namespace {

constexpr std::array kPoliteSignals = {SIGTERM, SIGHUP, SIGINT};

// The signal handler may only write to a descriptor; the event loop reads the other end.
int g_signal_pipe[2] = {-1, -1};

void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(g_signal_pipe[0], &byte, 1);
}

}  // namespace

TerminationRequests::TerminationRequests(std::function<void()> on_request)
    : on_request_(std::move(on_request)) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signal_pipe) != 0)
    throw std::system_error(errno, std::generic_category(), "socketpair");
  notifier_ = new QSocketNotifier(g_signal_pipe[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &TerminationRequests::Drain);

  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kPoliteSignals) ::sigaction(signal, &action, nullptr);
}

TerminationRequests::~TerminationRequests() {
  for (const int signal : kPoliteSignals) std::signal(signal, SIG_DFL);
  delete notifier_;  // before its descriptor is closed
  ::close(g_signal_pipe[0]);
  ::close(g_signal_pipe[1]);
  g_signal_pipe[0] = g_signal_pipe[1] = -1;
}

void TerminationRequests::Drain() {
  char bytes[16];
  while (::read(g_signal_pipe[1], bytes, sizeof bytes) > 0) {
  }
  // A request that comes while the last one is still being answered (its failure told in a
  // message that waits for the user) is that same request again.
  if (answering_) return;
  answering_ = true;
  on_request_();
  answering_ = false;
}

}  // namespace quillpad::qt
