// aorb1.orb as the world load reads it: the input is the start of the file,
// and the cells it does not reach are those of the game's own sphere, so
// that a change anywhere from one coordinate to all of them is tried. The
// load either stops with a message or leaves distinct cells on the unit
// sphere, every triangle corner on the cell it names.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "fuzz_world.h"
#include "world/mesh_files.h"
#include "world/world_load.h"

using namespace vorlund;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::ScratchFolder folder;
  const fuzz::HexSphereFiles& sphere = fuzz::hexSphere();
  Bytes cells = sphere.cells;
  std::copy(data, data + std::min(size, cells.size()), cells.begin());
  if (size > cells.size()) cells.insert(cells.end(), data + cells.size(), data + size);
  folder.write(kCellFileName, cells);
  // The first hundred triangles of the strip.
  Bytes triangles(sphere.triangles.begin(), sphere.triangles.begin() + 4 + 300 * 24);
  putInt32(triangles.data(), 300);
  folder.write(kTriangleFileName, triangles);

  Game* g = nullptr;
  if (!fuzz::loadMeshOnce(folder, g)) return 0;
  for (std::int32_t c = 1; c <= kSphereCellCount; ++c) {
    const Vec3& p = cellPosition(g->world, c);
    const long double r = std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
    fuzz::require(std::fabs(r - 1.0L) <= 0.01L, "cells on the unit sphere");
  }
  for (std::int32_t k = 1; k <= g->world.pointCount; ++k) {
    const std::int32_t c = cornerCell(g->world, k);
    fuzz::require(c == 0 || cellPosition(g->world, c) == trianglePoint(g->world, k),
                  "a corner on the cell it names");
  }
  return 0;
}
