#include "shell/folder_hold.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

#include "shell/file_io.h"

namespace vorlund {

FolderHold::FolderHold(FolderHold&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), refusal_(std::move(other.refusal_)) {}

FolderHold& FolderHold::operator=(FolderHold&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    refusal_ = std::move(other.refusal_);
  }
  return *this;
}

FolderHold::~FolderHold() {
  if (fd_ >= 0) ::close(fd_);
}

FolderHold FolderHold::take(const std::filesystem::path& dir) {
  FolderHold hold;
  hold.fd_ = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (hold.fd_ < 0) return hold;
  int locked = 0;
  do {
    locked = ::flock(hold.fd_, LOCK_EX | LOCK_NB);
  } while (locked != 0 && errno == EINTR);
  if (locked != 0) {
    const bool taken = errno == EWOULDBLOCK;
    ::close(hold.fd_);
    hold.fd_ = -1;
    if (taken) {
      std::error_code ec;
      std::filesystem::path shown = std::filesystem::absolute(dir, ec).lexically_normal();
      if (ec) shown = dir;
      if (!shown.has_filename()) shown = shown.parent_path();
      hold.refusal_ = "Another Vorlund is playing in " + shown.string() +
                      ": only one game at a time may play in a folder";
    }
    return hold;
  }
  removeWriterLeftovers(dir);
  return hold;
}

}  // namespace vorlund
