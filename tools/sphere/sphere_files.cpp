#include "sphere_files.h"

#include <cstdint>

namespace vorlund::sphere {

namespace {

void appendPoint(Bytes& out, Vec3 p) {
  appendDouble(out, p.x);
  appendDouble(out, p.y);
  appendDouble(out, p.z);
}

}  // namespace

Bytes cellFileBytes(const std::vector<Vec3>& positions) {
  Bytes bytes;
  for (Vec3 p : positions) appendPoint(bytes, p);
  return bytes;
}

Bytes triangleFileBytes(const std::vector<Vec3>& positions, const Strip& strip) {
  Bytes bytes;
  appendInt32(bytes, static_cast<std::int32_t>(3 * strip.triangles.size()));
  for (const Triangle& t : strip.triangles)
    for (int cell : t) appendPoint(bytes, positions[cell - 1]);
  return bytes;
}

}  // namespace vorlund::sphere
