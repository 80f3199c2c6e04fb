#include "app/game_app.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <ctime>
#include <utility>

#ifdef VORLUND_HAVE_MULTIMEDIA
#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#endif

#include "app/arena_view.h"
#include "app/fonts.h"
#include "app/key_codes.h"
#include "app/message_boxes.h"
#include "app/odds_tooltip.h"
#include "app/session_end.h"
#include "app/text_windows.h"
#include "app/window_system.h"
#include "loop/data_folder.h"
#include "loop/game_files.h"
#include "loop/settings.h"
#include "loop/startup.h"
#include "loop/tick.h"
#include "panels/designed_bounds.h"
#include "panels/log_file.h"
#include "settings/qt_settings_store.h"
#include "state/failure.h"

namespace vorlund::app {

MainWindow::MainWindow(GameApp& app) : app_(app) {
  setWindowTitle(QString::fromStdString(app.game().mainCaption));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  view_ = new ArenaView(app.game(), this);
  layout->addWidget(view_);
  setFocusPolicy(Qt::StrongFocus);
}

namespace {

KeyModifiers keyModifiers(Qt::KeyboardModifiers m) {
  return {m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier),
          m.testFlag(Qt::AltModifier)};
}

// The three buttons the arena answers to.
std::optional<MouseButton> arenaButton(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton:
      return MouseButton::Left;
    case Qt::RightButton:
      return MouseButton::Right;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    default:
      return std::nullopt;
  }
}

}  // namespace

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (const int vk = virtualKey(*event); vk != 0)
    app_.play(ArenaKey{vk, keyModifiers(event->modifiers())});
  app_.sync();
}

// A press paints the frame in selection mode under the pointer, and the
// nearest thing named there goes with the press to the editor; a drag
// starts from the press.
void MainWindow::mousePressEvent(QMouseEvent* event) {
  const std::optional<MouseButton> button = arenaButton(event->button());
  if (!button) return;
  pressAt_ = event->position();
  const auto hit = view_->pickAt(view_->mapFrom(this, pressAt_));
  app_.play(ArenaPress{hit, *button, keyModifiers(event->modifiers())});
  app_.sync();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
  if (!app_.game().mouseDrag) return;
  const QPointF from = event->position() - pressAt_;
  app_.play(ArenaDrag{from.x(), from.y(), width(), height()});
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (arenaButton(event->button())) app_.play(MouseUp{});
}

void MainWindow::wheelEvent(QWheelEvent* event) {
  app_.play(WheelTurn{event->angleDelta().y()});
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (isVisible()) app_.windowResized(WindowId::Main, event->size());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  app_.shutDown();
  event->accept();
}

GameApp::GameApp(std::unique_ptr<SettingsStore> settings)
    : game_(std::make_unique<Game>()), odds_(std::make_unique<OddsTooltip>()) {
  game_->platform = this;
  game_->dir = QDir::currentPath().toStdString();
  settings_ = std::move(settings);
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
}

GameApp::~GameApp() {
  forgetSession(*this);
}

QWidget* GameApp::window(WindowId w) const {
  switch (w) {
    case WindowId::Main:
      return main_.get();
    case WindowId::Us:
      return us_.get();
    case WindowId::Them:
      return them_.get();
    case WindowId::Names:
      return names_.get();
    case WindowId::Log:
      return log_.get();
  }
  return nullptr;
}

bool GameApp::start(unsigned seed) {
  Game& g = *game_;
  // Nothing of the folder is read or written before it is held.
  hold_ = FolderHold::take(g.dir);
  if (hold_.refused()) {
    reportFailure(g, Failure::fatal(hold_.refusal()));
    return false;
  }
  if (!settings_) settings_ = QtSettingsStore::forUser(executableFolder());
  auto textHooks = [this](WindowId w) {
    TextWindowHooks h;
    h.key = [this](int vk) {
      play(TextKey{vk});
      sync();
    };
    h.resized = [this, w](QSize inside) { windowResized(w, inside); };
    return h;
  };
  main_ = std::make_unique<MainWindow>(*this);
  frames_.place(main_.get(), designedBounds(WindowId::Main));
  us_ = std::make_unique<SheetWindow>("Us", textHooks(WindowId::Us));
  them_ = std::make_unique<SheetWindow>("Them", textHooks(WindowId::Them));
  TextWindowHooks namesHooks = textHooks(WindowId::Names);
  namesHooks.mouseDown = [this, &g](int row) {
    play(NamesClick::at(row, g.names.lines().size()));
    sync();
  };
  namesHooks.toolTip = [this](QPoint global) { odds_->showAt(global, names_->list()->viewport()); };
  names_ = std::make_unique<ListWindow>("Names", georgiaPoints(8), namesHooks);
  // The odds show whichever of the five windows the player used last.
  names_->setAttribute(Qt::WA_AlwaysShowToolTips);
  TextWindowHooks logHooks = textHooks(WindowId::Log);
  logHooks.mouseDown = [this](int) {
    play(LogClick{});
    sync();
  };
  logHooks.save = [this] { saveLogAs(); };
  log_ = std::make_unique<ListWindow>("Log", georgiaPixels(11), logHooks);
  for (ListWindow* l : {names_.get(), log_.get()})
    l->list()->setStyleSheet("QListWidget::item { height: 14px; }");
  for (WindowId w : {WindowId::Us, WindowId::Them, WindowId::Names, WindowId::Log})
    frames_.place(window(w), designedBounds(w));

  openMusic();
  if (const std::optional<Failure> failure = main_->view()->loadGraphics()) {
    reportFailure(g, *failure);
    return false;
  }
  recording_.onFailure = [this](const Failure& f) { reportFailure(*game_, f); };
  const int pace = speedChoice_.value_or(readSpeed(*settings_));
  if (!beginGame(seed, pace)) return false;
  if (desktopPlacesWindows()) logAdd(g.log, kDesktopPlacesWindowsLine);
  main_->show();
  sync();
  clock_.start();
  pace_.emplace(pace, clock_.elapsed());
  scheduleNextTick();
  closeWithTheSession(*this);
  return true;
}

void GameApp::shutDown(CloseBy by) {
  if (closed_) return;
  closed_ = true;
  timer_.stop();
  odds_->stop();
  // A replay's folder is thrown away. A game saves first and then records its
  // close: a recording without it was stopped before its files were saved.
  if (!replay_) {
    formClose(*game_);
    recording_.close();
  }
  tellUnsaved(by);
  if (by == CloseBy::Exit) return;
  for (WindowId w : {WindowId::Us, WindowId::Them, WindowId::Names, WindowId::Log})
    window(w)->close();
  QCoreApplication::quit();
}

void GameApp::tellUnsaved(CloseBy by) {
  if (unsaved_.empty()) return;
  QString text = "These files could not be saved, and were left as they were:";
  for (const Failure& f : unsaved_) {
    const std::filesystem::path file = std::filesystem::path(f.file).is_absolute()
                                           ? std::filesystem::path(f.file)
                                           : gameFile(*game_, f.file);
    text += "\n" + QString::fromStdString(file.string());
    if (!f.reason.empty()) text += " (" + QString::fromStdString(f.reason) + ")";
  }
  if (by == CloseBy::Player)
    showMessage(main_.get(), text);
  else
    tellConsole(text);
}

void GameApp::scheduleNextTick() {
  timer_.start(static_cast<int>(pace_->msUntilNextTick(clock_.elapsed())));
}

void GameApp::tick() {
  if (closed_) return;
  pace_->ticked();
  frames_.settle();
  if (replay_) {
    if (!replayTick()) return sync();
  } else {
    if (std::exchange(tileAfterRecovery_, false)) tileTextWindows();
    recording_.tick();
    timer1Timer(*game_);
  }
  sync();
  scheduleNextTick();
}

std::optional<Failure> GameApp::play(const PlayerInput& input) {
  if (replay_) return replayInput(input);
  recording_.input(input);
  return playInput(*game_, input);
}

void GameApp::sync() {
  if (!main_) return;
  const QString caption = QString::fromStdString(game_->mainCaption);
  if (main_->windowTitle() != caption) main_->setWindowTitle(caption);
  us_->mirror(game_->us);
  them_->mirror(game_->them);
  names_->mirror(game_->names);
  log_->mirror(game_->log);
  if (replay_) markReplayCaptions();
  if (!closed_) odds_->follow(*game_);
}

void GameApp::saveLogAs() {
  // The game waits while the player names the file: the Log saved is the
  // Log of the moment he asked, and its replay saves it at that same tick.
  timer_.stop();
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const QDir folder(QString::fromStdString(game_->dir.string()));
  const QString offered = folder.absoluteFilePath(QString::fromStdString(logFileName(local)));
  const QString file =
      chooseLogFile_ ? chooseLogFile_(offered)
                     : QFileDialog::getSaveFileName(log_.get(), "Save the Log", offered,
                                                    "Text (*.txt)", nullptr,
                                                    QFileDialog::DontConfirmOverwrite);
  // The dialog may have outlived the game: a logout closes it while it is open.
  if (closed_) return;
  if (!file.isEmpty()) saveLogTo(file);
  scheduleNextTick();
}

// Told in a box, not in the Log: the Log is what was being saved.
void GameApp::saveLogTo(const QString& file) {
  const std::filesystem::path chosen = QFile::encodeName(file).toStdString();
  if (isGameFile(game_->dir, settings_->fileName(), chosen)) {
    reportFailure(*game_, Failure::shown("The Log was not saved: " + chosen.string() +
                                         " is one of the game's own files"));
    return;
  }
  std::error_code ec;
  if (std::filesystem::symlink_status(chosen, ec).type() != std::filesystem::file_type::not_found &&
      !askPlayer(log_.get(), file + " already exists. Replace it with the Log?"))
    return;
  // A Log saved in the game folder is an input the replay saves too; one
  // that could not be saved is not recorded.
  const QFileInfo saved(file);
  std::optional<std::string> why;
  if (saved.absoluteDir() == QDir(QString::fromStdString(game_->dir.string())) && !replay_) {
    const LogSave in{saved.fileName().toStdString()};
    if (const std::optional<Failure> failure = playInput(*game_, in))
      why = failure->reason;
    else
      recording_.input(in);
  } else if (const FileResult r = saveLogFile(game_->log.lines(), chosen); !r) {
    why = r.reason();
  }
  if (why) reportFailure(*game_, Failure::shown("Cannot create file " + chosen.string(), *why));
}

void GameApp::windowResized(WindowId w, QSize inside) {
  if (!frames_.resizedByPlayer(window(w), inside)) return;
  play(WindowResize{w, bounds(w)});
  sync();
}

WindowBounds GameApp::bounds(WindowId w) {
  return frames_.outer(window(w));
}

void GameApp::setBounds(WindowId w, const WindowBounds& b) {
  frames_.place(window(w), b);
}

void GameApp::showWindow(WindowId w) {
  QWidget* win = window(w);
  win->show();
  win->raise();
}

bool GameApp::isVisible(WindowId w) {
  return window(w)->isVisible();
}

void GameApp::focusWindow(WindowId w) {
  QWidget* win = window(w);
  bringToFront(win);
  if (auto* t = dynamic_cast<TextWindow*>(win)) t->control()->setFocus();
}

void GameApp::setCaption(WindowId w, const std::string& caption) {
  window(w)->setWindowTitle(QString::fromStdString(caption));
  if (replay_) markReplayCaptions();
}

WindowState GameApp::mainWindowState() {
  if (main_->isMinimized()) return WindowState::Minimised;
  if (main_->isMaximized()) return WindowState::Maximised;
  return WindowState::Normal;
}

bool GameApp::mainWindowActive() {
  return main_->isActiveWindow();
}

void GameApp::minimiseMainWindow() {
  main_->setWindowState(main_->windowState() | Qt::WindowMinimized);
}

void GameApp::maximiseMainWindow() {
  main_->setWindowState(main_->windowState() | Qt::WindowMaximized);
}

void GameApp::beep() {
  QApplication::beep();
}

// The music is a pleasure, not a need: without the file or a sound device
// the game plays in silence.
void GameApp::openMusic() {
#ifdef VORLUND_HAVE_MULTIMEDIA
  const QString file =
      QFile::decodeName(readOnlyDataFile(game_->dir, kTuneFile).c_str());
  // Only a regular file: the player would wait for ever on a pipe in its place.
  if (!QFileInfo(file).isFile()) return;
  // Some media back ends fail hard when asked to play with no output at all.
  if (QMediaDevices::defaultAudioOutput().isNull()) return;
  player_ = new QMediaPlayer(this);
  audio_ = new QAudioOutput(this);
  player_->setAudioOutput(audio_);
  connect(player_, &QMediaPlayer::errorOccurred, this, [](QMediaPlayer::Error, const QString& why) {
    tellConsole("the music stays silent: " + why);
  });
  player_->setSource(QUrl::fromLocalFile(file));
#endif
}

void GameApp::musicPlay() {
#ifdef VORLUND_HAVE_MULTIMEDIA
  if (player_) player_->play();
#endif
}

void GameApp::musicPauseOrResume() {
#ifdef VORLUND_HAVE_MULTIMEDIA
  if (!player_) return;
  if (player_->playbackState() == QMediaPlayer::PlayingState)
    player_->pause();
  else
    player_->play();
#endif
}

bool GameApp::musicPlaying() const {
#ifdef VORLUND_HAVE_MULTIMEDIA
  return player_ && player_->playbackState() == QMediaPlayer::PlayingState;
#else
  return false;
#endif
}

void GameApp::musicResume() {
  musicPlay();
}

// The Log already tells what goes wrong during play; what stops the start-up
// and what must be read at once are shown, and the files a close cannot save
// are gathered for its one message.
void GameApp::report(const Failure& failure) {
  switch (failure.kind) {
    case Failure::Kind::Fatal:
    case Failure::Kind::Shown:
      showMessage(main_.get(), QString::fromStdString(describe(failure)));
      break;
    case Failure::Kind::NotSaved:
      if (closed_) unsaved_.push_back(failure);
      break;
    case Failure::Kind::Logged:
    case Failure::Kind::Beeped:
      break;
  }
}

void GameApp::paintArena() {
  if (main_) main_->view()->requestFrame();
}

int GameApp::wheelScrollLines() {
  return QApplication::wheelScrollLines();
}

SettingsStore& GameApp::settings() {
  return *settings_;
}

}  // namespace vorlund::app
