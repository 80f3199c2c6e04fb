#include "app/odds_tooltip.h"

#include <sys/resource.h>
#include <unistd.h>

#include <QToolTip>
#include <algorithm>
#include <memory>
#include <mutex>

#include "management/between_fights.h"
#include "shell/game.h"

namespace vorlund::app {
namespace {

// The counts of one job's workers, summed as each finishes.
struct Tally {
  std::mutex mutex;
  FightOdds sum;
  int left = 0;
};

constexpr int kWorkerNiceness = 10;

int workerCount() {
  const unsigned cores = std::thread::hardware_concurrency();
  return static_cast<int>(std::clamp(cores, 1u, 4u));
}

}  // namespace

OddsTooltip::OddsTooltip(QObject* parent) : QObject(parent) {}

OddsTooltip::~OddsTooltip() {
  stop();
}

QString OddsTooltip::countingText() {
  return QString("counting the odds of %1 fights").arg(kFights) + QChar(0x2026);
}

void OddsTooltip::follow(const Game& g) {
  if (!awaitingRelease(g)) {
    if (waiting_) stop();
    return;
  }
  if (waiting_ && g.names.lines() == menuSeen_) return;
  start(g);
}

void OddsTooltip::stop() {
  for (std::jthread& w : workers_) w.request_stop();
  workers_.clear();  // each stops within one tick of its fight
  ++job_;
  waiting_ = false;
  counted_ = false;
  menuSeen_.clear();
  setup_.reset();
  text_.clear();
}

// Taking the setup is a copy of a few hundred kilobytes; the fights are
// played on the workers, each its share of the series.
void OddsTooltip::start(const Game& g) {
  stop();
  waiting_ = true;
  menuSeen_ = g.names.lines();
  auto setup = std::make_shared<const OddsSetup>(takeOddsSetup(g));
  setup_ = setup;
  if (!setup->refusal.empty()) {
    counted_ = true;
    text_ = "no odds: " + QString::fromStdString(setup->refusal);
    return;
  }
  text_ = countingText();
  const std::uint64_t job = job_;
  const int parts = workerCount();
  auto tally = std::make_shared<Tally>();
  tally->left = parts;
  for (int k = 0; k < parts; ++k) {
    const std::int64_t first = kFights * k / parts;
    const std::int64_t count = kFights * (k + 1) / parts - first;
    workers_.emplace_back([this, setup, tally, job, first, count](std::stop_token stop) {
      // Behind the game's own thread when they must share a core.
      ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kWorkerNiceness);
      const std::optional<FightOdds> odds = countOdds(*setup, first, count, stop);
      if (!odds) return;
      const std::lock_guard lock(tally->mutex);
      tally->sum += *odds;
      if (--tally->left > 0) return;
      const FightOdds sum = tally->sum;
      QMetaObject::invokeMethod(
          this, [this, job, sum] { finished(job, sum); }, Qt::QueuedConnection);
    });
  }
}

void OddsTooltip::finished(std::uint64_t job, const FightOdds& odds) {
  if (job != job_ || !setup_) return;  // a match that is gone
  counted_ = true;
  text_ = QString::fromStdString(oddsSummary(*setup_, odds));
  if (shownOn_ && QToolTip::isVisible() && QToolTip::text() == countingText())
    QToolTip::showText(shownAt_, text_, shownOn_);
  emit oddsKnown(text_);
}

QString OddsTooltip::text() const {
  return text_;
}

void OddsTooltip::showAt(const QPoint& global, QWidget* list) {
  if (text_.isEmpty()) {
    QToolTip::hideText();
    return;
  }
  shownOn_ = list;
  shownAt_ = global;
  QToolTip::showText(global, text_, list);
}

}  // namespace vorlund::app
