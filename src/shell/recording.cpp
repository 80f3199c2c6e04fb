#include "shell/recording.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <system_error>

#include "shell/game.h"

namespace vorlund {
namespace {

std::string number(double d) {
  // The shortest text that reads back as the same double: the replay's view
  // turns exactly as the game's did.
  char buf[32];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, d);
  return ec == std::errc() ? std::string(buf, end) : "0";
}

std::string modifierWords(KeyModifiers mods, bool withShift) {
  std::string words;
  if (withShift && mods.shift) words += " shift";
  if (mods.ctrl) words += " ctrl";
  if (mods.alt) words += " alt";
  return words;
}

}  // namespace

const char* simWindowName(WindowId w) {
  switch (w) {
    case WindowId::Main:
      return "main";
    case WindowId::Us:
      return "us";
    case WindowId::Them:
      return "them";
    case WindowId::Names:
      return "names";
    case WindowId::Log:
      return "log";
  }
  return "main";
}

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
  std::string purses = "purses";
  for (int s = 1; s <= kSlotCount; ++s) purses += " " + std::to_string(slot(g, s).Coin);
  writeLine("seed " + std::to_string(seed));
  writeLine("# A game of Vorlund as it was played. To play it again, copy the game folder");
  writeLine("# as it was when the game started and run: vorlund-sim --dir COPY < this-file");
  writeLine("# What the game read from outside its folder: the purses and the Betrayal");
  writeLine("# flag from the settings, the lines a wheel notch scrolls.");
  writeLine(purses);
  writeLine(std::string("betrayal ") + (g.betrayal ? "true" : "false"));
  writeLine("wheel-lines " + std::to_string(g.wheelScrollLines));
  return recording();
}

void GameRecording::tick() {
  if (!recording()) return;
  writePendingDrag();
  ++ticks_;
}

void GameRecording::namesClick(int line, std::size_t lineCount) {
  const std::size_t index =
      line < 0 || static_cast<std::size_t>(line) >= lineCount ? lineCount : line;
  input("click #" + std::to_string(index));
}

void GameRecording::logClick() {
  input("log-click");
}

void GameRecording::arenaKey(int code, KeyModifiers mods) {
  input("key " + std::to_string(code) + modifierWords(mods, true));
}

void GameRecording::textWindowKey(int code) {
  input("text-key " + std::to_string(code));
}

void GameRecording::press(std::optional<std::uint32_t> hit, MouseButton button, KeyModifiers mods) {
  if (!hit) return input("pick none");
  const char* side = button == MouseButton::Right    ? " right"
                     : button == MouseButton::Middle ? " middle"
                                                     : "";
  input("pick " + std::to_string(*hit) + side + modifierWords(mods, false));
}

void GameRecording::drag(double dx, double dy, int clientWidth, int clientHeight) {
  if (!recording()) return;
  pendingDrag_ = "drag " + number(dx) + " " + number(dy) + " " + std::to_string(clientWidth) + " " +
                 std::to_string(clientHeight);
}

void GameRecording::release() {
  input("mouse-up");
}

void GameRecording::wheel(int delta) {
  input("wheel " + std::to_string(delta));
}

void GameRecording::logSaved(const std::string& name) {
  input("save-log " + name);
}

void GameRecording::resize(WindowId w, const WindowBounds& b) {
  input(std::string("resize ") + simWindowName(w) + " " + std::to_string(b.top) + " " +
        std::to_string(b.left) + " " + std::to_string(b.width) + " " + std::to_string(b.height));
}

void GameRecording::close() {
  input("close");
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void GameRecording::input(std::string_view line) {
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
  input(line);
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
