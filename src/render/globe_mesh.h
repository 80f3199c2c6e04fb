#pragma once
#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <vector>

#include "render/client_arrays.h"
#include "state/geometry.h"

namespace vorlund {
struct WorldState;
}

namespace vorlund::render {

class EyeView;

// The textured globe's triangles as arrays, drawn in one call: the texture
// corners of each triangle's layout, the corner cells' positions, and as
// normals the positions times the solar-system scale. Made again when a
// cell moves or the scale changes.
class GlobeMesh {
 public:
  // Draws what glBegin(GL_TRIANGLES) with glTexCoord2f, glNormal3f and
  // glVertex3f for every corner draws, and leaves the last corner's normal
  // and texture coordinate current, as those calls would. With a view, the
  // triangles that certainly face away from the eye are left out.
  void draw(const WorldState& w, long double solarScale, const EyeView* view);

  // The radius of a ball about the centre that the globe's surface holds
  // inside it: the nearest of its triangles' planes, when the triangles
  // close round the centre once, each turned outwards; 0 otherwise.
  double shellRadius() const { return shell_; }

 private:
  bool builtFor(const WorldState& w, long double solarScale) const;
  void build(const WorldState& w, long double solarScale);
  void findShell(const WorldState& w);

  std::vector<Vec3> cells_;  // the cell positions the arrays were made from
  long double scale_ = 0.0L;
  int corners_ = 0;
  double shell_ = 0.0;
  CornerArrays all_;
  std::vector<std::int32_t> cornerCells_;  // of each corner
  // Where each cell lands in the window this frame, if it lies in front.
  std::vector<std::array<double, 2>> windows_;
  std::vector<char> inFront_;
  // The triangles drawn this frame.
  CornerArrays shown_;
};

}  // namespace vorlund::render
