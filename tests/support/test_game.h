#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "state/game.h"
#include "support/spy_platform.h"

namespace vorlund::test {

// A fresh folder under the system's temporary directory, removed again when
// the test ends.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  void write(const std::string& name, const std::string& bytes) const;
  std::string read(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

// A game in its own temporary folder on a spy platform, not yet started.
struct TestGame {
  TestGame();
  explicit TestGame(std::unique_ptr<SettingsStore> store);
  TempDir dir;
  std::unique_ptr<SpyPlatform> platform;
  std::unique_ptr<Game> game;
  Game& g() { return *game; }
};

// Copies the named files of the built game folder into `dir`.
void copyGameFiles(const TempDir& dir, const std::vector<std::string>& names);

// Puts the shipped sphere and its ring and neighbour tables into `dir`, so
// that a start-up there loads the world without computing the tables (they
// are computed once per test program and cached).
void installWorld(const TempDir& dir);

}  // namespace vorlund::test
