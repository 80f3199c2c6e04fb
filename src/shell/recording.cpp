#include "shell/recording.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "shell/game.h"
#include "shell/recorded_start.h"

namespace vorlund {

namespace {

// How long an input may wait in the system's cache before it is put on disk.
constexpr auto kSyncEvery = std::chrono::seconds(1);

}  // namespace

GameRecording::~GameRecording() {
  if (fd_ >= 0) ::close(fd_);
}

bool GameRecording::open(const Game& g, int flags) {
  file_ = gameFile(g, kLastGameFile);
  fd_ = ::open(file_.c_str(), flags | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd_ < 0) return false;
  // Held while the game runs: the next start leaves a locked recording alone.
  (void)::flock(fd_, LOCK_EX | LOCK_NB);
  lastSync_ = std::chrono::steady_clock::now();
  return true;
}

bool GameRecording::start(const Game& g, unsigned seed, int pace,
                          const std::filesystem::path& installed) {
  const std::filesystem::path last = gameFile(g, kLastGameFile);
  std::error_code ec;
  // The last game's script is kept before this one's replaces it; when it
  // cannot be, this game goes unrecorded rather than destroy it.
  if (std::filesystem::symlink_status(last, ec).type() != std::filesystem::file_type::not_found) {
    std::filesystem::rename(last, gameFile(g, kPreviousGameFile), ec);
    if (ec) {
      fail(std::string("Cannot keep ") + kLastGameFile + " as " + kPreviousGameFile +
               ": this game is not recorded",
           ec.message());
      return false;
    }
  }
  if (!open(g, O_CREAT | O_TRUNC)) {
    fail(std::string("Cannot create ") + kLastGameFile + ": this game is not recorded",
         std::strerror(errno));
    return false;
  }
  writeLine("seed " + std::to_string(seed));
  writeLine("# A game of Vorlund as it was played: 'vorlund-sim --replay this-file' plays it");
  writeLine("# again, and 'vorlund --replay this-file' shows it in the game's windows.");
  writeLine("# The game folder as it was when the game started: the files play may change,");
  writeLine("# and any other file the game reads that is not the installed game data's own,");
  writeLine("# deflated and in base64, each with its size and CRC-32; the installed data's");
  writeLine("# files by their size and CRC-32 alone.");
  for (const std::string& line : startLines(captureStart(g.dir, installed))) writeLine(line);
  writeLine("# What the game read from outside its folder: the purses and the Betrayal");
  writeLine("# flag from the settings, the lines a wheel notch scrolls, the clock's pace.");
  for (const StartCondition& c : startConditionsOf(g)) writeLine(conditionLine(c));
  writeLine(conditionLine(Pace{pace}));
  putOnDisk();
  return recording();
}

bool GameRecording::resume(const Game& g, std::uintmax_t bytes) {
  if (!open(g, O_APPEND) || ::ftruncate(fd_, static_cast<off_t>(bytes)) != 0) {
    fail(std::string("Cannot write ") + kLastGameFile + ": the rest of this game is not recorded",
         std::strerror(errno));
    stop();
    return false;
  }
  return true;
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

void GameRecording::condition(const StartCondition& c) {
  write(conditionLine(c));
}

void GameRecording::close() {
  write("close");
  putOnDisk();
  stop();
}

// The ticks run since the input before, then the line.
void GameRecording::write(std::string_view line) {
  if (!recording()) return;
  writePendingDrag();
  for (; ticks_ > 0; ticks_ -= std::min(ticks_, kMostTicksPerLine))
    writeLine("tick " + std::to_string(std::min(ticks_, kMostTicksPerLine)));
  writeLine(line);
  if (std::chrono::steady_clock::now() - lastSync_ >= kSyncEvery) putOnDisk();
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
      fail(std::string("Cannot write ") + kLastGameFile + ": the rest of this game is not recorded",
           std::strerror(n < 0 ? errno : EIO));
      stop();
      return;
    }
    done += static_cast<std::size_t>(n);
  }
}

// What the system holds of the file goes to the disk, so that a power cut
// loses at most the last second of play.
void GameRecording::putOnDisk() {
  if (fd_ < 0) return;
  (void)::fdatasync(fd_);
  lastSync_ = std::chrono::steady_clock::now();
}

void GameRecording::fail(const std::string& what, const std::string& reason) {
  if (onFailure) onFailure(Failure::logged(what, reason));
}

void GameRecording::stop() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

}  // namespace vorlund
