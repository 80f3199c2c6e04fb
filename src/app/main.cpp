#include <QApplication>
#include <QDateTime>

#include "app/arena_view.h"
#include "app/game_app.h"

int main(int argc, char** argv) {
  vorlund::app::ArenaView::setDefaultFormat();
  QApplication application(argc, argv);
  QApplication::setApplicationName("Vorlund");
  QApplication::setQuitOnLastWindowClosed(false);

  vorlund::app::GameApp game;
  const auto seed = static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch());
  if (!game.start(seed)) return 1;
  return QApplication::exec();
}
