#pragma once
#include <QOpenGLWidget>

namespace vorlund {
struct Game;
}

namespace vorlund::app {

// The arena view of the main window: a legacy (compatibility profile) GL
// context into which the renderer draws one frame per tick.
class ArenaView : public QOpenGLWidget {
  Q_OBJECT
 public:
  ArenaView(Game& game, QWidget* parent);
  static void setDefaultFormat();

 protected:
  void initializeGL() override;
  void paintGL() override;

 private:
  Game& game_;
};

}  // namespace vorlund::app
