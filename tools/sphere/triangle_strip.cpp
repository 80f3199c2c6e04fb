#include "triangle_strip.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>

namespace vorlund::sphere {

namespace {

using Across = std::array<int, 3>;  // the triangles on the far side of each edge

std::vector<Across> triangleNeighbours(const Triangulation& mesh) {
  const int count = static_cast<int>(mesh.triangles.size());
  std::vector<Across> across(count, Across{-1, -1, -1});
  std::map<std::pair<int, int>, int> byEdge;
  for (int t = 0; t < count; ++t)
    for (int e = 0; e < 3; ++e) byEdge[{mesh.triangles[t][e], mesh.triangles[t][(e + 1) % 3]}] = t;
  for (int t = 0; t < count; ++t)
    for (int e = 0; e < 3; ++e) {
      // With consistent winding the neighbour runs the shared edge the other way.
      auto it = byEdge.find({mesh.triangles[t][(e + 1) % 3], mesh.triangles[t][e]});
      if (it != byEdge.end()) across[t][e] = it->second;
    }
  return across;
}

// A small fixed-seed generator, so the same mesh always gives the same strip.
struct XorShift {
  std::uint64_t state = 0x9E3779B97F4A7C15ull;
  std::uint32_t next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return static_cast<std::uint32_t>(state >> 11);
  }
};

// Hamiltonian path by extension and rotation (Posa): grow the path from its end, always into
// the free neighbour with the fewest free neighbours of its own; when the end is stuck, either
// turn the path round or rotate it at an edge from the end back into the path. Gives up after
// `budget` moves, returning the longest path reached by then.
std::vector<int> longPath(const std::vector<Across>& across, long budget) {
  const int count = static_cast<int>(across.size());
  std::vector<int> path{0};
  std::vector<int> at(count, -1);
  at[0] = 0;
  XorShift rng;
  auto freeNeighbours = [&](int t) {
    return static_cast<int>(std::count_if(across[t].begin(), across[t].end(),
                                          [&](int u) { return u >= 0 && at[u] < 0; }));
  };
  auto extend = [&] {
    int best = -1, bestFree = 4;
    for (int u : across[path.back()])
      if (u >= 0 && at[u] < 0 && freeNeighbours(u) < bestFree) {
        best = u;
        bestFree = freeNeighbours(u);
      }
    if (best < 0) return false;
    at[best] = static_cast<int>(path.size());
    path.push_back(best);
    return true;
  };
  auto reverseFrom = [&](int first) {
    std::reverse(path.begin() + first, path.end());
    for (int k = first; k < static_cast<int>(path.size()); ++k) at[path[k]] = k;
  };
  for (long move = 0; static_cast<int>(path.size()) < count && move < budget; ++move) {
    if (extend()) continue;
    if (rng.next() % 2 == 1) {
      reverseFrom(0);
      if (extend()) continue;
    }
    const int last = static_cast<int>(path.size()) - 1;
    int options[3], optionCount = 0, promising[3], promisingCount = 0;
    for (int u : across[path.back()]) {
      if (u < 0 || at[u] < 0 || at[u] >= last - 1) continue;
      options[optionCount++] = u;
      if (freeNeighbours(path[at[u] + 1]) > 0) promising[promisingCount++] = u;
    }
    if (optionCount == 0) {
      reverseFrom(0);
      continue;
    }
    const int pivot = promisingCount > 0 ? promising[rng.next() % promisingCount]
                                         : options[rng.next() % optionCount];
    reverseFrom(at[pivot] + 1);
  }
  return path;
}

// Triangles the path missed are visited as detours: step in from a neighbour and back out.
std::vector<int> withDetours(std::vector<int> walk, const std::vector<Across>& across,
                             int& repeats) {
  std::vector<bool> seen(across.size(), false);
  for (int t : walk) seen[t] = true;
  for (bool grew = true; grew;) {
    grew = false;
    for (int k = 0; k < static_cast<int>(walk.size()); ++k)
      for (int u : across[walk[k]])
        if (u >= 0 && !seen[u]) {
          seen[u] = true;
          walk.insert(walk.begin() + k + 1, {u, walk[k]});
          ++repeats;
          grew = true;
        }
  }
  return walk;
}

// Writes triangle `next` so that it continues `prev` in one of the game's three joins.
Triangle continueFrom(const Triangle& prev, const Triangle& next) {
  auto has = [&](int c) { return std::find(next.begin(), next.end(), c) != next.end(); };
  auto third = [&](int a, int b) {
    for (int c : next)
      if (c != a && c != b) return c;
    return -1;
  };
  const int p1 = prev[0], p2 = prev[1], p3 = prev[2];
  if (has(p1) && has(p3)) return {p1, p3, third(p1, p3)};
  if (has(p3) && has(p2)) return {p3, p2, third(p3, p2)};
  return {p2, p1, third(p2, p1)};
}

}  // namespace

Strip stripThroughAll(const Triangulation& mesh) {
  const auto across = triangleNeighbours(mesh);
  Strip strip;
  const auto walk = withDetours(longPath(across, 5'000'000), across, strip.repeats);
  strip.triangles.reserve(walk.size());
  strip.triangles.push_back(mesh.triangles[walk.front()]);
  for (std::size_t k = 1; k < walk.size(); ++k)
    strip.triangles.push_back(continueFrom(strip.triangles.back(), mesh.triangles[walk[k]]));
  return strip;
}

}  // namespace vorlund::sphere
