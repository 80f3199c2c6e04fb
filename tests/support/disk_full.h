#pragma once
#include <sys/resource.h>

#include <csignal>

namespace vorlund::test {

// While it lives, no file of this process can grow beyond `bytes`: a write
// past that fails as on a full disk (root included). Files already bigger
// stay as they are.
class DiskFull {
 public:
  explicit DiskFull(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    savedSignal_ = std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a dead process
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~DiskFull() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, savedSignal_);
  }
  DiskFull(const DiskFull&) = delete;
  DiskFull& operator=(const DiskFull&) = delete;

 private:
  rlimit saved_{};
  void (*savedSignal_)(int) = SIG_DFL;
};

}  // namespace vorlund::test
