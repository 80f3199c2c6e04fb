#include "mesh_report.h"

#include <algorithm>

namespace vorlund::sphere {

namespace {

// The game measures distances in single precision.
float gameDistance(Vec3 a, Vec3 b) {
  return static_cast<float>(length(a - b));
}

// The game's own neighbour rows: the six nearest cells (ties to the lower number), then at most
// one entry dropped per cell where the two rows share fewer than four members, cells in order.
std::vector<std::vector<int>> gameNeighbourRows(const std::vector<Vec3>& p) {
  const int n = static_cast<int>(p.size());
  std::vector<std::array<int, 6>> row(n);
  std::vector<int> count(n, 6);
  for (int i = 0; i < n; ++i)
    for (int pass = 0; pass < 6; ++pass) {
      float best = 1000.0f;
      int found = 0;
      for (int c = 1; c <= n; ++c) {
        if (c == i + 1 ||
            std::find(row[i].begin(), row[i].begin() + pass, c) != row[i].begin() + pass)
          continue;
        const float d = gameDistance(p[i], p[c - 1]);
        if (d < best) {
          best = d;
          found = c;
        }
      }
      row[i][pass] = found;
    }
  // Greedy walk from the nearest: each next slot takes the remaining cell nearest the last.
  for (int i = 0; i < n; ++i)
    for (int slot = 0; slot < 5; ++slot) {
      float best = 1000.0f;
      int pick = -1;
      for (int q = slot + 1; q < 6; ++q) {
        if (row[i][q] == 0) continue;
        const float d = gameDistance(p[row[i][slot] - 1], p[row[i][q] - 1]);
        if (d < best) {
          best = d;
          pick = q;
        }
      }
      if (pick >= 0) std::swap(row[i][slot + 1], row[i][pick]);
    }
  for (int i = 0; i < n; ++i) {
    int drop = -1;
    for (int k = 0; k < 6; ++k) {
      const int nb = row[i][k];
      int shared = 0;
      for (int s = 0; s < 7; ++s)
        for (int r = 0; r < 7; ++r)
          shared += (s < 6 ? row[i][s] : i + 1) == (r < 6 ? row[nb - 1][r] : nb);
      if (shared < 4) drop = k;
    }
    if (drop >= 0) {
      std::copy(row[i].begin() + drop + 1, row[i].end(), row[i].begin() + drop);
      row[i][5] = 0;
      count[i] = 5;
    }
  }
  std::vector<std::vector<int>> rows(n);
  for (int i = 0; i < n; ++i) rows[i].assign(row[i].begin(), row[i].begin() + count[i]);
  return rows;
}

// The game's quarter-turn ring of every cell: the cells about as far from the cell as from its
// antipode, within half the mean triangle edge.
int largestRing(const std::vector<Vec3>& p, const Strip& strip) {
  float sum = 0;
  for (const Triangle& t : strip.triangles)
    sum += gameDistance(p[t[0] - 1], p[t[1] - 1]) + gameDistance(p[t[1] - 1], p[t[2] - 1]) +
           gameDistance(p[t[2] - 1], p[t[0] - 1]);
  const float band = sum / static_cast<float>(3 * strip.triangles.size()) / 2;
  const int n = static_cast<int>(p.size());
  int largest = 0;
  for (int i = 0; i < n; ++i) {
    float farthest = 1.0f;
    Vec3 antipode;
    for (int c = 0; c < n; ++c)
      if (gameDistance(p[i], p[c]) > farthest) {
        farthest = gameDistance(p[i], p[c]);
        antipode = p[c];
      }
    int members = 0;
    for (int j = 0; j < n; ++j) {
      const double diff =
          static_cast<double>(gameDistance(p[i], p[j])) - gameDistance(antipode, p[j]);
      members += j != i && -band < diff && diff < band;
    }
    largest = std::max(largest, members);
  }
  return largest;
}

}  // namespace

MeshReport measure(const std::vector<std::vector<int>>& neighbours,
                   const std::vector<Vec3>& positions, const Strip& strip) {
  MeshReport report;
  const int n = static_cast<int>(positions.size());
  report.shortestEdge = 1e9;
  report.worstNeighbourMargin = 1e9;
  for (int i = 0; i < n; ++i) {
    const auto& mine = neighbours[i];
    ++report.cellsByValence[std::min<std::size_t>(mine.size(), 8)];
    double farthest = 0, nearestOther = 1e9;
    for (int c = 1; c <= n; ++c) {
      if (c == i + 1) continue;
      const double d = length(positions[i] - positions[c - 1]);
      if (std::find(mine.begin(), mine.end(), c) != mine.end()) {
        farthest = std::max(farthest, d);
        report.shortestEdge = std::min(report.shortestEdge, d);
      } else {
        nearestOther = std::min(nearestOther, d);
      }
    }
    report.longestEdge = std::max(report.longestEdge, farthest);
    report.worstNeighbourMargin = std::min(report.worstNeighbourMargin, nearestOther / farthest);
  }
  const auto rows = gameNeighbourRows(positions);
  for (int i = 0; i < n; ++i) {
    auto a = rows[i], b = neighbours[i];
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    report.neighbourRowsDiffering += a != b;
    bool walksAround = true;
    for (std::size_t k = 0; k < rows[i].size(); ++k) {
      const auto& around = neighbours[rows[i][k] - 1];
      walksAround = walksAround && std::find(around.begin(), around.end(),
                                             rows[i][(k + 1) % rows[i].size()]) != around.end();
    }
    report.neighbourRowsOutOfOrder += !walksAround;
  }
  report.largestRing = largestRing(positions, strip);
  return report;
}

}  // namespace vorlund::sphere
