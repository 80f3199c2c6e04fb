#pragma once
#include <filesystem>
#include <string>

namespace vorlund {

// A game folder held by one program, the game or the sim, for as long as it
// runs: a second one started there would save over the first one's work at
// close, and write its recording into the first one's. The hold is a lock
// on the folder itself, so that no file of its own appears among the game's,
// and the system lets it go with the program however it ends: a killed
// program's hold never blocks the next start.
class FolderHold {
 public:
  FolderHold() = default;
  FolderHold(FolderHold&& other) noexcept;
  FolderHold& operator=(FolderHold&& other) noexcept;
  FolderHold(const FolderHold&) = delete;
  FolderHold& operator=(const FolderHold&) = delete;
  ~FolderHold();

  // Takes the folder before anything in it is read or written, then removes
  // the temporary files a killed save left there. Another program holding
  // it is the one refusal, `refused` then names the folder; a folder that
  // cannot be opened or locked at all (none there, a file system without
  // locks) is not held, and the start-up finds out the rest.
  static FolderHold take(const std::filesystem::path& dir);

  bool refused() const { return !refusal_.empty(); }
  const std::string& refusal() const { return refusal_; }

 private:
  int fd_ = -1;
  std::string refusal_;
};

}  // namespace vorlund
