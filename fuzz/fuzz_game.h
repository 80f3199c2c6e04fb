#pragma once
// A game in a scratch folder for the fuzz targets: the slots, sheets and
// Names list a loader may touch, without the world it does not need; and
// the scratch folder itself.
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "panels/sheet.h"
#include "shell/file_io.h"
#include "shell/game.h"
#include "shell/null_platform.h"

namespace vorlund::fuzz {

// Stops the run with a message when a property of the loaders fails.
inline void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

// A folder of its own for a fuzz target's files, removed at the end.
class ScratchFolder {
 public:
  ScratchFolder() {
    // Memory-backed when the machine has it: every input is written once.
    const char* base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/vorlund-fuzz-XXXXXX";
    require(::mkdtemp(pattern.data()) != nullptr, "a scratch folder");
    dir_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return dir_; }

  // Puts these bytes in place of whatever bore the name.
  void write(const std::string& name, const std::uint8_t* bytes, std::size_t size) const {
    const auto file = dir_ / name;
    std::error_code ec;
    std::filesystem::remove_all(file, ec);
    std::FILE* f = std::fopen(file.c_str(), "wb");
    require(f != nullptr, "the input written");
    const bool written = size == 0 || std::fwrite(bytes, 1, size, f) == size;
    require(std::fclose(f) == 0 && written, "the input written");
  }
  void write(const std::string& name, const Bytes& bytes) const {
    write(name, bytes.data(), bytes.size());
  }
  // The bytes of a regular file of the folder ("" when there is none).
  Bytes read(const std::string& name) const {
    Bytes bytes;
    (void)readFileBounded(dir_ / name, std::size_t{1} << 26, bytes);
    return bytes;
  }

 private:
  std::filesystem::path dir_;
};

class FuzzGame {
 public:
  FuzzGame() {
    game_ = std::make_unique<Game>();
    game_->dir = folder_.path();
    game_->platform = &platform_;
  }
  const ScratchFolder& folder() const { return folder_; }

  // A fresh game before its first tick, with `bytes` as the named file.
  Game& fresh(const std::string& name, const std::uint8_t* bytes, std::size_t size) {
    Game& g = *game_;
    for (int s = 1; s <= kSlotCount; ++s) {
      g.slotTable[s] = s;
      g.combatantOrder[s] = s;
      g.characters[static_cast<std::size_t>(s - 1)] = TCharacterDMG{};
    }
    g.combatantCount = 2;
    logClear(g.log);
    g.names = NamesModel{};
    namesSetState(g.names, MenuState::ChooseName);
    layForm(g.us);
    layForm(g.them);
    g.necromancerHired = false;
    g.rosterFileRefused = g.graveFileRefused = false;
    g.graveyard = Graveyard{};
    g.rng.seed = 1461;
    folder_.write(name, bytes, size);
    return g;
  }

 private:
  ScratchFolder folder_;
  NullPlatform platform_;
  std::unique_ptr<Game> game_;
};

}  // namespace vorlund::fuzz
