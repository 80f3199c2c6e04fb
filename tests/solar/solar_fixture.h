#pragma once
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "shell/game.h"
#include "solar/solar.h"

namespace vorlund::testing {

// A game as the start-up leaves it before the world load, in its own folder.
class SolarTest : public ::testing::Test {
 protected:
  SolarTest() {
    static std::atomic<int> counter{0};
    static const unsigned run = std::random_device{}();
    dir_ = std::filesystem::temp_directory_path() /
           ("vorlund-solar-" + std::to_string(run) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(dir_);
    game_ = freshGame();
  }
  ~SolarTest() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

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

  std::vector<std::uint8_t> readBytes(const std::filesystem::path& p) const {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void writeBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) const {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }

  Game& g() { return *game_; }

  std::filesystem::path dir_;
  std::unique_ptr<Game> game_;
};

}  // namespace vorlund::testing
