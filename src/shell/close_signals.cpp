#include "shell/close_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace vorlund {
namespace {

int pipeEnds[2] = {-1, -1};

extern "C" void noteCloseSignal(int signal) {
  const int saved = errno;
  const auto byte = static_cast<unsigned char>(signal);
  // A full pipe already says that a signal came.
  (void)!::write(pipeEnds[1], &byte, 1);
  errno = saved;
}

constexpr int kCloseSignals[] = {SIGTERM, SIGHUP, SIGINT};

void handleCloseSignals(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : kCloseSignals) ::sigaction(signal, &action, nullptr);
}

}  // namespace

int watchCloseSignals() {
  if (pipeEnds[0] < 0 && ::pipe2(pipeEnds, O_NONBLOCK | O_CLOEXEC) != 0) {
    pipeEnds[0] = pipeEnds[1] = -1;
    return -1;
  }
  handleCloseSignals(noteCloseSignal);
  return pipeEnds[0];
}

void unwatchCloseSignals() {
  handleCloseSignals(SIG_DFL);
  takeCloseSignal();
}

int takeCloseSignal() {
  if (pipeEnds[0] < 0) return 0;
  int signal = 0;
  unsigned char byte = 0;
  while (::read(pipeEnds[0], &byte, 1) == 1) signal = byte;
  return signal;
}

}  // namespace vorlund
