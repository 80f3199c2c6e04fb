#pragma once
// A game in a scratch folder for the fuzz targets: the slots, sheets and
// Names list a loader may touch, without the world it does not need.
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "panels/sheet.h"
#include "shell/game.h"
#include "shell/null_platform.h"

namespace vorlund::fuzz {

// Stops the run with a message when a property of the loaders fails.
inline void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

class FuzzGame {
 public:
  FuzzGame() {
    // Memory-backed when the machine has it: every input is written once.
    const char* base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/vorlund-fuzz-XXXXXX";
    require(::mkdtemp(pattern.data()) != nullptr, "a scratch folder");
    dir_ = pattern;
    game_ = std::make_unique<Game>();
    game_->dir = dir_;
    game_->platform = &platform_;
  }
  ~FuzzGame() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }

  // A fresh game before its first tick, with `bytes` as the named file.
  Game& fresh(const std::string& name, const std::uint8_t* bytes, std::size_t size) {
    Game& g = *game_;
    for (int s = 1; s <= kSlotCount; ++s) {
      g.slotTable[s] = s;
      g.combatantOrder[s] = s;
      g.characters[static_cast<std::size_t>(s - 1)] = TCharacterDMG{};
    }
    g.combatantCount = 2;
    g.log.lines.clear();
    g.names = NamesModel{};
    g.names.state = MenuState::ChooseName;
    layForm(g.us);
    layForm(g.them);
    g.necromancerHired = false;
    g.rosterFileRefused = g.graveFileRefused = false;
    g.graveyard = Graveyard{};
    g.rng.seed = 1461;
    const auto path = dir_ / name;
    std::filesystem::remove(path);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    require(f != nullptr, "the input written");
    require(std::fwrite(bytes, 1, size, f) == size && std::fclose(f) == 0, "the input written");
    return g;
  }

 private:
  std::filesystem::path dir_;
  NullPlatform platform_;
  std::unique_ptr<Game> game_;
};

}  // namespace vorlund::fuzz
