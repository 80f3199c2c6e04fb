#pragma once
#include <QMargins>
#include <QRect>
#include <QSize>
#include <unordered_map>
#include <vector>

#include "shell/platform.h"

class QWidget;

namespace vorlund::app {

// Places top-level windows by their outer bounds, title bar and borders
// included, as every layout of the game is designed. Qt moves a window by
// its frame but sizes it by its inside, and knows the frame only once the
// window manager has framed the shown window, which may come some time
// after showing it. So a window keeps the outer bounds the game asked for
// until its real frame is known and matches them: until then the frame seen
// last on any window stands in, and the bounds are applied again as soon as
// the window's own frame turns out different. A window minimised before its
// bounds were reached keeps them until it is shown again, so that bounds
// kept while it was minimised never grow by a frame. On X11 the frame and
// the inside's place are read from the server itself, since Qt may hold on
// to figures from before the window was framed.
class FramePlacer {
 public:
  // Ticks a window may take to reach its bounds before the window manager's
  // answer is taken as final.
  static constexpr int kSettleTicks = 128;
  // Ticks between requests while a framed window is not yet where it should be.
  static constexpr int kRetryTicks = 8;

  void place(QWidget* w, const WindowBounds& outer);
  // The window's outer bounds: those asked for while they are not yet
  // settled, then the frame the window manager reports.
  WindowBounds outer(const QWidget* w) const;
  // Applies asked-for bounds again where the window's frame has become known
  // or changed; called on every tick.
  void settle();
  // Whether a window's new inside size comes from the player rather than
  // from the program: a size the program asked for since it last placed the
  // window is its own, even when the window manager answers it late. A
  // player's resize ends the wait for the asked-for bounds.
  bool resizedByPlayer(const QWidget* w, QSize newSize);

 private:
  struct Wanted {
    QRect outer;
    QMargins assumed;          // the frame the inside size was worked out for
    QSize inside;              // the inside size last asked for
    std::vector<QSize> asked;  // every inside size asked for since the placement
    int ticksLeft = kSettleTicks;
    bool settled = false;
  };
  void apply(QWidget* w, Wanted& wanted, QMargins frame);

  std::unordered_map<QWidget*, Wanted> wanted_;
  QMargins lastFrame_;
};

}  // namespace vorlund::app
