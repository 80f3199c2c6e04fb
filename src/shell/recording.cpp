#include "shell/recording.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "shell/game.h"
#include "shell/start_conditions.h"

namespace vorlund {

GameRecording::~GameRecording() {
  if (fd_ >= 0) ::close(fd_);
}

bool GameRecording::start(const Game& g, unsigned seed) {
  file_ = gameFile(g, kLastGameFile);
  std::error_code ec;
  // The last game's script is kept before this one's replaces it; when it
  // cannot be, this game goes unrecorded rather than destroy it.
  if (std::filesystem::symlink_status(file_, ec).type() != std::filesystem::file_type::not_found) {
    std::filesystem::rename(file_, gameFile(g, kPreviousGameFile), ec);
    if (ec) {
      fail("cannot keep " + file_.string() + " as " + kPreviousGameFile + " (" + ec.message() +
           "): this game is not recorded");
      return false;
    }
  }
  fd_ = ::open(file_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd_ < 0) {
    fail("cannot create " + file_.string() + " (" + std::strerror(errno) +
         "): this game is not recorded");
    return false;
  }
  writeLine("seed " + std::to_string(seed));
  writeLine("# A game of Vorlund as it was played. To play it again, copy the game folder");
  writeLine("# as it was when the game started and run: vorlund-sim --dir COPY < this-file");
  writeLine("# What the game read from outside its folder: the purses and the Betrayal");
  writeLine("# flag from the settings, the lines a wheel notch scrolls.");
  for (const StartCondition& c : startConditionsOf(g)) writeLine(conditionLine(c));
  return recording();
}

void GameRecording::tick() {
  if (!recording()) return;
  writePendingDrag();
  ++ticks_;
}

void GameRecording::input(const PlayerInput& in) {
  if (!recording()) return;
  if (supersedesItself(in)) {
    pendingDrag_ = inputLine(in);
    return;
  }
  write(inputLine(in));
}

void GameRecording::close() {
  write("close");
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

// The ticks run since the input before, then the line.
void GameRecording::write(std::string_view line) {
  if (!recording()) return;
  writePendingDrag();
  for (; ticks_ > 0; ticks_ -= std::min(ticks_, kMostTicksPerLine))
    writeLine("tick " + std::to_string(std::min(ticks_, kMostTicksPerLine)));
  writeLine(line);
}

void GameRecording::writePendingDrag() {
  if (pendingDrag_.empty()) return;
  const std::string line = std::move(pendingDrag_);
  pendingDrag_.clear();
  write(line);
}

// One write per line, straight to the system: what was written is in the
// file even when the program dies the next moment.
void GameRecording::writeLine(std::string_view text) {
  if (fd_ < 0) return;
  std::string line(text);
  line += '\n';
  std::size_t done = 0;
  while (done < line.size()) {
    const ssize_t n = ::write(fd_, line.data() + done, line.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      fail("cannot write " + file_.string() + " (" + std::strerror(n < 0 ? errno : EIO) +
           "): the rest of this game is not recorded");
      ::close(fd_);
      fd_ = -1;
      return;
    }
    done += static_cast<std::size_t>(n);
  }
}

void GameRecording::fail(const std::string& why) {
  if (onFailure) onFailure(why);
}

}  // namespace vorlund
