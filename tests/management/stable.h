#pragma once
// A game started in a folder of its own on the shipped sphere, races and
// menu, with fighters of our own making: the bed of the fighters', the
// fights' and the week's rule tests.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fighters/race_traits.h"
#include "loop/startup.h"
#include "management/names_window.h"
#include "support/test_game.h"

namespace vorlund::test {

using Lines = std::vector<std::string>;

struct Stable : TestGame {
  // `ticked`: the first tick's work (the farm, the graveyard) is taken as
  // done; otherwise the first timer1Timer does it.
  explicit Stable(
      const std::string& names = "Ash\r\nBirch\r\nCedar\r\nDun\r\nElm\r\nFir\r\nGorse\r\n",
      bool ticked = true) {
    installWorld(dir);
    for (const char* file : {"races.txt", "risks.txt"})
      std::filesystem::copy_file(std::filesystem::path(VORLUND_SOURCE_DIR) / "data" / file,
                                 dir.path() / file);
    dir.write("names.txt", names);
    EXPECT_TRUE(startGame(g(), 1));
    if (ticked) g().startupCountdown = -1;
  }
  // A living fighter of that name in slot s, ST + DX = 24.
  TCharacterDMG& make(int s, const std::string& name, const std::string& race = "human",
                      std::int32_t st = 12) {
    TCharacterDMG& c = slot(g(), s);
    c.Name_String = name, c.Race = race, c.ST = st, c.DX = 24 - st, c.Bravery = 7;
    setNaturalWeapons(c);
    setUpMovement(c);
    return c;
  }
  const Lines& log() { return g().log.lines(); }
  std::string read(const std::string& name) { return dir.read(name); }
  bool has(const std::string& name) { return std::filesystem::exists(dir.path() / name); }
};

// The first seed whose draws satisfy `wanted`.
inline std::uint32_t seedWhere(const std::function<bool(RandomGenerator&)>& wanted) {
  for (std::uint32_t s = 1;; ++s)
    if (RandomGenerator r{s}; wanted(r)) return s;
}

}  // namespace vorlund::test
