// vorlund-icon: draws the game's icon as SVG: the hex sphere seen from
// outside, two fighters on neighbouring cells.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <numbers>
#include <sstream>
#include <string>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kCentre = 128.0;
constexpr double kRadius = 112.0;
constexpr double kCell = 0.26;  // distance between cell centres, radians of arc

struct Point {
  double x, y;
};

// A point of the sphere given by its direction and arc distance from the
// point facing the viewer, as it shows on the picture.
Point onSphere(double ax, double ay) {
  const double arc = std::hypot(ax, ay);
  if (arc < 1e-12) return {kCentre, kCentre};
  const double r = kRadius * std::sin(std::min(arc, kPi / 2));
  return {kCentre + r * ax / arc, kCentre + r * ay / arc};
}

// The outline of the cell centred at (cx, cy) in arc coordinates; each edge
// is split so that it bends with the sphere.
std::string cellPath(double cx, double cy) {
  std::ostringstream path;
  const double corner = kCell / std::sqrt(3.0);
  constexpr int kSplit = 4;
  for (int k = 0; k < 6; ++k) {
    const double a0 = kPi / 6 + k * kPi / 3;
    const double a1 = a0 + kPi / 3;
    for (int s = 0; s < kSplit; ++s) {
      const double t = static_cast<double>(s) / kSplit;
      const double x = cx + corner * ((1 - t) * std::cos(a0) + t * std::cos(a1));
      const double y = cy + corner * ((1 - t) * std::sin(a0) + t * std::sin(a1));
      const Point p = onSphere(x, y);
      path << (k == 0 && s == 0 ? "M" : "L") << std::lround(p.x * 10) / 10.0 << ' '
           << std::lround(p.y * 10) / 10.0;
    }
  }
  path << 'Z';
  return path.str();
}

std::string svg() {
  std::ostringstream out;
  out << R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
<defs>
<radialGradient id="globe" cx="0.38" cy="0.34" r="0.75">
<stop offset="0" stop-color="#3d8fb0"/><stop offset="0.6" stop-color="#16466b"/>
<stop offset="1" stop-color="#07172b"/></radialGradient>
<radialGradient id="shine" cx="0.35" cy="0.3" r="0.35">
<stop offset="0" stop-color="#ffffff" stop-opacity="0.45"/>
<stop offset="1" stop-color="#ffffff" stop-opacity="0"/></radialGradient>
</defs>
<circle cx="128" cy="128" r="112" fill="url(#globe)"/>
<g fill="none" stroke="#bfe9ff" stroke-linejoin="round">
)svg";
  // Cells of a hexagonal tiling, rows offset by half a cell; those on the
  // far side are left out, those near the rim fade.
  const double rowStep = kCell * std::sqrt(3.0) / 2;
  for (int row = -10; row <= 10; ++row) {
    for (int col = -10; col <= 10; ++col) {
      const double cx = (col + (row % 2 != 0 ? 0.5 : 0.0)) * kCell;
      const double cy = row * rowStep;
      const double arc = std::hypot(cx, cy);
      if (arc > kPi / 2 - kCell / 3) continue;
      const double fade = std::cos(arc);
      out << "<path d=\"" << cellPath(cx, cy) << "\" stroke-width=\"" << 0.6 + 1.4 * fade
          << "\" stroke-opacity=\"" << 0.15 + 0.6 * fade << "\"/>\n";
    }
  }
  out << "</g>\n";
  // The two fighters on neighbouring cells below the centre.
  out << "<path d=\"" << cellPath(-0.5 * kCell, rowStep)
      << "\" fill=\"#d8402f\" stroke=\"#ffd9c9\" stroke-width=\"2\"/>\n";
  out << "<path d=\"" << cellPath(0.5 * kCell, rowStep)
      << "\" fill=\"#e8b53a\" stroke=\"#fff1c4\" stroke-width=\"2\"/>\n";
  out << R"svg(<circle cx="128" cy="128" r="112" fill="url(#shine)"/>
<circle cx="128" cy="128" r="111" fill="none" stroke="#041021" stroke-width="3"/>
</svg>
)svg";
  return out.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: vorlund-icon OUT.svg\n";
    return 2;
  }
  std::ofstream file(argv[1], std::ios::binary);
  file << svg();
  file.close();
  if (!file) {
    std::cerr << "vorlund-icon: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
