// SPDX-License-Identifier: GPL-3.0-or-later
// vorlund-icon: draws the game's icon, the hex sphere seen from outside with
// two fighters on neighbouring cells, as SVG and as a PNG for each size a
// desktop asks for. Each PNG is drawn for its own size: the large ones show
// the grid of cells, the small ones fewer and larger cells, and the two
// smallest only the globe and the two fighters, laid on whole pixels, since a
// grid of cells scaled down to 16 pixels is a blur.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr double kPi = std::numbers::pi;
constexpr const char* kIconName = "io.github.vorlund.Vorlund";
constexpr int kPngSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The globe on a canvas: its centre and radius, and the distance between cell
// centres in radians of arc.
struct Globe {
  double centre;
  double radius;
  double cell;
};

struct Point {
  double x, y;
};

// A point of the sphere given by its direction and arc distance from the
// point facing the viewer, as it shows on the picture.
Point onSphere(const Globe& g, double ax, double ay) {
  const double arc = std::hypot(ax, ay);
  if (arc < 1e-12) return {g.centre, g.centre};
  const double r = g.radius * std::sin(std::min(arc, kPi / 2));
  return {g.centre + r * ax / arc, g.centre + r * ay / arc};
}

// The outline of the cell centred at (cx, cy) in arc coordinates; each edge
// is split so that it bends with the sphere.
std::vector<Point> cellOutline(const Globe& g, double cx, double cy) {
  std::vector<Point> outline;
  const double corner = g.cell / std::sqrt(3.0);
  constexpr int kSplit = 4;
  for (int k = 0; k < 6; ++k) {
    const double a0 = kPi / 6 + k * kPi / 3;
    const double a1 = a0 + kPi / 3;
    for (int s = 0; s < kSplit; ++s) {
      const double t = static_cast<double>(s) / kSplit;
      outline.push_back(onSphere(g, cx + corner * ((1 - t) * std::cos(a0) + t * std::cos(a1)),
                                 cy + corner * ((1 - t) * std::sin(a0) + t * std::sin(a1))));
    }
  }
  return outline;
}

// The cells of a hexagonal tiling, rows offset by half a cell, that face the
// viewer: their centres, and how far each is from the rim (1 facing, 0 at it).
struct Cell {
  double cx, cy, facing;
};

std::vector<Cell> visibleCells(const Globe& g) {
  std::vector<Cell> cells;
  const double rowStep = g.cell * std::sqrt(3.0) / 2;
  const int rows = static_cast<int>(std::ceil(kPi / 2 / rowStep));
  const int cols = static_cast<int>(std::ceil(kPi / 2 / g.cell));
  for (int row = -rows; row <= rows; ++row)
    for (int col = -cols; col <= cols; ++col) {
      const double cx = (col + (row % 2 != 0 ? 0.5 : 0.0)) * g.cell;
      const double cy = row * rowStep;
      const double arc = std::hypot(cx, cy);
      if (arc > kPi / 2 - g.cell / 3) continue;
      cells.push_back({cx, cy, std::cos(arc)});
    }
  return cells;
}

// The two fighters' cells, below the centre.
Point fighterCell(const Globe& g, int which) {
  return {(which == 0 ? -0.5 : 0.5) * g.cell, g.cell * std::sqrt(3.0) / 2};
}

const char* kFighterFill[] = {"#d8402f", "#e8b53a"};
const char* kFighterEdge[] = {"#ffd9c9", "#fff1c4"};

// --- SVG -------------------------------------------------------------------

std::string svgPath(const std::vector<Point>& outline) {
  std::ostringstream path;
  for (std::size_t i = 0; i < outline.size(); ++i)
    path << (i == 0 ? "M" : "L") << std::lround(outline[i].x * 10) / 10.0 << ' '
         << std::lround(outline[i].y * 10) / 10.0;
  path << 'Z';
  return path.str();
}

std::string svg() {
  const Globe g{128.0, 112.0, 0.26};
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
  for (const Cell& c : visibleCells(g))
    out << "<path d=\"" << svgPath(cellOutline(g, c.cx, c.cy)) << "\" stroke-width=\""
        << 0.6 + 1.4 * c.facing << "\" stroke-opacity=\"" << 0.15 + 0.6 * c.facing << "\"/>\n";
  out << "</g>\n";
  for (int f = 0; f < 2; ++f) {
    const Point at = fighterCell(g, f);
    out << "<path d=\"" << svgPath(cellOutline(g, at.x, at.y)) << "\" fill=\"" << kFighterFill[f]
        << "\" stroke=\"" << kFighterEdge[f] << "\" stroke-width=\"2\"/>\n";
  }
  out << R"svg(<circle cx="128" cy="128" r="112" fill="url(#shine)"/>
<circle cx="128" cy="128" r="111" fill="none" stroke="#041021" stroke-width="3"/>
</svg>
)svg";
  return out.str();
}

// --- PNG -------------------------------------------------------------------

QPainterPath painterPath(const std::vector<Point>& outline) {
  QPainterPath path;
  path.moveTo(outline[0].x, outline[0].y);
  for (std::size_t i = 1; i < outline.size(); ++i) path.lineTo(outline[i].x, outline[i].y);
  path.closeSubpath();
  return path;
}

void globeBody(QPainter& p, const Globe& g) {
  QRadialGradient body(g.centre - 0.24 * g.radius, g.centre - 0.32 * g.radius, 1.7 * g.radius);
  body.setColorAt(0.0, QColor("#3d8fb0"));
  body.setColorAt(0.6, QColor("#16466b"));
  body.setColorAt(1.0, QColor("#07172b"));
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  p.drawEllipse(QPointF(g.centre, g.centre), g.radius, g.radius);
}

// 32 pixels and up: the globe with its grid, as the SVG, the cells larger
// and the lines no thinner than a pixel on the smaller canvases.
void drawDetailed(QPainter& p, int size) {
  const double scale = size / 256.0;
  const double cell = size >= 128 ? 0.26 : size >= 64 ? 0.36 : size >= 48 ? 0.45 : 0.6;
  const Globe g{size / 2.0, 112.0 * scale, cell};
  globeBody(p, g);
  p.setBrush(Qt::NoBrush);
  for (const Cell& c : visibleCells(g)) {
    QColor line("#bfe9ff");
    line.setAlphaF(std::min(1.0, 0.15 + 0.6 * c.facing + (size < 64 ? 0.15 : 0.0)));
    QPen pen(line, std::max(1.0, (0.6 + 1.4 * c.facing) * scale));
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.drawPath(painterPath(cellOutline(g, c.cx, c.cy)));
  }
  for (int f = 0; f < 2; ++f) {
    const Point at = fighterCell(g, f);
    p.setPen(QPen(QColor(kFighterEdge[f]), std::max(1.0, 2.0 * scale)));
    p.setBrush(QColor(kFighterFill[f]));
    p.drawPath(painterPath(cellOutline(g, at.x, at.y)));
  }
  QRadialGradient shine(g.centre - 0.3 * g.radius, g.centre - 0.4 * g.radius, 0.8 * g.radius);
  shine.setColorAt(0.0, QColor(255, 255, 255, 115));
  shine.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shine);
  p.drawEllipse(QPointF(g.centre, g.centre), g.radius, g.radius);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor("#041021"), std::max(1.0, 3.0 * scale)));
  p.drawEllipse(QPointF(g.centre, g.centre), g.radius - 0.5, g.radius - 0.5);
}

// 16 and 24 pixels: the globe lit from the upper left, on 24 pixels a row of
// cell edges, and the two fighters as blocks of whole pixels side by side
// below the middle.
void drawSimple(QPainter& p, int size) {
  const Globe g{size / 2.0, size / 2.0 - 1.0, 0.0};
  globeBody(p, g);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor("#041021"), 1.0));
  p.drawEllipse(QPointF(g.centre, g.centre), g.radius + 0.5, g.radius + 0.5);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  const int block = size / 5;  // 3 at 16, 4 at 24
  const int top = size / 2 + 1;
  const int left = size / 2 - block - 1;
  if (size >= 24) {  // the cell edges of the fighters' row and the row above
    p.setBrush(QColor(191, 233, 255, 140));
    p.drawRect(5, top - 2, size - 10, 1);
    for (int x = left - 1; x <= left + 2 * block + 2; x += block + 2) p.drawRect(x, top - 1, 1, block + 1);
  }
  for (int f = 0; f < 2; ++f) {
    const int x = left + f * (block + 2);
    p.setBrush(QColor(kFighterEdge[f]));
    p.drawRect(x, top, block, 1);
    p.setBrush(QColor(kFighterFill[f]));
    p.drawRect(x, top + 1, block, block - 1);
  }
}

QImage png(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  if (size >= 32)
    drawDetailed(p, size);
  else
    drawSimple(p, size);
  p.end();
  return image;
}

bool writeText(const fs::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary);
  out << text;
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: vorlund-icon DIR   (writes DIR/hicolor/SIZE/apps/" << kIconName
              << ".{svg,png})\n";
    return 2;
  }
  const fs::path hicolor = fs::path(argv[1]) / "hicolor";
  std::error_code ec;
  const fs::path scalable = hicolor / "scalable" / "apps";
  fs::create_directories(scalable, ec);
  bool ok = !ec && writeText(scalable / (std::string(kIconName) + ".svg"), svg());
  for (int size : kPngSizes) {
    const std::string edge = std::to_string(size);
    const fs::path apps = hicolor / (edge + "x" + edge) / "apps";
    fs::create_directories(apps, ec);
    ok = ok && !ec && png(size).save(QString::fromStdString((apps / kIconName).string() + ".png"));
  }
  if (!ok) {
    std::cerr << "vorlund-icon: cannot write the icons into " << hicolor << "\n";
    return 1;
  }
  return 0;
}
