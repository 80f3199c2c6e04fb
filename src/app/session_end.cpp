#include "app/session_end.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QThread>
#include <cstdlib>

#include "app/game_app.h"
#include "shell/close_signals.h"

namespace vorlund::app {
namespace {

// The game that is still to be closed should the program exit.
GameApp* running = nullptr;

// An exit from inside the toolkit leaves the game as it stood: the close
// runs then, on the way out, if the exit came on the thread that owns it.
void closeAtExit() {
  if (running && QThread::currentThread() == running->thread())
    running->shutDown(GameApp::CloseBy::Exit);
}

}  // namespace

void closeWithTheSession(GameApp& app) {
  if (const int fd = watchCloseSignals(); fd >= 0) {
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] {
      takeCloseSignal();
      app.shutDown(GameApp::CloseBy::Session);
    });
  }
  QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, &app,
                   [&app](QSessionManager&) { app.shutDown(GameApp::CloseBy::Session); });
  static const bool registered = std::atexit(closeAtExit) == 0;
  (void)registered;
  running = &app;
}

void forgetSession(const GameApp& app) {
  if (running != &app) return;
  running = nullptr;
  unwatchCloseSignals();
}

}  // namespace vorlund::app
