#include "combat/fight_odds.h"

#include <algorithm>
#include <memory>

#include "combat/fight_queues.h"
#include "combat/turn_step.h"
#include "panels/log_model.h"
#include "panels/sheet.h"
#include "shell/game.h"
#include "world/arena_start.h"

namespace vorlund {

namespace {

// Far more ticks than any fight that ends; two fearless fighters can dance
// in and out of reach for ever, and such a duel counts as no kill.
constexpr std::int64_t kTickLimit = 200000;

// Stirs the game's seed into the series' own, so that asking for the odds
// never changes what the game itself will roll.
constexpr std::uint32_t kSeriesStir = 0x5DEECE66u;

// The seeds of a series' fights are drawn one after another from the
// series' seed; an odd seed never stalls the generator at 0.
std::uint32_t nextFightSeed(RandomGenerator& seeds) {
  return static_cast<std::uint32_t>(seeds.random(0x7FFFFFFF)) * 2u + 1u;
}

std::string whyNot(const Game& g, int position) {
  const TCharacterDMG& c = slot(g, g.combatantOrder[position]);
  if (c.Name_String.str().empty())
    return "there is no fighter in slot " + std::to_string(g.combatantOrder[position]);
  if (isDead(c)) return c.Name_String.str() + " is dead";
  return {};
}

std::string refusalOf(const Game& g) {
  constexpr auto kRows = static_cast<std::size_t>(kSphereCellCount) + 1;
  if (g.world.cells.size() < kRows || g.world.neighbours.size() < kRows)
    return "there is no sphere to fight on";
  for (int p = 1; p <= kArenaFighters; ++p)
    if (std::string why = whyNot(g, p); !why.empty()) return why;
  return {};
}

// An arena of its own, with sheets nobody sees, where a series is played.
std::unique_ptr<Game> scratchArena(const OddsSetup& s) {
  auto scratch = std::make_unique<Game>();
  scratch->world.cells = s.cells;
  scratch->world.neighbours = s.neighbours;
  scratch->betrayal = s.betrayal;
  reserveFightQueues(*scratch);
  layForm(scratch->us);
  layForm(scratch->them);
  sheetSetHidden(scratch->us, true);
  sheetSetHidden(scratch->them, true);
  return scratch;
}

// The pair as a release would send them in, on their start cells, with the
// graves as they were before any of the series' fights dug more.
void setUpDuel(Game& scratch, const OddsSetup& s, std::uint32_t seed) {
  std::copy(s.graves.begin(), s.graves.end(), scratch.graveyard.graves.begin());
  scratch.graveyard.count = static_cast<std::int32_t>(s.graves.size());
  scratch.rng.seed = seed;
  for (int p = 1; p <= kArenaFighters; ++p) {
    TCharacterDMG& c = combatant(scratch, p);
    c = s.fighters[static_cast<std::size_t>(p - 1)];
    readyForArena(c);
    c.DX_next_turn = 0;
    c.Hex = p == 1 ? kPlayerStartCell : kGuestStartCell;
  }
  scratch.fightDistance = kRestDistance;
  scratch.arenaCentre = kArenaCentreStart;
  scratch.fightToDeath = true;
  scratch.fightRunning = true;
  scratch.turnCounter = 1;
  scratch.turnPhase = TurnPhase::Start;
  scratch.phaseDone = false;
  logClear(scratch.log);
}

// False when stopped before the fight was over.
bool playDuel(Game& scratch, const std::stop_token& stop) {
  for (std::int64_t ticks = 0; scratch.turnCounter >= 1 && ticks < kTickLimit; ++ticks) {
    if (stop.stop_requested()) return false;
    turnStep(scratch);
    finishPhase(scratch);
  }
  return true;
}

}  // namespace

FightOdds& FightOdds::operator+=(const FightOdds& o) {
  wins1 += o.wins1;
  wins2 += o.wins2;
  other += o.other;
  return *this;
}

OddsSetup takeOddsSetup(const Game& g) {
  OddsSetup s;
  s.refusal = refusalOf(g);
  if (!s.refusal.empty()) return s;
  for (int p = 1; p <= kArenaFighters; ++p)
    s.fighters[static_cast<std::size_t>(p - 1)] = slot(g, g.combatantOrder[p]);
  s.cells = g.world.cells;
  s.neighbours = g.world.neighbours;
  const auto graves = static_cast<std::size_t>(
      std::clamp<std::int32_t>(g.graveyard.count, 0, Graveyard::kMaxGraves));
  s.graves.assign(g.graveyard.graves.begin(), g.graveyard.graves.begin() + graves);
  s.betrayal = g.betrayal;
  s.seed = g.rng.seed ^ kSeriesStir;
  return s;
}

std::int64_t playFightToEnd(Game& g, std::int64_t maxTicks) {
  std::int64_t ticks = 0;
  while (g.turnCounter >= 1 && ticks < maxTicks) {
    turnStep(g);
    finishPhase(g);
    ++ticks;
  }
  return ticks;
}

std::optional<FightOdds> countOdds(const OddsSetup& s, std::int64_t first, std::int64_t count,
                                   std::stop_token stop) {
  if (!s.refusal.empty()) return std::nullopt;
  FightOdds odds;
  if (count <= 0) return odds;
  RandomGenerator seeds{s.seed};
  for (std::int64_t i = 0; i < first; ++i) nextFightSeed(seeds);
  const std::unique_ptr<Game> scratch = scratchArena(s);
  for (std::int64_t i = 0; i < count; ++i) {
    setUpDuel(*scratch, s, nextFightSeed(seeds));
    if (!playDuel(*scratch, stop)) return std::nullopt;
    const bool dead1 = isDead(combatant(*scratch, 1));
    const bool dead2 = isDead(combatant(*scratch, 2));
    if (dead2 && !dead1)
      ++odds.wins1;
    else if (dead1 && !dead2)
      ++odds.wins2;
    else
      ++odds.other;
  }
  return odds;
}

FightOdds fightOdds(const Game& g, std::int64_t n) {
  return countOdds(takeOddsSetup(g), 0, n).value_or(FightOdds{});
}

std::array<int, 3> oddsPercentages(const FightOdds& o) {
  const std::array<std::int64_t, 3> counts{o.wins1, o.wins2, o.other};
  const std::int64_t total = o.wins1 + o.wins2 + o.other;
  std::array<int, 3> percent{};
  if (total <= 0) return percent;
  std::array<std::int64_t, 3> remainder{};
  int given = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    percent[i] = static_cast<int>(counts[i] * 100 / total);
    remainder[i] = counts[i] * 100 % total;
    given += percent[i];
  }
  for (; given < 100; ++given) {
    std::size_t largest = 0;
    for (std::size_t i = 1; i < 3; ++i)
      if (remainder[i] > remainder[largest]) largest = i;
    ++percent[largest];
    remainder[largest] = -1;  // each share takes at most one point more
  }
  return percent;
}

std::string oddsSummary(const OddsSetup& s, const FightOdds& o) {
  const std::array<int, 3> p = oddsPercentages(o);
  constexpr const char* kDot = " \xC2\xB7 ";  // a middle dot in UTF-8
  return s.fighters[0].Name_String.str() + " " + std::to_string(p[0]) + "%" + kDot +
         s.fighters[1].Name_String.str() + " " + std::to_string(p[1]) + "%" + kDot + "unfinished " +
         std::to_string(p[2]) + "%";
}

}  // namespace vorlund
