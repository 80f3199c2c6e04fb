#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "shell/game.h"
#include "solar/solar.h"
#include "support/test_game.h"

namespace vorlund::testing {

// A game as the start-up leaves it just before the solar system is loaded,
// in a folder of its own.
class SolarTest : public ::testing::Test {
 protected:
  std::unique_ptr<Game> freshGame() const {
    auto g = std::make_unique<Game>();
    g->dir = dir_;
    g->viewedBody = 4;
    g->lastBody = 144;
    g->ticksPerDay = 240.0L;
    g->secondsPerTick = 86400.0L / 240.0L;
    g->solarScale = 4.6e-09;
    g->timeScaleDivisor = kTimeScaleDivisor;
    return g;
  }

  std::filesystem::path planetFile() const { return dir_ / "aapla2.pla"; }

  static std::vector<std::uint8_t> readBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void writeBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }

  Game& g() { return *game_; }

  test::TempDir folder_;
  std::filesystem::path dir_ = folder_.path();
  std::unique_ptr<Game> game_ = freshGame();
};

}  // namespace vorlund::testing
