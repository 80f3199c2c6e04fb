#pragma once
#include <GL/gl.h>

#include <vector>

#include "render/client_arrays.h"
#include "render/scene_math.h"

namespace vorlund {
struct WorldState;
}

namespace vorlund::render {

class EyeView;

// The grid's small cube on every cell, drawn in one call: each cube is the
// marker cube with the cell's place and the grid's scale worked into its
// corners and normals, so that the modelview stays as the globe left it.
// The arrays are made again only when a cell has moved.
class CellCubes {
 public:
  // Every cell 1..1461 as markerCube() at the cell's position, scaled by
  // `scale`, would draw it (textured by whatever texture is bound), and the
  // current normal, texture coordinate and colour left as the marker cube
  // leaves them. With a view, the faces that certainly face away from the
  // eye, and the cubes certainly hidden behind the globe, are left out.
  void draw(const WorldState& w, GLfloat scale, const EyeView* view);

 private:
  bool placedAt(const WorldState& w, GLfloat scale) const;
  void build(const WorldState& w, GLfloat scale);

  std::vector<Point3f> places_;  // the cells' positions the arrays hold
  GLfloat scale_ = 0.0f;
  CornerArrays all_;
  // The faces drawn this frame.
  CornerArrays shown_;
};

}  // namespace vorlund::render
