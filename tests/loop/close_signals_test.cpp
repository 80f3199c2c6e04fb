#include "loop/close_signals.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/ioctl.h>

#include <csignal>

namespace vorlund {
namespace {

// Each signal leaves one byte, its number, for the loop to wake on; the loop
// takes them all at once and closes once, for the last of them.
TEST(CloseSignals, EachSignalWakesTheLoopWithOneByte) {
  const int fd = watchCloseSignals();
  ASSERT_GE(fd, 0);
  EXPECT_EQ(takeCloseSignal(), 0);
  std::raise(SIGTERM);
  std::raise(SIGINT);
  pollfd wake{fd, POLLIN, 0};
  EXPECT_EQ(::poll(&wake, 1, 0), 1);
  int waiting = 0;
  ::ioctl(fd, FIONREAD, &waiting);
  EXPECT_EQ(waiting, 2);
  EXPECT_EQ(takeCloseSignal(), SIGINT);
  EXPECT_EQ(takeCloseSignal(), 0);
  unwatchCloseSignals();
}

}  // namespace
}  // namespace vorlund
