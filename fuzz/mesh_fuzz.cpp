// atri1.tri as the world load reads it, beside the game's own cells: the
// load stops with a message, or takes at most the points a sphere of 1461
// cells has room for, matches each to the cell it equals, and lays out the
// texture strip, whatever the points are.
#include <cstddef>
#include <cstdint>

#include "fuzz_world.h"
#include "world/mesh_files.h"
#include "world/world_load.h"

using namespace vorlund;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::ScratchFolder folder;
  static const bool cellsWritten = [] {
    folder.write(kCellFileName, fuzz::hexSphere().cells);
    return true;
  }();
  (void)cellsWritten;
  folder.write(kTriangleFileName, data, size);

  Game* g = nullptr;
  if (!fuzz::loadMeshOnce(folder, g)) return 0;
  const WorldState& w = g->world;
  fuzz::require(w.pointCount >= 0 && w.pointCount <= kMaxTrianglePoints, "a point count in range");
  fuzz::require(triangleCount(w) == w.pointCount / 3, "whole triangles only");
  for (std::int32_t k = 1; k <= w.pointCount; ++k) {
    const std::int32_t c = cornerCell(w, k);
    fuzz::require(c == 0 || cellPosition(w, c) == trianglePoint(w, k),
                  "a corner on the cell it names");
  }
  return 0;
}
