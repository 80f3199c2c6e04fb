#include "world/world_load.h"

#include <optional>
#include <string>

#include "state/failure.h"
#include "state/file_io.h"
#include "state/game.h"
#include "world/cell_distances.h"
#include "world/mesh.h"
#include "world/mesh_files.h"
#include "world/neighbour_table.h"
#include "world/ring_table.h"
#include "world/texture_layout.h"

namespace vorlund {

namespace {

constexpr std::int32_t kFirstCursorCell = 268;

// Fills a table from its cache file of `size` bytes. A missing file is no
// fault: the table is simply computed. A file that is there but unreadable,
// of another size or damaged is told in the Log and then ignored, so the
// table is computed all the same.
template <class Decode>
bool loadTableFile(Game& g, const char* name, std::size_t size, const char* table, Decode decode) {
  Bytes bytes;
  const FileResult read = readFileBounded(gameFile(g, name), size, bytes);
  if (read.code == FileResult::Code::Missing) return false;
  std::string fault = "the file cannot be read";
  if (read.code == FileResult::Code::TooLarge) {
    fault = "more than " + std::to_string(size) + " bytes";
  } else if (read) {
    const std::optional<Failure> decoded = decode(g.world, bytes);
    if (!decoded) return true;
    fault = decoded->message;
  }
  reportFailure(g, Failure::logged(std::string("Ignored ") + name + ": " + fault + "; the " +
                                       table + " was computed afresh",
                                   read.code == FileResult::Code::TooLarge ? "" : read.reason()));
  return false;
}

}  // namespace

bool loadWorld(Game& g) {
  allocateCellTables(g.world);
  return loadMesh(g);
}

bool loadMesh(Game& g) {
  WorldState& w = g.world;
  std::optional<Failure> refused = loadCellFile(w, gameFile(g, kCellFileName));
  if (!refused) refused = loadTriangleFile(w, gameFile(g, kTriangleFileName));
  if (refused) {
    reportFailure(g, *refused);
    return false;
  }
  CopyDusty(w);
  computeTriangleCentres(w);
  AssignTriang(w);
  layOutTexture(g);
  return true;
}

void setupTables(Game& g) {
  WorldState& w = g.world;
  if (w.cells.empty()) allocateCellTables(w);
  // Measured only when a table has to be computed, and then once for both.
  std::optional<CellDistances> distances;
  const auto measured = [&]() -> const CellDistances& {
    if (!distances) distances.emplace(w);
    return *distances;
  };

  if (!loadTableFile(g, kRingFileName, kRingFileSize, "ring table", decodeRingTable)) {
    computeRingTable(w, measured());
  }
  w.ringTableReady = true;
  setUpCellCursor(g);
  if (!loadTableFile(g, kNeighbourFileName, kNeighbourFileSize, "neighbour table",
                     decodeNeighbourTable)) {
    computeNeighbourTable(w, measured());
  }
}

void setUpCellCursor(Game& g) {
  g.cursorShown = true;
  g.cursorCell = kFirstCursorCell;
  g.cursorRingPos = 1;
  g.poleCell = g.cursorCell;
  g.antipodeCell = antipodeSearch(g.world, cellPosition(g.world, g.cursorCell));
}

// A table that was never set up is not saved: it would overwrite a good file
// with an empty one.
void saveRingTable(Game& g) {
  if (!g.world.ringTableReady) return;
  if (const FileResult r =
          writeFileAtomically(gameFile(g, kRingFileName), encodeRingTable(g.world));
      !r) {
    reportFailure(
        g, Failure::notSaved(kRingFileName, std::string("Cannot create file ") + kRingFileName,
                             r.reason()));
  }
}

}  // namespace vorlund
