// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/arena_view.h"
#include "app/command_line.h"
#include "app/game_app.h"
#include "app/game_folder.h"
#include "app/message_boxes.h"
#include "app/replay_mode.h"
#include "app/window_system.h"
#include "loop/data_folder.h"
#include "loop/memory_settings_store.h"
#include "loop/settings.h"
#include "loop/version_text.h"

namespace {

namespace fs = std::filesystem;

// Follows the usage line.
constexpr const char* kHelp =
    "A stable of arena fighters: stake money on turn-based duels on a hex sphere,\n"
    "follow every blow in the Log, keep a farm, hire a necromancer.\n"
    "\n"
    "Started in a folder that holds the game's files (aorb1.orb and atri1.tri),\n"
    "the game plays there. Started anywhere else it plays in the player's own\n"
    "folder, $XDG_DATA_HOME/vorlund (by default ~/.local/share/vorlund), which it\n"
    "fills on first start with the installed game data; files that play has\n"
    "changed there are never overwritten. The textures and the tune are read from\n"
    "the installed data unless the game folder has its own.\n"
    "\n"
    "      --speed N  play at N ticks per second, 8 to 256, for this run (the\n"
    "                 designed pace is 64; without the option the Speed kept in\n"
    "                 the settings is taken)\n"
    "      --replay FILE  watch a recorded game (such as last-game.vsim) in the\n"
    "                 windows, at the pace it was played or at --speed, in a\n"
    "                 temporary folder: the game folder and the settings are\n"
    "                 left alone; a click in the Log pauses and resumes it\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and the licence, and exit\n"
    "\n"
    "Qt's own options are taken too: -platform NAME, -platformpluginpath PATH,\n"
    "-platformtheme NAME, -plugin NAME, -qwindowgeometry GEOMETRY, -qwindowicon FILE,\n"
    "-qwindowtitle TITLE, -session NAME, -display NAME, -geometry GEOMETRY,\n"
    "-style NAME, -stylesheet FILE, -reverse, -widgetcount, -nograb, -dograb, -sync.\n"
    "Where an X server answers the game uses it, so that its windows stand where\n"
    "they belong, unless -platform or QT_QPA_PLATFORM says otherwise.\n";

// Moves into the folder the game plays in; false when there is none.
bool enterGameFolder() {
  std::error_code ec;
  const fs::path here = fs::current_path(ec);
  vorlund::app::FolderChoice choice = vorlund::app::chooseGameFolder(
      here, vorlund::installedDataCandidates(), vorlund::installedDataFolders(),
      std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  if (!choice.dir.empty()) {
    fs::current_path(choice.dir, ec);
    if (ec) choice.errors.push_back("Cannot enter " + choice.dir.string() + ": " + ec.message());
  }
  QStringList errors;
  for (const std::string& e : choice.errors) errors << QString::fromStdString(e);
  const bool found = !choice.dir.empty() && !ec;
  if (found && !errors.isEmpty()) vorlund::app::tellConsole(errors.join('\n'));
  if (!found) vorlund::app::showMessage(nullptr, errors.join('\n'));
  return found;
}

// Plays a recording in the windows, in a folder of its own that goes with it.
int watchReplay(const std::string& file, std::optional<int> speed) {
  QTemporaryDir folder;
  auto recording = std::make_unique<vorlund::RecordedGame>();
  std::optional<vorlund::Failure> refused;
  if (!folder.isValid())
    refused = vorlund::Failure::fatal("Cannot make a temporary folder to play it in");
  else
    refused = vorlund::app::prepareReplay(file, folder.path().toStdString(), *recording);
  if (refused) {
    vorlund::app::showMessage(nullptr, QString::fromStdString(vorlund::describe(*refused)));
    return 2;
  }
  QDir::setCurrent(folder.path());
  vorlund::app::GameApp game(std::make_unique<vorlund::MemorySettingsStore>());
  const int recorded = recording->pace.value_or(vorlund::kDesignedSpeed);
  game.setSpeed(
      speed.value_or(vorlund::speedInRange(recorded) ? recorded : vorlund::kDesignedSpeed));
  const unsigned seed = recording->seed;
  game.setReplay(std::move(recording));
  if (!game.start(seed)) return 1;
  const int status = QApplication::exec();
  QDir::setCurrent(QDir::tempPath());
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  using vorlund::app::CommandLine;
  const CommandLine line =
      vorlund::app::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  switch (line.action) {
    case CommandLine::Action::Help:
      std::fputs(vorlund::app::kUsage, stdout);
      std::fputs(kHelp, stdout);
      return 0;
    case CommandLine::Action::Version:
      std::fputs(vorlund::versionText("vorlund", VORLUND_VERSION).c_str(), stdout);
      return 0;
    case CommandLine::Action::Refuse:
      std::fprintf(stderr, "vorlund: %s\n", line.error.c_str());
      std::fputs(vorlund::app::kUsage, stderr);
      return 2;
    case CommandLine::Action::Play:
      break;
  }
  vorlund::app::preferX11(line.platformChosen, line.display);
  vorlund::app::ArenaView::setDefaultFormat();
  QApplication application(argc, argv);
  QApplication::setApplicationName("Vorlund");
  QApplication::setDesktopFileName("io.github.vorlund.Vorlund");
  QApplication::setQuitOnLastWindowClosed(false);
  if (line.replay) return watchReplay(*line.replay, line.speed);
  if (!enterGameFolder()) return 1;

  vorlund::app::GameApp game;
  if (line.speed) game.setSpeed(*line.speed);
  const auto seed = static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch());
  if (!game.start(seed)) return 1;
  const int status = QApplication::exec();
  return status != 0 ? status : game.exitStatus();
}
