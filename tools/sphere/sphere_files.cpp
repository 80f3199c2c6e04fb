#include "sphere_files.h"

#include <bit>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace vorlund::sphere {

namespace {

void put32(std::string& out, std::uint32_t v) {
  for (int b = 0; b < 4; ++b) out.push_back(static_cast<char>((v >> (8 * b)) & 0xFF));
}

void put64(std::string& out, std::uint64_t v) {
  for (int b = 0; b < 8; ++b) out.push_back(static_cast<char>((v >> (8 * b)) & 0xFF));
}

void putPoint(std::string& out, Vec3 p) {
  put64(out, std::bit_cast<std::uint64_t>(p.x));
  put64(out, std::bit_cast<std::uint64_t>(p.y));
  put64(out, std::bit_cast<std::uint64_t>(p.z));
}

}  // namespace

std::string cellFileBytes(const std::vector<Vec3>& positions) {
  std::string bytes;
  for (Vec3 p : positions) putPoint(bytes, p);
  return bytes;
}

std::string triangleFileBytes(const std::vector<Vec3>& positions, const Strip& strip) {
  std::string bytes;
  put32(bytes, static_cast<std::uint32_t>(3 * strip.triangles.size()));
  for (const Triangle& t : strip.triangles)
    for (int cell : t) putPoint(bytes, positions[cell - 1]);
  return bytes;
}

std::string readWhole(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool writeWhole(const std::filesystem::path& file, const std::string& bytes) {
  std::filesystem::path temp = file;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) return false;
  }
  std::error_code error;
  std::filesystem::rename(temp, file, error);
  return !error;
}

}  // namespace vorlund::sphere
