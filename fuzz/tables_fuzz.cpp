// adia2.equ and face.equ as the table set-up reads them. The first input
// byte picks the file (even: the ring table, odd: the neighbour table); the
// next two give an offset in eights of bytes, and the rest is written over the game's own
// table from there, so that both whole tables and small faults in them are
// tried. A table is refused, or taken whole and saved back to the very same
// bytes; a neighbour table taken lists near, other cells that list it back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "fuzz_world.h"
#include "world/neighbour_table.h"
#include "world/ring_table.h"
#include "world/sphere_checks.h"

using namespace vorlund;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto world = [] {
    const fuzz::ScratchFolder folder;
    folder.write(kCellFileName, fuzz::hexSphere().cells);
    folder.write(kTriangleFileName, fuzz::hexSphere().triangles);
    static NullPlatform platform;
    auto g = std::make_unique<Game>();
    g->dir = folder.path();
    g->platform = &platform;
    fuzz::require(loadWorld(*g), "the hex sphere loaded");
    return g;
  }();
  if (size < 3) return 0;
  const bool ring = data[0] % 2 == 0;
  Bytes table = ring ? fuzz::hexSphere().ring : fuzz::hexSphere().neighbours;
  const std::size_t at =
      std::min((std::size_t{data[1]} | std::size_t{data[2]} << 8) * 8, table.size());
  const std::size_t patch = std::min(size - 3, table.size() - at);
  std::copy(data + 3, data + 3 + patch, table.begin() + static_cast<std::ptrdiff_t>(at));

  WorldState& w = world->world;
  if (ring) {
    if (decodeRingTable(w, table)) return 0;
    fuzz::require(encodeRingTable(w) == table, "a ring table saves back as it was read");
  } else {
    if (decodeNeighbourTable(w, table)) return 0;
    fuzz::require(encodeNeighbourTable(w) == table, "a neighbour table saves back as it was read");
    fuzz::require(!neighbourRowsFault(w, w.neighbours), "neighbour rows that touch");
  }
  return 0;
}
