#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "combat/fight_odds.h"

namespace vorlund {
struct Game;
}

namespace vorlund::app {

// The odds of the match waiting for "release fighters", counted from whole
// fights played aside on worker threads while the game plays on, and shown as
// the tooltip of the Names list.
class OddsTooltip : public QObject {
  Q_OBJECT
 public:
  static constexpr std::int64_t kFights = 1000;

  explicit OddsTooltip(QObject* parent = nullptr);
  ~OddsTooltip() override;

  // After every event: a match newly set up is counted (a count still going
  // for an earlier one is stopped, and its result would be ignored); a match
  // released or gone is forgotten.
  void follow(const Game& g);
  // The list under the mouse asks for its tooltip at `global`: the odds, or
  // a note that they are being counted (replaced by the odds when they come
  // while it is still shown); no tooltip when no match waits.
  void showAt(const QPoint& global, QWidget* list);
  // Stops any count and forgets the match.
  void stop();

  // What the tooltip says now; empty when no match waits.
  QString text() const;
  bool counted() const { return counted_; }

  static QString countingText();

 signals:
  // The odds of the match waiting are known.
  void oddsKnown(const QString& text);

 private:
  void start(const Game& g);
  void finished(std::uint64_t job, const FightOdds& odds);

  std::uint64_t job_ = 0;
  bool waiting_ = false;  // a match waits for its release
  bool counted_ = false;
  std::vector<std::string> menuSeen_;
  std::shared_ptr<const OddsSetup> setup_;
  QString text_;
  QPointer<QWidget> shownOn_;
  QPoint shownAt_;
  // Last, so that they are stopped and joined before anything they report to goes.
  std::vector<std::jthread> workers_;
};

}  // namespace vorlund::app
