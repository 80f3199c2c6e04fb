#include "render/eye_view.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace vorlund::render {
namespace {

// A triangle counts as facing away when its area in the window, in square
// pixels, is below zero by more than this share of its outline in pixels:
// GL snaps each corner to a 256th of a pixel, which moves the area by less
// than a hundredth of the outline.
constexpr double kAreaMargin = 0.05;
// How far inside the globe's outline, in pixels, a hidden point must lie,
// and how much deeper than the outline (as a share of the distance to the
// globe).
constexpr double kHiddenPixels = 2.0;
constexpr double kHiddenDepth = 1e-3;
// Tolerance of the checks that the modelview is a turn and an even scale.
constexpr double kTolerance = 1e-5;

double dot(const EyeView::Eye& a, const EyeView::Eye& b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
EyeView::Eye cross(const EyeView::Eye& a, const EyeView::Eye& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

}  // namespace

std::optional<EyeView> EyeView::current() {
  GLfloat model[16], projection[16];
  GLint viewport[4];
  glGetFloatv(GL_MODELVIEW_MATRIX, model);
  glGetFloatv(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  // A perspective projection, the eye at the origin.
  if (projection[3] != 0.0f || projection[7] != 0.0f || projection[11] != -1.0f ||
      projection[15] != 0.0f || viewport[2] <= 0 || viewport[3] <= 0)
    return std::nullopt;
  EyeView v;
  for (int i = 0; i < 16; ++i) v.m_[i] = model[i], v.p_[i] = projection[i];
  const Eye c0{v.m_[0], v.m_[1], v.m_[2]}, c1{v.m_[4], v.m_[5], v.m_[6]},
      c2{v.m_[8], v.m_[9], v.m_[10]};
  const double s2 = dot(c0, c0);
  if (!(s2 > 0.0) || model[3] != 0.0f || model[7] != 0.0f || model[11] != 0.0f ||
      std::abs(dot(c1, c1) - s2) > kTolerance * s2 || std::abs(dot(c2, c2) - s2) > kTolerance * s2 ||
      std::abs(dot(c0, c1)) > kTolerance * s2 || std::abs(dot(c0, c2)) > kTolerance * s2 ||
      std::abs(dot(c1, c2)) > kTolerance * s2 || dot(cross(c0, c1), c2) <= 0.0)
    return std::nullopt;
  v.scale_ = std::sqrt(s2);
  v.width_ = viewport[2];
  v.height_ = viewport[3];
  v.pixelsPerUnit_ = std::min(std::abs(v.p_[0]) * v.width_, std::abs(v.p_[5]) * v.height_) / 2.0;
  return v;
}

EyeView::Eye EyeView::eye(const Point3f& p) const {
  return {m_[0] * p.x + m_[4] * p.y + m_[8] * p.z + m_[12],
          m_[1] * p.x + m_[5] * p.y + m_[9] * p.z + m_[13],
          m_[2] * p.x + m_[6] * p.y + m_[10] * p.z + m_[14]};
}

EyeView::Eye EyeView::turn(const Eye& d) const {
  return {m_[0] * d[0] + m_[4] * d[1] + m_[8] * d[2], m_[1] * d[0] + m_[5] * d[1] + m_[9] * d[2],
          m_[2] * d[0] + m_[6] * d[1] + m_[10] * d[2]};
}

EyeView::Window EyeView::window(const Eye& e) const {
  const double w = -e[2];
  const double x = (p_[0] * e[0] + p_[4] * e[1] + p_[8] * e[2] + p_[12]) / w;
  const double y = (p_[1] * e[0] + p_[5] * e[1] + p_[9] * e[2] + p_[13]) / w;
  return {(x + 1.0) * width_ / 2.0, (y + 1.0) * height_ / 2.0};
}

bool EyeView::turnedAway(const Window& a, const Window& b, const Window& c) {
  const double area = ((b[0] - a[0]) * (c[1] - a[1]) - (c[0] - a[0]) * (b[1] - a[1])) / 2.0;
  if (!(area < 0.0)) return false;
  const double outline = std::hypot(b[0] - a[0], b[1] - a[1]) +
                         std::hypot(c[0] - b[0], c[1] - b[1]) +
                         std::hypot(a[0] - c[0], a[1] - c[1]);
  return area < -kAreaMargin * outline;
}

void EyeView::setOccluder(double radius) {
  ballRadius_ = radius * scale_;
  ball_ = eye({0.0f, 0.0f, 0.0f});
  ballDistance_ = std::sqrt(dot(ball_, ball_));
  if (!(ballRadius_ > 0.0) || !(ballDistance_ > ballRadius_)) {
    ballRadius_ = 0.0;
    return;
  }
  // The eye's lines touching the ball meet it at this distance...
  touching_ = std::sqrt(ballDistance_ * ballDistance_ - ballRadius_ * ballRadius_) +
              kHiddenDepth * ballDistance_;
  // ...and at this angle from its centre, less a few pixels.
  outline_ = std::asin(ballRadius_ / ballDistance_) - kHiddenPixels / pixelsPerUnit_;
}

bool EyeView::hidden(const Point3f& centre, double reach) const {
  if (!(ballRadius_ > 0.0) || !(outline_ > 0.0)) return false;
  const Eye point = eye(centre);
  const double distance = std::sqrt(dot(point, point));
  reach *= scale_;
  if (!(distance - reach > touching_)) return false;
  const double spread = std::asin(std::min(1.0, reach / distance));
  if (!(spread < outline_)) return false;
  return dot(ball_, point) > std::cos(outline_ - spread) * ballDistance_ * distance;
}

}  // namespace vorlund::render
