#include "spiral_windup.h"

#include <algorithm>
#include <deque>

namespace vorlund::sphere {

namespace {

class Windup {
 public:
  Windup(int cellCount, const std::array<int, 12>& pentagons)
      : wanted_(cellCount, 6), mesh_{std::vector<std::vector<int>>(cellCount), {}} {
    for (int p : pentagons) wanted_[p] = 5;
    openValence_ = wanted_;
  }

  std::optional<Triangulation> run() {
    const int n = mesh_.cellCount();
    if (!connect(0, 1)) return std::nullopt;
    rim_ = {0, 1};
    for (int k = 2; k < n - 1; ++k)
      if (!addCell(k)) return std::nullopt;
    if (!closeWith(n - 1)) return std::nullopt;
    return std::move(mesh_);
  }

 private:
  bool connect(int a, int b) {
    auto& row = mesh_.neighbours[a];
    if (a == b || std::find(row.begin(), row.end(), b) != row.end()) return false;
    row.push_back(b);
    mesh_.neighbours[b].push_back(a);
    return --openValence_[a] >= 0 && --openValence_[b] >= 0;
  }

  // Cell k joins the newest and the oldest open cell of the rim; every rim cell it saturates
  // closes the fan around that cell, which makes k reach one further along the rim.
  bool addCell(int k) {
    if (rim_.size() < 2) return false;
    const int back = rim_.back(), front = rim_.front();
    if (!connect(k, back) || !connect(k, front)) return false;
    mesh_.triangles.push_back({k, back, front});
    for (bool closed = true; closed;) {
      closed = false;
      if (openValence_[rim_.front()] == 0) {
        const int done = rim_.front();
        rim_.pop_front();
        if (rim_.size() < 2 || !connect(k, rim_.front())) return false;
        mesh_.triangles.push_back({k, done, rim_.front()});
        closed = true;
      }
      if (openValence_[rim_.back()] == 0) {
        const int done = rim_.back();
        rim_.pop_back();
        if (rim_.size() < 2 || !connect(k, rim_.back())) return false;
        mesh_.triangles.push_back({k, rim_.back(), done});
        closed = true;
      }
    }
    if (openValence_[k] < 1) return false;
    rim_.push_back(k);
    return true;
  }

  // The last cell caps the hole: it must touch every rim cell, and each of those exactly once.
  bool closeWith(int last) {
    const int rimSize = static_cast<int>(rim_.size());
    if (rimSize != wanted_[last]) return false;
    for (int c : rim_)
      if (openValence_[c] != 1) return false;
    for (int i = 0; i < rimSize; ++i) {
      if (!connect(last, rim_[i])) return false;
      mesh_.triangles.push_back({last, rim_[i], rim_[(i + 1) % rimSize]});
    }
    const int n = mesh_.cellCount();
    if (static_cast<int>(mesh_.triangles.size()) != 2 * n - 4) return false;
    return std::all_of(openValence_.begin(), openValence_.end(), [](int v) { return v == 0; });
  }

  std::vector<int> wanted_;
  std::vector<int> openValence_;
  std::deque<int> rim_;
  Triangulation mesh_;
};

}  // namespace

std::optional<Triangulation> windUpSpiral(int cellCount, const std::array<int, 12>& pentagons) {
  if (cellCount < 14) return std::nullopt;
  for (int p : pentagons)
    if (p < 0 || p >= cellCount) return std::nullopt;
  return Windup(cellCount, pentagons).run();
}

}  // namespace vorlund::sphere
