#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace vorlund {

inline constexpr int kBodyCount = 145;
inline constexpr std::int32_t kLastBodyIndex = kBodyCount - 1;

// A position or velocity of a body: three extended reals.
struct PlanetVec {
  long double x = 0.0L;
  long double y = 0.0L;
  long double z = 0.0L;
};

// One body of the solar system. Lengths in metres, angles in degrees.
struct TPlanet {
  std::string name;         // drawn beside the body; empty for 124..144
  std::int32_t parent = 0;  // the body it orbits; 0 for the sun and its planets
  float radius = 0.0f;
  float gravityRadius = 0.0f;   // squared and taken off the squared distance
  float mass = 0.0f;            // kg
  float orbitRadius = 0.0f;     // distance from the parent at the start
  float tilt = 0.0f;            // kept and saved, never used
  float startAngle = 0.0f;      // where on its orbit the body starts
  float rotationPeriod = 0.0f;  // days, for most bodies; the spin period
  float spinAngle = 0.0f;       // the record's spare field: turned every tick, never saved
  float period = 0.0f;          // orbital period in ticks
  float circumference = 0.0f;
  float orbitRadiusCopy = 0.0f;  // kept for the four giants, never used
  float albedo = 0.0f;           // grey of the globe when the body is viewed
  PlanetVec velocity;            // metres per gravity step
  PlanetVec position;            // sun-centred at the start
};

// Scratch of the fast orbit advance: the snapshots rounded to doubles (high
// part and remainder), the attraction of every body for this tick, and the
// velocity change each attractor gives the body being moved. Kept here so
// that a tick allocates nothing.
struct GravityScratch {
  alignas(64) std::array<double, kBodyCount> hiX{}, hiY{}, hiZ{};
  alignas(64) std::array<double, kBodyCount> loX{}, loY{}, loZ{};
  alignas(64) std::array<double, kBodyCount> pull{};    // mass * G * (seconds per tick)^2 / steps
  alignas(64) std::array<double, kBodyCount> reach2{};  // gravity radius squared
  alignas(64) std::array<double, kBodyCount> kickX{}, kickY{}, kickZ{};
};

// The solar system: the 145 bodies, the position each had when its own
// update last began, and the labels drawn in the corners of the arena view.
struct SolarSystem {
  std::array<TPlanet, kBodyCount> bodies{};
  std::array<PlanetVec, kBodyCount> snapshots{};
  // "F1".."F4" are the corner labels; "F5".."F12" are never drawn.
  std::array<std::string, 12> labels{};
  GravityScratch scratch;
};

}  // namespace vorlund
