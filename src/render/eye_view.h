#pragma once
#include <array>
#include <optional>

#include "render/scene_math.h"

namespace vorlund::render {

// Where the eye stands relative to what is about to be drawn, from the
// current modelview of a perspective projection, for leaving out what GL
// would throw away anyway: polygons facing away (culled) and polygons
// wholly behind the globe (every fragment fails the depth test). Every
// answer keeps a margin far beyond GL's float rounding and its snapping of
// corners to the pixel grid, so that only what certainly draws nothing is
// left out, and the frame keeps its pixels.
class EyeView {
 public:
  using Eye = std::array<double, 3>;
  using Window = std::array<double, 2>;

  // The view of the current modelview; nothing when it is not a turn and an
  // even scale (a view this class does not reason about).
  static std::optional<EyeView> current();

  // A point, and a direction, in eye space: the eye at the origin, looking
  // along -z.
  Eye eye(const Point3f& p) const;
  Eye turn(const Eye& direction) const;
  // Where a point in front of the eye lands in the window, in pixels.
  Window window(const Eye& e) const;
  // Pixels per unit of length across the view, at unit distance (the
  // smaller of the two ways).
  double pixelsPerUnit() const { return pixelsPerUnit_; }

  // Whether a triangle whose corners land there (counter-clockwise when it
  // faces the eye) certainly faces away: its area is below zero by far more
  // than the snapping of its corners could change.
  static bool turnedAway(const Window& a, const Window& b, const Window& c);

  // A ball about the origin of the drawing space that a drawn, closed
  // surface holds inside it, drawn before and written to the depth buffer.
  void setOccluder(double radius);
  // Whether every point within `reach` of `centre` is certainly hidden
  // behind the occluder.
  bool hidden(const Point3f& centre, double reach) const;

 private:
  std::array<double, 16> m_{};  // the modelview, column-major, as GL gives it
  std::array<double, 16> p_{};  // the projection
  double width_ = 0.0, height_ = 0.0;  // of the viewport
  double pixelsPerUnit_ = 1.0;
  double scale_ = 1.0;  // of the modelview's turn
  // The occluder in eye space: its centre, its distance and radius, the
  // least distance of a hidden point, the cosine a hidden point's direction
  // must beat.
  Eye ball_{};
  double ballDistance_ = 0.0, ballRadius_ = 0.0, touching_ = 0.0, outline_ = 0.0;
};

}  // namespace vorlund::render
