#pragma once
#include <array>
#include <streambuf>

namespace vorlund::sim {

// The sim's commands as they come on a file descriptor (standard input),
// read so that SIGTERM, SIGHUP or SIGINT end the input at once: the sim then
// runs its close (see watchCloseSignals), as the game does on those signals.
// A signal that comes during a command ends the input before the next one.
class CommandInput : public std::streambuf {
 public:
  explicit CommandInput(int fd);
  // Whether the input ended because one of the signals came.
  bool interrupted() const { return interrupted_; }

 protected:
  int_type underflow() override;

 private:
  int fd_;
  int signals_;
  bool interrupted_ = false;
  // What was read and not yet handed on; it goes out a line at a time, so
  // that the signals are looked at before every command.
  std::array<char, 4096> buffer_{};
  char* unread_ = buffer_.data();
  char* end_ = buffer_.data();
  bool lineStart_ = true;  // a line longer than the buffer is never cut
};

}  // namespace vorlund::sim
