#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "app/arena_view.h"
#include "app/game_app.h"
#include "app/game_folder.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kHelp =
    "Usage: vorlund [OPTION]...\n"
    "A stable of arena fighters: stake money on turn-based duels on a hex sphere,\n"
    "follow every blow in the Log, keep a farm, hire a necromancer.\n"
    "\n"
    "Started in a folder that holds the game's files (aorb1.orb and atri1.tri),\n"
    "the game plays there. Started anywhere else it plays in the player's own\n"
    "folder, $XDG_DATA_HOME/vorlund (by default ~/.local/share/vorlund), which it\n"
    "fills on first start with the installed game data; files that play has\n"
    "changed there are never overwritten.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"
    "\n"
    "Qt's own options (-platform, -display, ...) are understood too.\n";

// Where the installed game data may be: beside the program (wherever the
// tree was installed), the game folder of a build, or the configured place.
std::vector<fs::path> dataCandidates() {
  std::vector<fs::path> found;
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    found.push_back(exe.parent_path().parent_path() / "share" / "vorlund");
    found.push_back(exe.parent_path().parent_path() / "game");
  }
  found.emplace_back(VORLUND_DATA_DIR);
  return found;
}

// Moves into the folder the game plays in; false when there is none.
bool enterGameFolder() {
  std::error_code ec;
  const fs::path here = fs::current_path(ec);
  vorlund::app::FolderChoice choice = vorlund::app::chooseGameFolder(
      here, dataCandidates(), std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  if (!choice.dir.empty()) {
    fs::current_path(choice.dir, ec);
    if (ec) choice.errors.push_back("Cannot enter " + choice.dir.string() + ": " + ec.message());
  }
  QString message;
  for (const std::string& e : choice.errors) {
    std::fprintf(stderr, "vorlund: %s\n", e.c_str());
    message += QString::fromStdString(e) + "\n";
  }
  if (!choice.dir.empty() && !ec) return true;
  QMessageBox::critical(nullptr, "Vorlund", message);
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if (!std::strcmp(argv[i], "--version")) {
      std::printf("vorlund %s\n", VORLUND_VERSION);
      return 0;
    }
  }
  vorlund::app::ArenaView::setDefaultFormat();
  QApplication application(argc, argv);
  QApplication::setApplicationName("Vorlund");
  QApplication::setDesktopFileName("io.github.vorlund.Vorlund");
  QApplication::setQuitOnLastWindowClosed(false);
  if (!enterGameFolder()) return 1;

  vorlund::app::GameApp game;
  const auto seed = static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch());
  if (!game.start(seed)) return 1;
  return QApplication::exec();
}
