#include "world/mesh_files.h"

#include <string>

#include "state/file_io.h"
#include "state/world_state.h"
#include "world/sphere_checks.h"

namespace vorlund {

namespace {

// A missing file says enough by its name; any other fault says what it was.
Failure cannotOpen(const char* name, const FileResult& r) {
  return Failure::fatal(std::string("Cannot open file ") + name,
                        r.code == FileResult::Code::Missing ? "" : r.reason());
}

Failure damaged(const char* name, const std::string& fault) {
  return Failure::fatal(std::string("Damaged file ") + name + ": " + fault);
}

Vec3 pointAt(const Bytes& bytes, std::size_t offset) {
  const unsigned char* p = bytes.data() + offset;
  return {readDouble(p), readDouble(p + 8), readDouble(p + 16)};
}

}  // namespace

std::optional<Failure> loadCellFile(WorldState& w, const std::filesystem::path& path) {
  Bytes bytes;
  if (const FileResult r = readFileStart(path, kCellFileSize, bytes); !r)
    return cannotOpen(kCellFileName, r);
  // A short file would leave cells where the arena cannot be walked: refuse it
  // rather than play on a sphere with holes.
  if (static_cast<long long>(bytes.size()) < kCellFileSize) {
    return damaged(kCellFileName, std::to_string(bytes.size()) +
                                      " bytes, but the 1461 cells need " +
                                      std::to_string(kCellFileSize));
  }
  for (int c = 1; c <= kSphereCellCount; ++c) {
    w.cells[static_cast<std::size_t>(c)] = pointAt(bytes, static_cast<std::size_t>(c - 1) * 24);
  }
  // Cells off the sphere, or two at one place, give ties no walk gets out of.
  if (const std::optional<Failure> fault = cellsFault(w)) {
    w.cells.assign(w.cells.size(), Vec3{});
    return damaged(kCellFileName, fault->message);
  }
  return std::nullopt;
}

std::optional<Failure> loadTriangleFile(WorldState& w, const std::filesystem::path& path) {
  Bytes bytes;
  if (const FileResult r = readFileStart(path, kMaxTriangleFileSize, bytes); !r)
    return cannotOpen(kTriangleFileName, r);
  const char* name = kTriangleFileName;
  if (bytes.size() < 4) return damaged(name, "no point count");
  const std::int32_t n = readInt32(bytes.data());
  if (n < 0) return damaged(name, "negative point count " + std::to_string(n));
  if (n > kMaxTrianglePoints) {
    return damaged(name, std::to_string(n) +
                             " points, but a sphere of 1461 cells has no more than " +
                             std::to_string(kMaxTrianglePoints));
  }
  const auto needed = 4 + 24 * static_cast<unsigned long long>(n);
  if (bytes.size() < needed) {
    return damaged(name, std::to_string(n) + " points need " + std::to_string(needed) +
                             " bytes, the file holds " + std::to_string(bytes.size()));
  }
  const auto count = static_cast<std::size_t>(n);
  w.pointCount = n;
  w.points.assign(count + 1, Vec3{});
  w.cornerCells.assign(count + 1, 0);
  for (std::size_t k = 1; k <= count; ++k) w.points[k] = pointAt(bytes, 4 + (k - 1) * 24);
  const std::size_t triangles = count / 3;
  w.centres.assign(triangles + 1, Vec3{});
  w.texture.assign(triangles + 1, TriangleTexture{});
  return std::nullopt;
}

}  // namespace vorlund
