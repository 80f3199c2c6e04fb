#pragma once
// The game's own hex sphere for the fuzz targets that need a world: made once
// by its generator, with the ring and neighbour tables the game makes of it.
#include <memory>
#include <string>

#include "fuzz_game.h"
#include "shell/game.h"
#include "shell/null_platform.h"
#include "sphere_maker.h"
#include "world/mesh_files.h"
#include "world/neighbour_table.h"
#include "world/ring_table.h"
#include "world/world_load.h"

namespace vorlund::fuzz {

struct HexSphereFiles {
  Bytes cells;       // aorb1.orb
  Bytes triangles;   // atri1.tri
  Bytes ring;        // adia2.equ
  Bytes neighbours;  // face.equ
};

inline const HexSphereFiles& hexSphere() {
  static const HexSphereFiles files = [] {
    sphere::HexSphere sphere;
    std::string error;
    require(sphere::makeHexSphere(sphere, error), "the hex sphere made");
    const ScratchFolder folder;
    folder.write(kCellFileName, sphere.cellFile);
    folder.write(kTriangleFileName, sphere.triangleFile);
    NullPlatform platform;
    auto g = std::make_unique<Game>();
    g->dir = folder.path();
    g->platform = &platform;
    require(loadWorld(*g), "the hex sphere loaded");
    setupTables(*g);
    require(g->log.lines().empty(), "the hex sphere's tables made without a fault");
    return HexSphereFiles{sphere.cellFile, sphere.triangleFile, encodeRingTable(g->world),
                          encodeNeighbourTable(g->world)};
  }();
  return files;
}

// The sphere and its tables in a folder, so that a start-up there loads them.
inline void installHexSphere(const ScratchFolder& folder) {
  const HexSphereFiles& s = hexSphere();
  folder.write(kCellFileName, s.cells);
  folder.write(kTriangleFileName, s.triangles);
  folder.write(kRingFileName, s.ring);
  folder.write(kNeighbourFileName, s.neighbours);
}

// Loads the cells and strip of `folder` into one game kept for all inputs, its
// tables sized once as a start-up sizes them; false when the load refuses.
inline bool loadMeshOnce(const ScratchFolder& folder, Game*& game) {
  static NullPlatform platform;
  static const auto g = [&] {
    auto made = std::make_unique<Game>();
    made->dir = folder.path();
    made->platform = &platform;
    allocateCellTables(made->world);
    return made;
  }();
  g->world.meshCopied = g->world.trianglesAssigned = false;
  game = g.get();
  return loadMesh(*g);
}

}  // namespace vorlund::fuzz
