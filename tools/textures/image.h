#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

namespace vorlund::textures {

struct Rgb {
  double r = 0.0, g = 0.0, b = 0.0;  // 0..255
};

inline Rgb mix(const Rgb& a, const Rgb& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Rgb shade(const Rgb& c, double f) {
  return {c.r * f, c.g * f, c.b * f};
}
inline double smoothstep(double e0, double e1, double x) {
  const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// Colours at rising positions 0..1; between two stops the colour blends.
class Ramp {
 public:
  struct Stop {
    double at;
    Rgb colour;
  };
  Ramp(std::initializer_list<Stop> stops) : stops_(stops) {}
  Rgb operator()(double t) const {
    if (t <= stops_.front().at) return stops_.front().colour;
    for (std::size_t i = 1; i < stops_.size(); ++i)
      if (t <= stops_[i].at)
        return mix(stops_[i - 1].colour, stops_[i].colour,
                   (t - stops_[i - 1].at) / (stops_[i].at - stops_[i - 1].at));
    return stops_.back().colour;
  }

 private:
  std::vector<Stop> stops_;
};

// A square image, rows from the top, 8-bit red, green, blue.
struct Image {
  int size = 0;
  std::vector<std::uint8_t> rgb;  // size * size * 3

  explicit Image(int side) : size(side), rgb(static_cast<std::size_t>(side) * side * 3) {}
  void set(int x, int y, const Rgb& c) {
    std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * size + x) * 3];
    p[0] = channel(c.r), p[1] = channel(c.g), p[2] = channel(c.b);
  }
  static std::uint8_t channel(double v) {
    return static_cast<std::uint8_t>(std::clamp(v + 0.5, 0.0, 255.0));
  }
};

}  // namespace vorlund::textures
