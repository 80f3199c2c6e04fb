#pragma once
#include <cstdint>

namespace vorlund {
struct Game;

// The built-in values of one body, in the units of the table: metres,
// degrees, masses in units of 10^24 kg, periods in days.
struct BodyRow {
  const char* name;
  std::int32_t parent;
  float radius;
  long double gravityFactor;  // gravity radius = radius * factor
  long double massFactor;
  float orbitRadius;
  float tilt;
  float startAngle;
  float rotationPeriod;
  long double periodDays;  // negative: the body runs round its orbit the other way
  float albedo;
};

// Body k's built-in row (k = 0..144); bodies 124..144 follow one rule.
BodyRow builtInRow(int k);

// Fills record k from its built-in row, placed on the near side of its
// parent and moving along y. Indexes outside 0..144 change nothing.
void buildBody(Game& g, int k);

// Moves record k to its start angle around its parent (x and z only).
void placeBody(Game& g, int k);

// Caps the ticks per day at one tick a second, then sets the seconds per tick.
void clampTicksPerDay(Game& g);

// The fresh solar system: every body built and placed, the view on Uranus
// and the zoom-in animation started.
void rebuildSolarSystem(Game& g);

// Body names 0..123 and the labels "F1".."F12".
void setBodyLabels(Game& g);

// Each body's snapshot becomes its position, so that the first tick after
// a build or a load sees every body where it stands.
void seedSnapshots(Game& g);

}  // namespace vorlund
