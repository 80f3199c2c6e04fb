#include "sphere_maker.h"

#include <array>

#include "cell_numbering.h"
#include "sphere_embedding.h"
#include "sphere_files.h"
#include "spiral_windup.h"
#include "world/arena_start.h"
#include "world/world_state.h"

namespace vorlund::sphere {

namespace {

constexpr int referenceCell = 268;  // the game turns the arena towards this cell's direction

// One pentagon at each pole of the spiral and two rings of five, twelve faces apart along it,
// like the corners of an icosahedron. Of the spirals that `--scan` finds closing, this one gives
// the most even spacing.
constexpr std::array<int, 12> pentagons{0,    354,  366,  378,  390,  402,
                                        1066, 1078, 1090, 1102, 1114, 1460};

}  // namespace

bool makeHexSphere(HexSphere& out, std::string& error) {
  auto mesh = windUpSpiral(kSphereCellCount, pentagons);
  if (!mesh) {
    error = "the pentagon spiral does not close";
    return false;
  }
  const auto spiralPositions = embedOnSphere(*mesh);
  if (!windOutward(*mesh, spiralPositions)) {
    error = "the sphere folded over while relaxing";
    return false;
  }
  const auto numberOf = numberCells(*mesh, spiralPositions);
  if (numberOf.empty()) {
    error = "no cells twelve steps apart for the fighters";
    return false;
  }
  out.strip = stripThroughAll(*mesh);

  // From spiral order to the game's numbering.
  out.positions.assign(kSphereCellCount, Vec3{});
  out.neighbours.assign(kSphereCellCount, {});
  for (int c = 0; c < kSphereCellCount; ++c) {
    out.positions[numberOf[c] - 1] = spiralPositions[c];
    for (int nb : mesh->neighbours[c]) out.neighbours[numberOf[c] - 1].push_back(numberOf[nb]);
  }
  for (Triangle& t : out.strip.triangles)
    for (int& corner : t) corner = numberOf[corner];
  turnToTop(out.positions, referenceCell - 1);
  out.cellFile = cellFileBytes(out.positions);
  out.triangleFile = triangleFileBytes(out.positions, out.strip);

  int from = 0;
  for (int c = 0; c < kSphereCellCount; ++c)
    if (numberOf[c] == vorlund::kPlayerStartCell) from = c;
  const auto steps = stepsFrom(*mesh, from);
  for (int c = 0; c < kSphereCellCount; ++c)
    if (numberOf[c] == vorlund::kGuestStartCell) out.fighterSteps = steps[c];
  return true;
}

}  // namespace vorlund::sphere
