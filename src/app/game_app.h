#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/frame_placer.h"
#include "app/tick_clock.h"
#include "shell/folder_hold.h"
#include "shell/game.h"
#include "shell/platform.h"
#include "shell/player_input.h"
#include "shell/recorded_game.h"
#include "shell/recording.h"

class QMediaPlayer;
class QAudioOutput;

namespace vorlund {
class QtSettingsStore;
}

namespace vorlund::app {

class ArenaView;
class SheetWindow;
class ListWindow;
class OddsTooltip;
class GameApp;

// TForm1: the main window, the arena view filling it.
class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(GameApp& app);
  ArenaView* view() const { return view_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  GameApp& app_;
  ArenaView* view_;
  QPointF pressAt_;  // where the drag started
};

// The whole program: the game state, the five windows, the clock, and the
// platform the rules talk to.
class GameApp : public QObject, public Platform {
  Q_OBJECT
 public:
  // Offers a file name for the Log and returns the one chosen, "" for none.
  using LogFileChooser = std::function<QString(const QString& offered)>;

  // The settings of the player, unless others are given (a replay has its
  // own, which start empty).
  explicit GameApp(std::unique_ptr<SettingsStore> settings = nullptr);
  ~GameApp() override;

  // The pace asked for on the command line, for this run only; without it
  // the stored one is taken. Set before start().
  void setSpeed(int ticksPerSecond) { speedChoice_ = ticksPerSecond; }
  // Ticks per second of the game clock (once started).
  int ticksPerSecond() const { return pace_ ? pace_->ticksPerSecond() : 0; }
  // Ctrl+S in the Log asks this instead of the save dialog (tests).
  void setLogFileChooser(LogFileChooser chooser) { chooseLogFile_ = std::move(chooser); }
  OddsTooltip& odds() { return *odds_; }

  // Plays `recording` in the windows instead of a game of the player's: set
  // before start(), which then takes the recording's seed.
  void setReplay(std::unique_ptr<RecordedGame> recording);
  bool replaying() const { return replay_ != nullptr; }
  bool replayPaused() const { return replayPaused_; }
  bool replayOver() const;

  // Holds the game folder, creates the five windows and runs the start-up;
  // false when start-up had to stop (the player has been told why). A last
  // game that did not close is played again first and goes on.
  bool start(unsigned seed);

  // Who asked for the close: the player (closing the main window), the
  // session (a logout, SIGTERM, SIGHUP, SIGINT), or the program's exit while
  // the game still runs (the display went away).
  enum class CloseBy { Player, Session, Exit };
  // Runs the shutdown once, tells in one message every file it could not
  // save, closes every window and ends the event loop. Only the player is
  // shown a box; a session's or an exit's close writes to standard error,
  // since nobody is there to answer.
  void shutDown(CloseBy by = CloseBy::Player);
  // The program's exit status once closed: 1 when a file was not saved.
  int exitStatus() const { return unsaved_.empty() ? 0 : 1; }

  Game& game() { return *game_; }
  // What the player does, written to last-game.vsim as it happens.
  GameRecording& recording() { return recording_; }
  MainWindow* mainWindow() const { return main_.get(); }
  QWidget* window(WindowId w) const;

  // The player's input: recorded, then played on the game.
  std::optional<Failure> play(const PlayerInput& input);
  // Mirrors the models into the windows after any event.
  void sync();
  // One tick of the main loop, then the windows catch up.
  void tick();
  // A window's inside was resized: the game's resize handler runs when the
  // player did it, not for the program's own placements.
  void windowResized(WindowId w, QSize inside);
  // Whether the tune was found and a sound device is there to play it.
  bool musicLoaded() const { return player_ != nullptr; }
  // Whether the tune is playing now.
  bool musicPlaying() const;

  // Platform.
  WindowBounds bounds(WindowId w) override;
  void setBounds(WindowId w, const WindowBounds& b) override;
  void showWindow(WindowId w) override;
  bool isVisible(WindowId w) override;
  void focusWindow(WindowId w) override;
  void setCaption(WindowId w, const std::string& caption) override;
  WindowState mainWindowState() override;
  bool mainWindowActive() override;
  void minimiseMainWindow() override;
  void maximiseMainWindow() override;
  void beep() override;
  void musicPlay() override;
  void musicPauseOrResume() override;
  void musicResume() override;
  void report(const Failure& failure) override;
  void paintArena() override;
  int wheelScrollLines() override;
  SettingsStore& settings() override;

 private:
  void scheduleNextTick();
  // The start-up after the windows: a crashed last game played again, or a
  // new game recorded from its start, or the replay.
  bool beginGame(unsigned seed, int pace);
  bool recoverLastGame(const RecordedGame& last, int pace);
  bool playAgainHeadless(const RecordedGame& last);
  void showAfterRecovery();
  // The text windows laid out round the main window and shown, as the first
  // tick does; after a recovery, at the first tick in the windows.
  void tileTextWindows();
  // The replay: its next tick (false once it is over), a player's input
  // (a click in the Log pauses or resumes it), and the captions that say so.
  bool replayTick();
  std::optional<Failure> replayInput(const PlayerInput& input);
  void markReplayCaptions();
  void openMusic();
  // Ctrl+S in the Log: its lines as they stand, saved where the player says.
  void saveLogAs();
  void saveLogTo(const QString& file);
  // The one message of a close about the files it could not save.
  void tellUnsaved(CloseBy by);

  std::unique_ptr<Game> game_;
  GameRecording recording_;
  std::unique_ptr<SettingsStore> settings_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<SheetWindow> us_;
  std::unique_ptr<SheetWindow> them_;
  std::unique_ptr<ListWindow> names_;
  std::unique_ptr<ListWindow> log_;
  FramePlacer frames_;
  QTimer timer_;
  QElapsedTimer clock_;
  std::optional<int> speedChoice_;
  std::optional<TickClock> pace_;
  std::unique_ptr<OddsTooltip> odds_;
  LogFileChooser chooseLogFile_;
  FolderHold hold_;
  bool closed_ = false;
  std::vector<Failure> unsaved_;  // what the close could not save
  std::unique_ptr<RecordedGame> replayed_;
  std::unique_ptr<RecordingPlayer> replay_;
  bool replayPaused_ = false;
  bool tileAfterRecovery_ = false;
  QMediaPlayer* player_ = nullptr;
  QAudioOutput* audio_ = nullptr;
};

}  // namespace vorlund::app
