#pragma once
// A game started from the built game folder, ready to set up fights between
// two plain human fighters, as the benchmarks measure them.
#include "combat/fight_queues.h"
#include "fighters/race_traits.h"
#include "management/between_fights.h"
#include "management/match_setup.h"
#include "shell/game.h"
#include "shell/null_platform.h"
#include "shell/startup.h"

namespace vorlund {

struct BenchGame {
  BenchGame() {
    game.dir = VORLUND_GAME_DIR;
    game.platform = &platform;
    ready = startGame(game, 1);
    if (!ready) return;
    reserveFightQueues(game);
    game.startupCountdown = -1;
  }
  // Ash and Brak, unhurt, released into the arena with a gamble in the stands;
  // the Log starts empty so that it does not grow from fight to fight.
  void newFight() {
    for (int s = 1; s <= 2; ++s) {
      TCharacterDMG& c = slot(game, s);
      c.Name_String = s == 1 ? "Ash" : "Brak";
      c.Race = "human";
      c.ST = 12;
      c.DX = 12;
      c.Wounds = 0;
      setNaturalWeapons(c);
      setUpMovement(c);
      c.Bravery = 8;
    }
    gambleInTheStands(game);
    releaseFighters(game);
    logClear(game.log);
  }
  NullPlatform platform;
  Game game;
  bool ready = false;
};

}  // namespace vorlund
