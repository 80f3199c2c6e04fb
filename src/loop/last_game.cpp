#include "loop/last_game.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "loop/recording.h"
#include "state/file_io.h"

namespace vorlund {

namespace fs = std::filesystem;

namespace {

// A running game holds its recording locked while it writes it.
bool heldByARunningGame(const fs::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  ::close(fd);
  return held;
}

}  // namespace

LastGame examineLastGame(const fs::path& dir, const fs::path& installed) {
  LastGame last;
  const fs::path file = dir / kLastGameFile;
  const auto unplayable = [&last](std::string why) {
    last.state = LastGame::State::Unplayable;
    last.why = std::move(why);
    return last;
  };
  std::error_code ec;
  const fs::file_type type = fs::symlink_status(file, ec).type();
  if (type == fs::file_type::not_found) return last;
  // A link is no recording the game wrote, and a pipe or a device in its
  // place is never opened to be read.
  if (type != fs::file_type::regular) return unplayable("not a regular file");
  if (heldByARunningGame(file)) return last;
  Bytes bytes;
  if (const FileResult read = readFileBounded(file, kLargestRecording, bytes); !read)
    return unplayable(read.reason());
  const std::string text(bytes.begin(), bytes.end());
  if (std::optional<Failure> error = readRecording(text, last.recording))
    return unplayable(error->message);
  if (last.recording.closed || last.recording.inputs == 0) {
    last.state = LastGame::State::Closed;
    return last;
  }
  if (last.recording.start.files.empty())
    return unplayable("it does not carry the game folder as it was when it started");
  // Played again twice, and twice it stopped before the player's next input:
  // a third time would only stop again.
  if (last.recording.recoveriesAtEnd >= 2)
    return unplayable("it stopped again twice right after it was played again");
  if (std::optional<Failure> why = checkInstalled(last.recording.start, installed))
    return unplayable(why->message);
  last.state = LastGame::State::Unclosed;
  return last;
}

Failure setLastGameAside(const fs::path& dir, const std::string& why) {
  fs::path aside;
  const FileResult kept = keepAside(dir / kLastGameFile, aside);
  const std::string where = kept ? "its recording is kept as " + aside.filename().string()
                                 : "its recording could not be kept aside (" + kept.reason() + ")";
  return Failure::logged("The last game did not close and cannot be played again (" + why +
                         "): " + where);
}

}  // namespace vorlund
