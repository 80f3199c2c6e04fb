#include "solar/planet_file.h"

#include <algorithm>
#include <cmath>

#include "shell/extended10.h"
#include "shell/failure.h"
#include "shell/file_io.h"
#include "shell/game.h"
#include "shell/little_endian.h"
#include "shell/state_save.h"
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
  putInt32(rec + kParent, b.parent);
  const auto fields = singles(b);
  for (std::size_t i = 0; i < fields.size(); ++i) putFloat(rec + kSingles + 4 * i, *fields[i]);
  writeVec(rec + kVelocity, b.velocity);
  writeVec(rec + kPosition, b.position);
}

void decodeRecord(const std::uint8_t* rec, TPlanet& b) {
  b.parent = readInt32(rec + kParent);
  const auto fields = singles(b);
  for (std::size_t i = 0; i < fields.size(); ++i) *fields[i] = readFloat(rec + kSingles + 4 * i);
  b.velocity = readVec(rec + kVelocity);
  b.position = readVec(rec + kPosition);
}

const std::uint8_t* record(const std::uint8_t* data, int k) {
  return data + kPlanetHeaderSize + static_cast<std::size_t>(k) * kPlanetRecordSize;
}

}  // namespace

PlanetFileImage encodePlanetFile(const Game& g) {
  PlanetFileImage image{};
  std::uint8_t* p = image.data();
  putInt32(p, g.lastBody);
  putInt32(p + 4, g.viewedBody);
  putFloat(p + 8, static_cast<float>(g.solarScale));
  putFloat(p + 12, static_cast<float>(g.ticksPerDay));
  for (int k = 0; k <= kLastBodyIndex; ++k)
    encodeRecord(g.solar.bodies[k], image.data() + kPlanetHeaderSize + k * kPlanetRecordSize);
  return image;
}

bool planetFileUsable(const std::uint8_t* data, std::size_t size) {
  if (size != kPlanetFileSize) return false;
  // Ticks per day of 0 or below would make every step infinitely long.
  const float ticksPerDay = readFloat(data + 12);
  if (!std::isfinite(ticksPerDay) || ticksPerDay <= 0.0f) return false;
  const std::int32_t viewed = readInt32(data + 4);
  return viewed >= 0 && viewed <= kLastBodyIndex;
}

void decodePlanetFile(Game& g, const PlanetFileImage& image) {
  const std::uint8_t* p = image.data();
  g.lastBody = std::min(readInt32(p), kLastBodyIndex);
  g.viewedBody = readInt32(p + 4);
  g.solarScale = readFloat(p + 8);
  g.ticksPerDay = readFloat(p + 12);
  g.secondsPerTick = kSecondsPerDay / g.ticksPerDay;
  // All 145 records are always there, whatever the last body index says.
  for (int k = 0; k <= kLastBodyIndex; ++k) {
    const std::uint8_t* rec = record(p, k);
    if (readInt32(rec + kParent) <= -1) {
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
  Bytes bytes;
  const FileResult read = readFileBounded(gameFile(g, kPlanetFileName), kPlanetFileSize, bytes);
  g.planetFileRefused = false;
  g.planetLoaded = true;
  if (read.code == FileResult::Code::Missing) {
    rebuildSolarSystem(g);
  } else if (read && planetFileUsable(bytes.data(), bytes.size())) {
    PlanetFileImage image{};
    std::copy_n(bytes.begin(), image.size(), image.begin());
    decodePlanetFile(g, image);
  } else {
    // The damaged file stays where it is until the next save sets it aside.
    g.planetFileRefused = true;
    reportFailure(
        g, Failure::logged("aapla2.pla is damaged: the solar system was rebuilt", read.reason()));
    rebuildSolarSystem(g);
  }
  setBodyLabels(g);
}

void saveSolarSystem(Game& g) {
  const PlanetFileImage image = encodePlanetFile(g);
  saveStateFile(g, kPlanetFileName, g.planetFileRefused, image);
}

}  // namespace vorlund
