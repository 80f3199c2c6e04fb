#pragma once
// What the GUI test programs share: waiting on the event loop, the Names and
// Log lists pressed as a player presses them, frames compared pixel by pixel,
// game folders made from the built one, and the programs' main().
#include <QDir>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <string>

#include "app/game_app.h"

class QListWidget;

namespace vorlund::app::test {

// Runs the event loop (the game's clock included) for `ms`.
void runEventsFor(int ms);
// Runs the event loop until `done`, at most `ms`; whether it came.
bool waitFor(const std::function<bool()>& done, int ms = 10000);

QListWidget* listOf(GameApp& app, WindowId w);
// A press on Names line `row`, scrolled into view first.
void clickNamesRow(GameApp& app, int row);
// A press on the Names line that reads `text`; a failure when there is none.
void clickNames(GameApp& app, const std::string& text);
// A press in the Log: pauses or resumes the fight.
void clickLog(GameApp& app);
// Starts the game and waits for the first tick's windows.
bool startAndShow(GameApp& app, unsigned seed);

// Where two frames differ: the number of pixels and their box.
struct Difference {
  int pixels = 0;
  QRect box;
};
Difference difference(const QImage& a, const QImage& b);

// The whole X screen, window frames and all (ImageMagick's import).
QImage screen();

// The files play writes: a first game's folder has none of them.
extern const QStringList kPlayedFiles;
// Copies the built game folder into `to` without the files play writes, with
// the shipped lists over it.
void copyFirstGameFolder(const QString& to);
// Copies the files of `from` whose names `keep` takes into `to` (made when missing).
void copyFiles(const QString& from, const QString& to,
               const std::function<bool(const QString&)>& keep = {});

// A file's bytes, or "(missing)".
QByteArray bytesOf(const QString& path);
// Writes `bytes` into `path` in place of what was there; whether it could.
bool writeFile(const QString& path, const QByteArray& bytes);
// What a program printed on its standard output.
QString output(const QString& program, const QStringList& args);

// A recording played alone by `vorlund-sim --replay FILE --dir DIR`, with
// `input` on its standard input (its close, if it has one, comes after):
// how it ended, the last state line it printed, and its Log.
struct SimReplay {
  int exitCode = -1;
  QString state;
  QStringList log;
  QString errors;
};
SimReplay replayAlone(const QString& recording, const QString& dir,
                      const QString& input = "state\n");

// The files play writes are byte for byte the same in both folders.
void expectSameFiles(const QString& a, const QString& b);

// The programs' main(): settings of their own (never a player's), a
// temporary folder prepared by `prepare` made current, then every test.
int runGuiTests(int argc, char** argv, const std::function<void(const QString& dir)>& prepare);

}  // namespace vorlund::app::test
