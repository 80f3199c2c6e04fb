#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "solar/body_table.h"
#include "solar/kick_terms.h"
#include "solar/solar.h"
#include "state/game.h"
#include "support/test_game.h"

namespace vorlund::testing {

// Runs the gravity kernel on one instruction set while it lives.
class OnKickTarget {
 public:
  explicit OnKickTarget(std::int64_t target) { forceKickTarget(target); }
  ~OnKickTarget() { forceKickTarget(0); }
  OnKickTarget(const OnKickTarget&) = delete;
  OnKickTarget& operator=(const OnKickTarget&) = delete;
};

// A game as the start-up leaves it just before the solar system is loaded,
// in a folder of its own; "aapla2.pla" there is read and written as a string.
class SolarTest : public ::testing::Test {
 protected:
  std::unique_ptr<Game> freshGame() const {
    auto g = std::make_unique<Game>();
    g->dir = folder_.path();
    setSolarFirstValues(*g);
    return g;
  }
  Game& g() { return *game_; }
  std::string planetFile() const { return folder_.read("aapla2.pla"); }
  void writePlanetFile(const std::string& bytes) const { folder_.write("aapla2.pla", bytes); }

  test::TempDir folder_;
  std::unique_ptr<Game> game_ = freshGame();
};

}  // namespace vorlund::testing
