// A recorded game watched in the five windows: played at its pace from the
// folder it started from, laid out in a temporary one; the player's inputs
// go nowhere, but a click in the Log pauses and resumes it.
#include "app/replay_mode.h"

#include <QString>
#include <QWidget>

#include "app/game_app.h"
#include "loop/data_folder.h"
#include "loop/recorded_start.h"
#include "state/file_io.h"

namespace vorlund::app {

namespace {

const QString kReplaySuffixes[] = {" (replay)", " (replay, paused)", " (replay over)"};

}  // namespace

void GameApp::setReplay(std::unique_ptr<RecordedGame> recording) {
  replayed_ = std::move(recording);
  replay_ = std::make_unique<RecordingPlayer>(*replayed_, replayed_->steps.size());
}

bool GameApp::replayOver() const {
  return replay_ && replay_->finished();
}

bool GameApp::replayTick() {
  if (!replayPaused_) replay_->advance(*game_, 1);
  return !replay_->finished();
}

std::optional<Failure> GameApp::replayInput(const PlayerInput& input) {
  if (std::holds_alternative<LogClick>(input) && !replay_->finished()) {
    replayPaused_ = !replayPaused_;
    markReplayCaptions();
  }
  return std::nullopt;
}

void GameApp::markReplayCaptions() {
  const QString& suffix = kReplaySuffixes[replay_->finished() ? 2 : replayPaused_ ? 1 : 0];
  for (WindowId w :
       {WindowId::Main, WindowId::Us, WindowId::Them, WindowId::Names, WindowId::Log}) {
    QWidget* win = window(w);
    if (!win) continue;
    QString title = win->windowTitle();
    for (const QString& s : kReplaySuffixes)
      if (title.endsWith(s)) title.chop(s.size());
    if (win->windowTitle() != title + suffix) win->setWindowTitle(title + suffix);
  }
}

std::optional<Failure> prepareReplay(const std::filesystem::path& file,
                                     const std::filesystem::path& dir, RecordedGame& recording) {
  const auto refused = [&file](const std::string& why) {
    return Failure::fatal(file.string() + ": " + why);
  };
  Bytes bytes;
  if (const FileResult read = readFileBounded(file, kLargestRecording, bytes); !read)
    return refused(read.reason());
  const std::string text(bytes.begin(), bytes.end());
  if (std::optional<Failure> error = readRecording(text, recording))
    return refused(error->message);
  if (recording.start.files.empty())
    return refused("it does not carry the game folder it started from");
  const std::filesystem::path installed = installedDataFolder();
  if (std::optional<Failure> why = checkInstalled(recording.start, installed))
    return refused(why->message);
  // The textures and the tune come from the installed data, as in every game.
  return layOutStart(recording.start, dir, installed);
}

}  // namespace vorlund::app
