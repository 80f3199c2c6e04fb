// The settings file as the game and the sim open it. Whatever its bytes, the
// store opens it or keeps it whole as Vorlund.ini.bak and starts afresh; the
// game reads its values, lays the windows out from the geometry (which never
// overflows), and the file the close writes opens again without a fault,
// holding the purses the game had.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "fuzz_game.h"
#include "loop/settings.h"
#include "panels/tiling.h"
#include "settings/qt_settings_store.h"

using namespace vorlund;

namespace {

// A game on a platform with this store, its purses as the store has them.
std::unique_ptr<Game> gameWith(std::unique_ptr<SettingsStore> store,
                               std::unique_ptr<NullPlatform>& platform) {
  platform = std::make_unique<NullPlatform>(std::move(store));
  auto g = std::make_unique<Game>();
  g->platform = platform.get();
  readSettings(*g);
  return g;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::ScratchFolder folder;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
    std::filesystem::remove_all(entry.path());
  folder.write("Vorlund.ini", data, size);
  const std::filesystem::path file = folder.path() / "Vorlund.ini";
  const Bytes input(data, data + size);

  std::unique_ptr<NullPlatform> platform;
  auto store = std::make_unique<QtSettingsStore>(file, "/opt/vorlund");
  const bool setAside = store->takeOpeningFailure().has_value();
  std::unique_ptr<SettingsStore> kept = std::move(store);
  auto g = gameWith(std::move(kept), platform);
  fuzz::require(!setAside || folder.read("Vorlund.ini.bak") == input, "set aside whole");
  fuzz::require(setAside || folder.read("Vorlund.ini") == input, "read, and left as it was");

  textWindowLayout(platform->bounds(WindowId::Main), true);
  for (const WindowId w : {WindowId::Main, WindowId::Us, WindowId::Them, WindowId::Names})
    tilingAfterResize(w, platform->bounds(w));
  writeSettings(*g);

  std::unique_ptr<NullPlatform> nextPlatform;
  auto next = std::make_unique<QtSettingsStore>(file, "/opt/vorlund");
  fuzz::require(!next->takeOpeningFailure().has_value(), "a saved file opens");
  auto again = gameWith(std::move(next), nextPlatform);
  for (int s = 1; s <= kSlotCount; ++s)
    fuzz::require(slot(*again, s).Coin == slot(*g, s).Coin, "the purses come back");
  fuzz::require(again->betrayal == g->betrayal, "the Betrayal flag comes back");
  return 0;
}
