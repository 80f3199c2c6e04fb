#pragma once

#include <string>
#include <vector>

#include "mesh_report.h"
#include "state/little_endian.h"
#include "triangle_strip.h"
#include "vec3.h"

namespace vorlund::sphere {

// The game's hex sphere: its two files, and what the report and the checks
// of the generator look at. Cells and strip corners are game cell numbers.
struct HexSphere {
  Bytes cellFile;                            // "aorb1.orb"
  Bytes triangleFile;                        // "atri1.tri"
  std::vector<Vec3> positions;               // positions[0] is cell 1
  std::vector<std::vector<int>> neighbours;  // row 0 for cell 1
  Strip strip;
  int fighterSteps = -1;  // steps between the fighters' start cells
};

// Winds up, relaxes and numbers the 1461-cell sphere; false with the reason
// in `error` when a step fails.
bool makeHexSphere(HexSphere& out, std::string& error);

}  // namespace vorlund::sphere
