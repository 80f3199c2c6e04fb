#include "combat/combat_fixture.h"

#include <cmath>
#include <filesystem>

#include "combat/turn_step.h"
#include "fighters/race_traits.h"
#include "management/between_fights.h"
#include "management/match_setup.h"
#include "shell/startup.h"
#include "shell/tick.h"
#include "world/world_state.h"

namespace vorlund::test {

namespace {

// An evenly spread sphere of 1461 cells: enough for the rules, which only ask
// which cell is next to which and how far apart their centres lie.
std::string evenSphereBytes() {
  std::string bytes;
  const double turn = 3.14159265358979323846 * (3.0 - std::sqrt(5.0));
  for (int i = 0; i < kSphereCellCount; ++i) {
    const double y = 1.0 - 2.0 * (i + 0.5) / kSphereCellCount;
    const double r = std::sqrt(1.0 - y * y);
    const double xyz[3] = {r * std::cos(turn * i), y, r * std::sin(turn * i)};
    bytes.append(reinterpret_cast<const char*>(xyz), sizeof xyz);
  }
  return bytes;
}

}  // namespace

bool shippedSphereThere() {
  const std::filesystem::path dir(VORLUND_GAME_DIR);
  return std::filesystem::exists(dir / "aorb1.orb") && std::filesystem::exists(dir / "atri1.tri");
}

void makeFighter(TCharacterDMG& c, const FighterSpec& traits) {
  c.Name_String = traits.name;
  c.Race = traits.race;
  c.ST = traits.st;
  c.DX = traits.dx;
  c.DX_adj = traits.dx;
  c.Wounds = 0;
  c.EP = 0;
  c.IQ = 8;
  setNaturalWeapons(c);
  setUpMovement(c);
  if (traits.ma >= 0) c.MA = traits.ma;
  c.Bravery = traits.bravery;
  c.DX_next_turn = 0;
}

Arena::Arena(bool shipped) {
  const std::filesystem::path source(VORLUND_SOURCE_DIR);
  std::filesystem::copy_file(source / "data" / "risks.txt", tg.dir.path() / "risks.txt");
  if (shipped) {
    if (!shippedSphereThere()) return;
    copyGameFiles(tg.dir, {"aorb1.orb", "atri1.tri"});
    ready = startGame(g(), 1);
  } else {
    tg.dir.write("aorb1.orb", evenSphereBytes());
    tg.dir.write("atri1.tri", std::string(4, '\0'));
    ready = startGame(g(), 1);
  }
  g().startupCountdown = -1;
  g().log.lines.clear();
}

void Arena::release(bool toTheDeath) {
  if (toTheDeath)
    gambleInTheStands(g());
  else
    practiceToFirstBlood(g());
  releaseFighters(g());
}

long Arena::runToEnd(long maxTicks) {
  long ticks = 0;
  while (g().turnCounter >= 1 && ticks < maxTicks) {
    turnStep(g());
    finishPhase(g());
    ++ticks;
  }
  return ticks;
}

std::int32_t Arena::neighbourOf(std::int32_t cell, int k) {
  return neighbourSlot(g().world, cell, k);
}

}  // namespace vorlund::test
