#pragma once
#include <cmath>

namespace vorlund {

// A point or a direction in the arena's space. The sphere files hold doubles,
// but every sum and product on them is done in extended precision.
struct Vec3 {
  long double x = 0.0L;
  long double y = 0.0L;
  long double z = 0.0L;
  friend bool operator==(const Vec3&, const Vec3&) = default;
};

// Euclidean distance, rounded to a single: every table built from distances
// compares these singles, so their ties and their rounding are part of the rules.
inline float distance(const Vec3& a, const Vec3& b) {
  const long double dx = a.x - b.x;
  const long double dy = a.y - b.y;
  const long double dz = a.z - b.z;
  return static_cast<float>(std::sqrt(dx * dx + dy * dy + dz * dz));
}

// The vector from a to b.
inline Vec3 difference(const Vec3& a, const Vec3& b) {
  return {b.x - a.x, b.y - a.y, b.z - a.z};
}

// v over its length; the null vector gives NaNs, as the arithmetic has it.
inline Vec3 normalise(const Vec3& v) {
  const long double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  return {v.x / length, v.y / length, v.z / length};
}

// The cosine of the angle between a and b, rounded to a single.
inline float cosineBetween(const Vec3& a, const Vec3& b) {
  const Vec3 na = normalise(a);
  const Vec3 nb = normalise(b);
  return static_cast<float>(na.x * nb.x + na.y * nb.y + na.z * nb.z);
}

}  // namespace vorlund
