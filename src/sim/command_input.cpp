#include "sim/command_input.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "shell/close_signals.h"

namespace vorlund::sim {

CommandInput::CommandInput(int fd) : fd_(fd), signals_(watchCloseSignals()) {}

CommandInput::int_type CommandInput::underflow() {
  for (;;) {
    if (lineStart_ && takeCloseSignal() != 0) interrupted_ = true;
    if (interrupted_) return traits_type::eof();
    if (unread_ < end_) {
      char* const line = unread_;
      unread_ = std::find(unread_, end_, '\n');
      lineStart_ = unread_ < end_;
      if (lineStart_) ++unread_;
      setg(line, line, unread_);
      return traits_type::to_int_type(*gptr());
    }
    const bool watchSignals = signals_ >= 0 && lineStart_;
    pollfd watched[2] = {{fd_, POLLIN, 0}, {signals_, POLLIN, 0}};
    const int ready = ::poll(watched, watchSignals ? 2 : 1, -1);
    if (ready < 0 && errno == EINTR) continue;
    if (ready < 0) return traits_type::eof();
    if (watchSignals && (watched[1].revents & POLLIN) != 0) continue;
    const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) return traits_type::eof();
    unread_ = buffer_.data();
    end_ = buffer_.data() + n;
  }
}

}  // namespace vorlund::sim
