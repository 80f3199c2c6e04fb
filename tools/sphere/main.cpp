// Makes the hex sphere the fights are held on: "aorb1.orb" (the cell positions),
// "atri1.tri" (the triangles between them, as one strip), "face.equ" and "adia2.equ" (the
// neighbour and ring tables the game works out from them), written into the game folder.
//
//   vorlund-sphere GAME_DIR [RING_COPY]
//                             writes the files and prints what the sphere is like; the ring
//                             table as made, also into RING_COPY (the one to install)
//   vorlund-sphere --scan     lists the evenly spaced pentagon spirals that close, for choosing
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cell_numbering.h"
#include "loop/null_platform.h"
#include "mesh_report.h"
#include "sphere_embedding.h"
#include "sphere_files.h"
#include "sphere_maker.h"
#include "spiral_windup.h"
#include "state/file_io.h"
#include "state/game.h"
#include "state/world_state.h"
#include "triangle_strip.h"
#include "world/cell_distances.h"
#include "world/neighbour_table.h"
#include "world/ring_table.h"
#include "world/world_load.h"

using namespace vorlund::sphere;
using vorlund::Bytes;
using vorlund::FileResult;

namespace {

double edgeSpread(const Triangulation& mesh, const std::vector<Vec3>& p) {
  double shortest = 1e9, longest = 0;
  for (int i = 0; i < mesh.cellCount(); ++i)
    for (int j : mesh.neighbours[i]) {
      shortest = std::min(shortest, length(p[i] - p[j]));
      longest = std::max(longest, length(p[i] - p[j]));
    }
  return longest / shortest;
}

int scan() {
  for (int spacing = 10; spacing <= 14; ++spacing)
    for (int north = 300; north <= 420; ++north)
      for (int south = 1000; south <= 1200; ++south) {
        std::array<int, 12> p{0};
        for (int j = 0; j < 5; ++j) {
          p[1 + j] = north + j * spacing;
          p[6 + j] = south + j * spacing;
        }
        p[11] = vorlund::kSphereCellCount - 1;
        auto mesh = windUpSpiral(vorlund::kSphereCellCount, p);
        if (!mesh) continue;
        const auto positions = embedOnSphere(*mesh);
        if (windOutward(*mesh, positions))
          std::printf("rings at %d and %d, %d apart: edge spread %.4f\n", north, south, spacing,
                      edgeSpread(*mesh, positions));
        else
          std::printf("rings at %d and %d, %d apart: folds\n", north, south, spacing);
      }
  return 0;
}

// The ring and neighbour tables the game caches in the folder are worked out from the sphere;
// when the sphere changes they describe cells that are no longer there, so they go with it and
// the game works them out afresh.
bool writeSphere(const std::filesystem::path& gameDir, const Bytes& cells, const Bytes& triangles) {
  const auto differs = [&](const char* name, const Bytes& bytes) {
    // One byte more than the new file tells a longer old one apart.
    Bytes old;
    return !vorlund::readFileStart(gameDir / name, bytes.size() + 1, old) || old != bytes;
  };
  const bool changed = differs("aorb1.orb", cells) || differs("atri1.tri", triangles);
  for (const auto& [name, bytes] : {std::pair{"aorb1.orb", &cells}, {"atri1.tri", &triangles}}) {
    if (const FileResult r = vorlund::writeFileAtomically(gameDir / name, *bytes); !r) {
      std::fprintf(stderr, "vorlund-sphere: cannot write %s: %s\n", name, r.reason().c_str());
      return false;
    }
  }
  if (changed)
    for (const char* table : {"adia2.equ", "face.equ"}) {
      std::error_code error;
      if (std::filesystem::remove(gameDir / table, error))
        std::printf("hex sphere changed: removed the stale %s\n", table);
    }
  return true;
}

// The ring and neighbour tables as the game works them out from the sphere
// when "adia2.equ" and "face.equ" are missing: shipped with the sphere, they
// spare every start the measuring of a million distances. The arena editor
// changes the ring table of the folder it plays in, so a ring table already
// there is kept (a change of the sphere removed the stale one); the one made
// is also written to `ringCopy`, the one to install.
bool writeTables(const std::filesystem::path& gameDir, const std::filesystem::path& ringCopy) {
  namespace fs = std::filesystem;
  vorlund::NullPlatform platform;
  vorlund::Game g;
  g.dir = gameDir;
  g.platform = &platform;
  if (!vorlund::loadWorld(g)) return false;
  vorlund::WorldState& w = g.world;
  const vorlund::CellDistances distances(w);
  vorlund::computeRingTable(w, distances);
  vorlund::computeNeighbourTable(w, distances);
  const Bytes ring = vorlund::encodeRingTable(w);
  std::vector<std::pair<fs::path, const Bytes*>> files;
  const Bytes neighbours = vorlund::encodeNeighbourTable(w);
  files.emplace_back(gameDir / vorlund::kNeighbourFileName, &neighbours);
  if (!fs::exists(gameDir / vorlund::kRingFileName))
    files.emplace_back(gameDir / vorlund::kRingFileName, &ring);
  if (!ringCopy.empty()) files.emplace_back(ringCopy, &ring);
  for (const auto& [path, bytes] : files) {
    if (const FileResult r = vorlund::writeFileAtomically(path, *bytes); !r) {
      std::fprintf(stderr, "vorlund-sphere: cannot write %s: %s\n", path.c_str(),
                   r.reason().c_str());
      return false;
    }
  }
  return true;
}

int generate(const std::filesystem::path& gameDir, const std::filesystem::path& ringCopy) {
  const auto start = std::chrono::steady_clock::now();
  HexSphere sphere;
  std::string error;
  if (!makeHexSphere(sphere, error)) {
    std::fprintf(stderr, "vorlund-sphere: %s\n", error.c_str());
    return 1;
  }
  if (!writeSphere(gameDir, sphere.cellFile, sphere.triangleFile) ||
      !writeTables(gameDir, ringCopy)) {
    std::fprintf(stderr, "vorlund-sphere: cannot write the sphere into %s\n", gameDir.c_str());
    return 1;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  const MeshReport r = measure(sphere.neighbours, sphere.positions, sphere.strip);
  std::printf(
      "hex sphere: %d cells (%d of five, %d of six), %zu strip triangles (%d repeated), "
      "edges %.4f..%.4f (ratio %.4f), neighbour margin %.3f, %d neighbour rows differ (%d out of "
      "order), "
      "largest ring %d, the fighters' start cells %d steps apart, made in %.2f s\n",
      vorlund::kSphereCellCount, r.cellsByValence[5], r.cellsByValence[6],
      sphere.strip.triangles.size(), sphere.strip.repeats, r.shortestEdge, r.longestEdge,
      r.longestEdge / r.shortestEdge, r.worstNeighbourMargin, r.neighbourRowsDiffering,
      r.neighbourRowsOutOfOrder, r.largestRing, sphere.fighterSteps, seconds);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--scan") return scan();
  if (argc < 2 || argc > 3 || std::string(argv[1]) == "--scan") {
    std::fprintf(stderr, "usage: vorlund-sphere GAME_DIR [RING_COPY] | --scan\n");
    return 2;
  }
  return generate(argv[1], argc == 3 ? argv[2] : "");
}
