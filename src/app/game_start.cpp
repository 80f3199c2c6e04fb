// The start-up after the windows are made: a new game recorded from its
// start, or the last game, which did not close, played again and going on.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <memory>

#include "app/game_app.h"
#include "loop/data_folder.h"
#include "loop/last_game.h"
#include "loop/null_platform.h"
#include "loop/settings.h"
#include "loop/startup.h"
#include "panels/tiling.h"

namespace vorlund::app {

namespace {

// Ticks played between two looks at the clock while a game is played again.
constexpr std::int64_t kTicksBetweenLooks = 2048;
// How long the player waits before a progress bar shows that he waits.
constexpr qint64 kQuietMs = 500;

}  // namespace

bool GameApp::beginGame(unsigned seed, int pace) {
  if (replay_) return replay_->start(*game_);
  Game& g = *game_;
  const std::filesystem::path installed = installedDataFolder();
  LastGame last = examineLastGame(g.dir, installed);
  std::optional<Failure> setAside;
  if (last.state == LastGame::State::Unclosed) {
    // The folder as the crashed game found it: its names.txt has lost the
    // names it gave, the other files are as it read them.
    const std::optional<Failure> why = restoreStart(last.recording.start, g.dir, installed);
    if (!why) return recoverLastGame(last.recording, pace);
    setAside = setLastGameAside(g.dir, why->message);
  } else if (last.state == LastGame::State::Unplayable) {
    setAside = setLastGameAside(g.dir, last.why);
  }
  if (!startGame(g, seed)) return false;
  recording_.start(g, seed, pace, installed);
  if (setAside) {
    reportFailure(g, *setAside);
    recording_.input(LogNote{setAside->message});
  }
  return true;
}

// The recording goes on in the same file. Its `recovered` line is written
// before the game is played again: should that stop the program once more,
// the next start sees it and does not try for ever.
bool GameApp::recoverLastGame(const RecordedGame& last, int pace) {
  const Recovered recovered{static_cast<std::int64_t>(last.inputs)};
  if (recording_.resume(*game_, last.bytesToLastInput)) recording_.input(recovered);
  if (!playAgainHeadless(last)) return false;
  (void)playInput(*game_, recovered);
  recording_.condition(Pace{pace});
  showAfterRecovery();
  return true;
}

// Played on a platform without windows, as vorlund-sim plays it, as fast as
// it goes; a bar shows how far when it takes longer than half a second.
bool GameApp::playAgainHeadless(const RecordedGame& last) {
  NullPlatform headless;
  headless.onFailure = [this](const Failure& f) { report(f); };
  game_->platform = &headless;
  RecordingPlayer player(last, last.stepsToLastInput);
  QElapsedTimer clock;
  clock.start();
  std::unique_ptr<QProgressDialog> bar;
  bool started = player.start(*game_);
  while (started && !player.finished()) {
    player.advance(*game_, kTicksBetweenLooks);
    if (!bar && clock.elapsed() > kQuietMs) {
      bar = std::make_unique<QProgressDialog>("The last game did not close: playing it again...",
                                              QString(), 0, 1000);
      bar->setWindowTitle("Vorlund");
      bar->setMinimumDuration(0);
      bar->show();
    }
    if (bar) {
      const double done = player.ticksToPlay() > 0 ? static_cast<double>(player.ticksPlayed()) /
                                                         static_cast<double>(player.ticksToPlay())
                                                   : 1.0;
      bar->setValue(static_cast<int>(done * 1000));
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
  }
  game_->platform = this;
  return started;
}

// What the headless start-up and first tick did not do to the windows: the
// main window where the settings keep it, the tune, and, once the main
// window stands on the screen, the text windows round it.
void GameApp::showAfterRecovery() {
  Game& g = *game_;
  placeMainWindow(g);
  if (const std::optional<Failure> f = settings_->takeOpeningFailure()) {
    reportFailure(g, *f);
    recording_.input(LogNote{f->message});
  }
  tileAfterRecovery_ = g.startupCountdown != 1;
  if (g.musicOn) musicPlay();
}

void GameApp::tileTextWindows() {
  for (const auto& [w, b] : textWindowLayout(bounds(WindowId::Main), false)) setBounds(w, b);
  for (WindowId w : {WindowId::Us, WindowId::Them, WindowId::Names, WindowId::Log}) showWindow(w);
}

}  // namespace vorlund::app
