#include "fighters/state_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace vorlund {

namespace {

struct Fd {
  int fd;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

StateFileRead readStateFile(const std::filesystem::path& path, std::size_t limit, Bytes& out) {
  out.clear();
  const Fd f{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
  if (f.fd < 0) return errno == ENOENT ? StateFileRead::Missing : StateFileRead::Unreadable;
  struct stat st {};
  if (::fstat(f.fd, &st) != 0) return StateFileRead::Unreadable;
  if (!S_ISREG(st.st_mode)) return StateFileRead::NotRegular;
  // One byte more than the limit tells a long file from one that fits.
  out.resize(limit + 1);
  std::size_t got = 0;
  while (got < out.size()) {
    const ssize_t n = ::read(f.fd, out.data() + got, out.size() - got);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      out.clear();
      return StateFileRead::Unreadable;
    }
    got += static_cast<std::size_t>(n);
  }
  out.resize(got);
  return got > limit ? StateFileRead::TooLong : StateFileRead::Read;
}

std::string readFailureText(StateFileRead r) {
  switch (r) {
    case StateFileRead::NotRegular:
      return "not a regular file";
    case StateFileRead::Unreadable:
      return "cannot be read";
    case StateFileRead::TooLong:
      return "too long";
    case StateFileRead::Read:
    case StateFileRead::Missing:
      break;
  }
  return {};
}

bool setAside(const std::filesystem::path& path) {
  std::filesystem::path aside = path;
  aside += ".bak";
  std::error_code ec;
  std::filesystem::rename(path, aside, ec);
  return !ec;
}

}  // namespace vorlund
