#include "solar/planet_file.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "shell/extended10.h"
#include "shell/game.h"
#include "solar/body_table.h"
#include "solar/solar.h"

namespace vorlund {
namespace {

constexpr long double kSecondsPerDay = 86400;

// Field offsets within a body record.
constexpr std::size_t kParent = 0;
constexpr std::size_t kSingles = 4;  // eleven singles, radius .. albedo
constexpr std::size_t kVelocity = 48;
constexpr std::size_t kPosition = 78;

std::uint32_t readU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::int32_t readI32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(readU32(p));
}
float readF32(const std::uint8_t* p) {
  return std::bit_cast<float>(readU32(p));
}

void writeU32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void writeI32(std::uint8_t* p, std::int32_t v) {
  writeU32(p, static_cast<std::uint32_t>(v));
}
void writeF32(std::uint8_t* p, float v) {
  writeU32(p, std::bit_cast<std::uint32_t>(v));
}

// The singles of a record in file order.
template <class Planet>
auto singles(Planet& b) {
  return std::array{&b.radius,        &b.gravityRadius,   &b.mass,           &b.orbitRadius,
                    &b.tilt,          &b.startAngle,      &b.rotationPeriod, &b.period,
                    &b.circumference, &b.orbitRadiusCopy, &b.albedo};
}

void writeVec(std::uint8_t* p, const PlanetVec& v) {
  writeExtended10(p, v.x);
  writeExtended10(p + 10, v.y);
  writeExtended10(p + 20, v.z);
}
PlanetVec readVec(const std::uint8_t* p) {
  return {readExtended10(p), readExtended10(p + 10), readExtended10(p + 20)};
}

void encodeRecord(const TPlanet& b, std::uint8_t* rec) {
  writeI32(rec + kParent, b.parent);
  const auto fields = singles(b);
  for (std::size_t i = 0; i < fields.size(); ++i) writeF32(rec + kSingles + 4 * i, *fields[i]);
  writeVec(rec + kVelocity, b.velocity);
  writeVec(rec + kPosition, b.position);
}

void decodeRecord(const std::uint8_t* rec, TPlanet& b) {
  b.parent = readI32(rec + kParent);
  const auto fields = singles(b);
  for (std::size_t i = 0; i < fields.size(); ++i) *fields[i] = readF32(rec + kSingles + 4 * i);
  b.velocity = readVec(rec + kVelocity);
  b.position = readVec(rec + kPosition);
}

const std::uint8_t* record(const std::uint8_t* data, int k) {
  return data + kPlanetHeaderSize + static_cast<std::size_t>(k) * kPlanetRecordSize;
}

// Reads at most one byte more than a whole file, so that a longer file is
// told apart from a whole one.
std::size_t readImage(const std::filesystem::path& path,
                      std::array<std::uint8_t, kPlanetFileSize + 1>& buffer) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return 0;
  in.read(reinterpret_cast<char*>(buffer.data()), static_cast<std::streamsize>(buffer.size()));
  return static_cast<std::size_t>(in.gcount());
}

// Writes next to the old file and renames over it, so that the old state
// survives any failure on the way.
bool writeAtomically(const std::filesystem::path& path, const PlanetFileImage& image) {
  std::filesystem::path temp = path;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(image.data()),
              static_cast<std::streamsize>(image.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (!ec) return true;
  std::filesystem::remove(temp, ec);
  return false;
}

}  // namespace

PlanetFileImage encodePlanetFile(const Game& g) {
  PlanetFileImage image{};
  std::uint8_t* p = image.data();
  writeI32(p, g.lastBody);
  writeI32(p + 4, g.viewedBody);
  writeF32(p + 8, static_cast<float>(g.solarScale));
  writeF32(p + 12, static_cast<float>(g.ticksPerDay));
  for (int k = 0; k <= kLastBodyIndex; ++k)
    encodeRecord(g.solar.bodies[k], image.data() + kPlanetHeaderSize + k * kPlanetRecordSize);
  return image;
}

bool planetFileUsable(const std::uint8_t* data, std::size_t size) {
  if (size != kPlanetFileSize) return false;
  // Ticks per day of 0 or below would make every step infinitely long.
  const float ticksPerDay = readF32(data + 12);
  if (!std::isfinite(ticksPerDay) || ticksPerDay <= 0.0f) return false;
  const std::int32_t viewed = readI32(data + 4);
  return viewed >= 0 && viewed <= kLastBodyIndex;
}

void decodePlanetFile(Game& g, const PlanetFileImage& image) {
  const std::uint8_t* p = image.data();
  g.lastBody = std::min(readI32(p), kLastBodyIndex);
  g.viewedBody = readI32(p + 4);
  g.solarScale = readF32(p + 8);
  g.ticksPerDay = readF32(p + 12);
  g.secondsPerTick = kSecondsPerDay / g.ticksPerDay;
  // All 145 records are always there, whatever the last body index says.
  for (int k = 0; k <= kLastBodyIndex; ++k) {
    const std::uint8_t* rec = record(p, k);
    if (readI32(rec + kParent) <= -1) {
      // Clamped first, so that the body's period agrees with the time step.
      clampTicksPerDay(g);
      buildBody(g, k);
    } else {
      decodeRecord(rec, g.solar.bodies[k]);
    }
  }
  seedSnapshots(g);
}

void loadSolarSystem(Game& g) {
  const std::filesystem::path path = gameFile(g, kPlanetFileName);
  std::error_code ec;
  const bool present = std::filesystem::exists(path, ec) || ec;
  if (!present) {
    rebuildSolarSystem(g);
  } else {
    std::array<std::uint8_t, kPlanetFileSize + 1> buffer{};
    const std::size_t size = readImage(path, buffer);
    if (planetFileUsable(buffer.data(), size)) {
      PlanetFileImage image{};
      std::copy_n(buffer.begin(), image.size(), image.begin());
      decodePlanetFile(g, image);
    } else {
      // The damaged file stays where it is until the next save replaces it.
      logAdd(g.log, "aapla2.pla is damaged: the solar system was rebuilt");
      rebuildSolarSystem(g);
    }
  }
  setBodyLabels(g);
}

void saveSolarSystem(Game& g) {
  if (!writeAtomically(gameFile(g, kPlanetFileName), encodePlanetFile(g)))
    logAdd(g.log, "Cannot create file aapla2.pla");
}

}  // namespace vorlund
