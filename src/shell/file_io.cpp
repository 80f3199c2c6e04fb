#include "shell/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace vorlund {
namespace {

FileResult failed(int error) {
  return {FileResult::Code::Failed, std::strerror(error)};
}

FileResult status(FileResult::Code code) {
  return {code, {}};
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, so that the error a close may report is not lost.
  int close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

bool writeAll(int fd, std::span<const unsigned char> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// A name no other file of the folder has yet: the exclusive creation below
// tries again when it guessed wrong.
std::filesystem::path temporaryName(const std::filesystem::path& path, unsigned attempt) {
  static std::atomic<unsigned> counter{0};
  const auto now =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  std::filesystem::path temp = path;
  temp += "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
          std::to_string((now ^ (now >> 29)) % 1000003u + attempt) + ".tmp";
  return temp;
}

std::filesystem::path folderOf(const std::filesystem::path& path) {
  const std::filesystem::path parent = path.parent_path();
  return parent.empty() ? std::filesystem::path(".") : parent;
}

// The rename only lasts once the folder that records it is on disk too. A
// file system that cannot flush a folder says EINVAL; there is nothing to do then.
FileResult flushFolder(const std::filesystem::path& folder) {
  Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() < 0) return failed(errno);
  if (::fsync(fd.get()) != 0 && errno != EINVAL) return failed(errno);
  return {};
}

}  // namespace

std::string FileResult::reason() const {
  switch (code) {
    case Code::Ok:
      return "";
    case Code::Missing:
      return "no such file";
    case Code::NotRegular:
      return "not a regular file";
    case Code::TooLarge:
      return "too large";
    case Code::ReadOnly:
      return "the file is read-only";
    case Code::Failed:
      return detail;
  }
  return detail;
}

FileResult writeFileAtomically(const std::filesystem::path& path,
                               std::span<const unsigned char> bytes) {
  mode_t mode = 0666;  // a new file: what the umask leaves of read and write for all
  bool keepMode = false;
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0) {
    if (!S_ISREG(old.st_mode)) return status(FileResult::Code::NotRegular);
    if ((old.st_mode & S_IWUSR) == 0) return status(FileResult::Code::ReadOnly);
    mode = old.st_mode & 0777;
    keepMode = true;
  } else if (errno != ENOENT) {
    return failed(errno);
  }

  std::filesystem::path temp;
  int fd = -1;
  for (unsigned attempt = 0; fd < 0 && attempt < 100; ++attempt) {
    temp = temporaryName(path, attempt);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0 && errno != EEXIST) return failed(errno);
  }
  if (fd < 0) return failed(EEXIST);
  Descriptor file(fd);
  // The umask may have taken bits the old file had; it gets them back. A file
  // system without permission bits refuses, which changes nothing that matters.
  if (keepMode) (void)::fchmod(file.get(), mode);

  const bool written = writeAll(file.get(), bytes) && ::fsync(file.get()) == 0;
  const int writeError = errno;
  const bool closed = file.close() == 0;
  if (!written || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
    const int error = !written ? writeError : errno;
    ::unlink(temp.c_str());
    return failed(error);
  }
  return flushFolder(folderOf(path));
}

FileResult writeFileAtomically(const std::filesystem::path& path, std::string_view text) {
  return writeFileAtomically(
      path, std::span(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
}

namespace {

// Reads a regular file: all of it when `whole`, and then never one of more
// than maxBytes; else its first maxBytes bytes.
FileResult readRegularFile(const std::filesystem::path& path, std::size_t maxBytes, bool whole,
                           Bytes& out) {
  out.clear();
  // Looked at before it is opened: opening a pipe or a device could block for ever.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0)
    return errno == ENOENT ? status(FileResult::Code::Missing) : failed(errno);
  if (!S_ISREG(st.st_mode)) return status(FileResult::Code::NotRegular);
  const auto tooLarge = [&] { return whole && static_cast<std::uintmax_t>(st.st_size) > maxBytes; };
  if (tooLarge()) return status(FileResult::Code::TooLarge);

  // Something else may have been put in its place in the meantime: the open
  // does not wait for it, and what was opened is looked at again.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) return errno == ENOENT ? status(FileResult::Code::Missing) : failed(errno);
  if (::fstat(fd.get(), &st) != 0) return failed(errno);
  if (!S_ISREG(st.st_mode)) return status(FileResult::Code::NotRegular);
  if (tooLarge()) return status(FileResult::Code::TooLarge);

  // A file that grows while it is read is still held to the limit.
  out.reserve(std::min(static_cast<std::size_t>(st.st_size), maxBytes));
  unsigned char chunk[65536];
  for (;;) {
    const std::size_t room = whole ? sizeof chunk : std::min(sizeof chunk, maxBytes - out.size());
    if (room == 0) return {};
    const ssize_t n = ::read(fd.get(), chunk, room);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      out.clear();
      return failed(error);
    }
    if (n == 0) return {};
    if (out.size() + static_cast<std::size_t>(n) > maxBytes) {
      out.clear();
      return status(FileResult::Code::TooLarge);
    }
    out.insert(out.end(), chunk, chunk + n);
  }
}

// Renames without ever replacing what bears the new name.
int renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return -1;
  // A file system that cannot promise it: looked at first, then renamed.
  struct stat st {};
  if (::lstat(to.c_str(), &st) == 0) {
    errno = EEXIST;
    return -1;
  }
  return std::rename(from.c_str(), to.c_str());
}

}  // namespace

FileResult readFileBounded(const std::filesystem::path& path, std::size_t maxBytes, Bytes& out) {
  return readRegularFile(path, maxBytes, true, out);
}

FileResult readFileStart(const std::filesystem::path& path, std::size_t maxBytes, Bytes& out) {
  return readRegularFile(path, maxBytes, false, out);
}

FileResult keepAside(const std::filesystem::path& path, std::filesystem::path& aside) {
  constexpr int kAttempts = 100;
  for (int n = 0; n < kAttempts; ++n) {
    aside = path;
    aside += n == 0 ? std::string(".bak") : ".bak." + std::to_string(n);
    if (renameNoReplace(path, aside) == 0) return flushFolderOf(path);
    if (errno != EEXIST) {
      const int error = errno;
      aside.clear();
      return error == ENOENT ? status(FileResult::Code::Missing) : failed(error);
    }
  }
  aside.clear();
  return failed(EEXIST);
}

FileResult flushFolderOf(const std::filesystem::path& path) {
  return flushFolder(folderOf(path));
}

namespace {

// Takes a run of decimal digits from the front of `text`; whether there was one.
bool takeDigits(std::string_view& text) {
  std::size_t n = 0;
  while (n < text.size() && text[n] >= '0' && text[n] <= '9') ++n;
  text.remove_prefix(n);
  return n > 0;
}

}  // namespace

bool isWriterTemporary(std::string_view name) {
  constexpr std::string_view kEnd = ".tmp";
  if (!name.ends_with(kEnd)) return false;
  name.remove_suffix(kEnd.size());
  // The three numbers, read from the end: M, N and the process id.
  for (int number = 0; number < 3; ++number) {
    const std::size_t mark = name.find_last_of(number < 2 ? '-' : '.');
    if (mark == std::string_view::npos || mark == 0) return false;
    std::string_view digits = name.substr(mark + 1);
    if (!takeDigits(digits) || !digits.empty()) return false;
    name = name.substr(0, mark);
  }
  return true;
}

void removeWriterLeftovers(const std::filesystem::path& folder) {
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code typeError;
    if (isWriterTemporary(it->path().filename().string()) &&
        it->symlink_status(typeError).type() == std::filesystem::file_type::regular)
      ::unlink(it->path().c_str());
  }
}

}  // namespace vorlund
