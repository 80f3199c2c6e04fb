#include "sphere_embedding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace vorlund::sphere {

namespace {

using Field = std::vector<double>;

// A sphere-like graph's Laplacian has its three smallest non-zero eigenvalues together, and
// their eigenvectors are close to the x, y and z of a round layout. Power iteration on
// (shift - Laplacian) finds them; the shift of 6.5 keeps the far end of the spectrum (up to 12
// for cells of six) smaller in magnitude than the wanted end.
std::array<Field, 3> slowestModes(const Triangulation& mesh, int iterations) {
  const int n = mesh.cellCount();
  constexpr double shift = 6.5;
  std::array<Field, 3> modes;
  for (auto& m : modes) m.resize(n);
  for (int k = 0; k < n; ++k) {
    const double along = std::numbers::pi * (k + 0.5) / n;  // pole to pole in spiral order
    modes[0][k] = std::cos(along);
    modes[1][k] = std::sin(along) * std::sin(7.3 * k);
    modes[2][k] = std::sin(along) * std::cos(7.3 * k);
  }
  Field next(n);
  for (int it = 0; it < iterations; ++it) {
    for (int a = 0; a < 3; ++a) {
      for (int i = 0; i < n; ++i) {
        double s = (shift - static_cast<double>(mesh.neighbours[i].size())) * modes[a][i];
        for (int j : mesh.neighbours[i]) s += modes[a][j];
        next[i] = s;
      }
      std::swap(modes[a], next);
      // Keep it free of the constant mode and of the modes found before it, at unit length.
      double mean = 0;
      for (double v : modes[a]) mean += v;
      mean /= n;
      for (double& v : modes[a]) v -= mean;
      for (int b = 0; b < a; ++b) {
        double d = 0;
        for (int i = 0; i < n; ++i) d += modes[a][i] * modes[b][i];
        for (int i = 0; i < n; ++i) modes[a][i] -= d * modes[b][i];
      }
      double norm = 0;
      for (double v : modes[a]) norm += v * v;
      norm = std::sqrt(norm);
      for (double& v : modes[a]) v /= norm;
    }
  }
  return modes;
}

double meanEdge(const Triangulation& mesh, const std::vector<Vec3>& p) {
  double sum = 0;
  int edges = 0;
  for (int i = 0; i < mesh.cellCount(); ++i)
    for (int j : mesh.neighbours[i]) {
      sum += length(p[j] - p[i]);
      ++edges;
    }
  return sum / edges;
}

// Every edge pulls or pushes towards the mean edge length; `stiffness` maps the relative
// stretch e to the force. Cells are moved together (Jacobi) and put back on the sphere.
template <class Stiffness>
void relax(const Triangulation& mesh, std::vector<Vec3>& p, int iterations, double step,
           Stiffness stiffness) {
  const int n = mesh.cellCount();
  std::vector<Vec3> moved(n);
  for (int it = 0; it < iterations; ++it) {
    const double mean = meanEdge(mesh, p);
    for (int i = 0; i < n; ++i) {
      Vec3 force;
      for (int j : mesh.neighbours[i]) {
        const Vec3 d = p[j] - p[i];
        const double l = length(d);
        force = force + (stiffness((l - mean) / mean) * mean / l) * d;
      }
      moved[i] = unit(p[i] + step * force);
    }
    std::swap(p, moved);
  }
}

}  // namespace

std::vector<Vec3> embedOnSphere(const Triangulation& mesh) {
  const auto modes = slowestModes(mesh, 1500);
  std::vector<Vec3> p(mesh.cellCount());
  for (int i = 0; i < mesh.cellCount(); ++i) p[i] = unit({modes[0][i], modes[1][i], modes[2][i]});
  // Linear springs settle the layout; cubic ones then squeeze the longest and shortest edges
  // harder, which narrows the spread of edge lengths from about 1.29 to 1.20.
  relax(mesh, p, 300, 0.15, [](double e) { return e; });
  relax(mesh, p, 800, 0.1, [](double e) { return 100 * e * e * e; });
  return p;
}

void turnToTop(std::vector<Vec3>& positions, int cell) {
  const Vec3 a = unit(positions[cell]);
  const Vec3 top{0, 0, 1};
  const Vec3 axis = cross(a, top);
  const double s = length(axis), c = dot(a, top);
  if (s > 1e-15) {
    const Vec3 k = (1.0 / s) * axis;
    for (Vec3& p : positions)  // Rodrigues' rotation about k by the angle from a to the top
      p = (c * p) + (s * cross(k, p)) + ((1 - c) * dot(k, p)) * k;
  } else if (c < 0) {
    for (Vec3& p : positions) p = {p.x, -p.y, -p.z};  // half a turn about x
  }
  for (Vec3& p : positions) p = unit(p);
  positions[cell] = top;
}

bool windOutward(Triangulation& mesh, const std::vector<Vec3>& p) {
  auto outward = [&](const Triangle& t) {
    const Vec3 normal = cross(p[t[1]] - p[t[0]], p[t[2]] - p[t[0]]);
    return dot(normal, p[t[0]] + p[t[1]] + p[t[2]]) > 0;
  };
  if (!outward(mesh.triangles.front()))
    for (Triangle& t : mesh.triangles) std::swap(t[1], t[2]);
  return std::all_of(mesh.triangles.begin(), mesh.triangles.end(), outward);
}

}  // namespace vorlund::sphere
