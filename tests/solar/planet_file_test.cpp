#include "solar/planet_file.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

#include "shell/extended10.h"
#include "solar/body_table.h"
#include "solar/orbits.h"
#include "solar_fixture.h"

namespace vorlund::testing {
namespace {

using PlanetFileTest = SolarTest;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kRecord = 108;
constexpr char kRebuiltLine[] = "aapla2.pla is damaged: the solar system was rebuilt";

std::size_t recordAt(int k) {
  return 16 + static_cast<std::size_t>(k) * kRecord;
}

void putI32(Bytes& b, std::size_t at, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(u >> (8 * i));
}
std::int32_t getI32(const Bytes& b, std::size_t at) {
  std::uint32_t u = 0;
  for (int i = 3; i >= 0; --i) u = (u << 8) | b[at + i];
  return static_cast<std::int32_t>(u);
}
void putF32(Bytes& b, std::size_t at, float v) {
  putI32(b, at, std::bit_cast<std::int32_t>(v));
}
float getF32(const Bytes& b, std::size_t at) {
  return std::bit_cast<float>(getI32(b, at));
}
void putX80(Bytes& b, std::size_t at, long double v) {
  const Extended10 e = encodeExtended10(v);
  std::copy(e.begin(), e.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}

class SavedSolarSystem : public PlanetFileTest {
 protected:
  // A solar system that has run for a while, saved, and its bytes.
  Bytes savedBytes() {
    auto first = freshGame();
    rebuildSolarSystem(*first);
    for (int tick = 0; tick < 3; ++tick) solarTick(*first);
    first->viewedBody = 17;
    saveSolarSystem(*first);
    return readBytes(planetFile());
  }
};

TEST_F(PlanetFileTest, WithoutAFileTheWholeTableIsRebuiltQuietly) {
  loadSolarSystem(g());
  EXPECT_TRUE(g().log.lines.empty());
  EXPECT_TRUE(g().zoomAnimation);
  EXPECT_EQ(g().viewedBody, 4);
  EXPECT_NEAR(static_cast<double>(g().solar.bodies[1].velocity.y), 32658.65, 0.005);
  EXPECT_EQ(g().solar.bodies[13].name, "Luna");
  EXPECT_EQ(g().solar.labels[1], "F2");
  EXPECT_FALSE(std::filesystem::exists(planetFile()));
}

TEST_F(SavedSolarSystem, TheFileHoldsEachFieldAtItsPlace) {
  rebuildSolarSystem(g());
  g().viewedBody = 9;
  g().solarScale = 2.5e-08;
  saveSolarSystem(g());
  const Bytes bytes = readBytes(planetFile());
  ASSERT_EQ(bytes.size(), 15676u);
  EXPECT_EQ(getI32(bytes, 0), 144);
  EXPECT_EQ(getI32(bytes, 4), 9);
  EXPECT_EQ(getF32(bytes, 8), 2.5e-08f);
  EXPECT_EQ(getF32(bytes, 12), 240.0f);

  const TPlanet& luna = g().solar.bodies[13];
  const std::size_t rec = recordAt(13);
  EXPECT_EQ(getI32(bytes, rec), 5);
  const float singles[] = {luna.radius,          luna.gravityRadius, luna.mass,
                           luna.orbitRadius,     luna.tilt,          luna.startAngle,
                           luna.rotationPeriod,  luna.period,        luna.circumference,
                           luna.orbitRadiusCopy, luna.albedo};
  for (std::size_t i = 0; i < 11; ++i) EXPECT_EQ(getF32(bytes, rec + 4 + 4 * i), singles[i]) << i;
  const long double extended[] = {luna.velocity.x, luna.velocity.y, luna.velocity.z,
                                  luna.position.x, luna.position.y, luna.position.z};
  for (std::size_t i = 0; i < 6; ++i) {
    const Extended10 e = toExtended10(extended[i]);
    EXPECT_TRUE(std::equal(e.begin(), e.end(),
                           bytes.begin() + static_cast<std::ptrdiff_t>(rec + 48 + 10 * i)))
        << i;
  }
  EXPECT_FALSE(std::filesystem::exists(dir_ / "aapla2.pla.tmp"));
}

TEST_F(SavedSolarSystem, SaveLoadSaveReproducesTheFileBitForBit) {
  Bytes bytes = savedBytes();
  ASSERT_EQ(bytes.size(), 15676u);
  // Values no build makes, in both widths: they must survive as they are.
  putF32(bytes, recordAt(50) + 4, std::numeric_limits<float>::denorm_min());
  putF32(bytes, recordAt(50) + 8, -0.0f);
  putF32(bytes, recordAt(50) + 12, std::numeric_limits<float>::infinity());
  putF32(bytes, recordAt(50) + 16, std::numeric_limits<float>::quiet_NaN());
  putX80(bytes, recordAt(51) + 48, std::numeric_limits<long double>::denorm_min());
  putX80(bytes, recordAt(51) + 58, -0.0L);
  putX80(bytes, recordAt(51) + 68, -std::numeric_limits<long double>::infinity());
  putX80(bytes, recordAt(51) + 78, std::numeric_limits<long double>::max());
  putI32(bytes, recordAt(52), 77);  // a parent only a damaged file would hold
  writeBytes(planetFile(), bytes);

  loadSolarSystem(g());
  EXPECT_TRUE(g().log.lines.empty());
  EXPECT_EQ(g().viewedBody, 17);
  EXPECT_FALSE(g().zoomAnimation);
  std::filesystem::remove(planetFile());
  saveSolarSystem(g());
  EXPECT_EQ(readBytes(planetFile()), bytes);
}

TEST_F(SavedSolarSystem, ARecordWithParentMinusOneIsRebuiltAndTheOthersKeepTheirState) {
  Bytes bytes = savedBytes();
  putF32(bytes, 12, 100000.0f);  // ticks per day, clamped when the record is rebuilt
  putI32(bytes, recordAt(13), -1);
  putI32(bytes, recordAt(14), -7);
  writeBytes(planetFile(), bytes);

  loadSolarSystem(g());
  EXPECT_TRUE(g().log.lines.empty());
  EXPECT_EQ(g().ticksPerDay, 86400.0L);
  EXPECT_EQ(g().secondsPerTick, 1.0L);
  const TPlanet& luna = g().solar.bodies[13];
  EXPECT_EQ(luna.parent, 5);
  EXPECT_EQ(luna.period, static_cast<float>(27.32166155L * 86400));
  // Built beside Terra as the file left it, and not placed.
  EXPECT_EQ(luna.position.x, g().solar.bodies[5].position.x + static_cast<long double>(6372795.0f) +
                                 static_cast<long double>(3.844e8f));
  EXPECT_EQ(g().solar.bodies[14].parent, 1);
  EXPECT_EQ(g().solar.bodies[13].name, "Luna");

  // Every other record is the file's, bit for bit.
  saveSolarSystem(g());
  const Bytes again = readBytes(planetFile());
  for (int k = 0; k <= 144; ++k) {
    if (k == 13 || k == 14) continue;
    EXPECT_TRUE(std::equal(bytes.begin() + static_cast<std::ptrdiff_t>(recordAt(k)),
                           bytes.begin() + static_cast<std::ptrdiff_t>(recordAt(k) + kRecord),
                           again.begin() + static_cast<std::ptrdiff_t>(recordAt(k))))
        << "body " << k;
  }
}

TEST_F(SavedSolarSystem, TicksPerDayAreTakenUnclampedWhenNoRecordIsRebuilt) {
  Bytes bytes = savedBytes();
  putF32(bytes, 12, 100000.0f);
  writeBytes(planetFile(), bytes);
  loadSolarSystem(g());
  EXPECT_EQ(g().ticksPerDay, 100000.0L);
  EXPECT_EQ(g().secondsPerTick, 0.864L);
}

TEST_F(SavedSolarSystem, AFileWithLastBodyHundredStillHoldsAllRecords) {
  Bytes bytes = savedBytes();
  putI32(bytes, 0, 100);
  putF32(bytes, recordAt(144) + 4, 12345.0f);
  writeBytes(planetFile(), bytes);
  loadSolarSystem(g());
  EXPECT_EQ(g().lastBody, 100);
  EXPECT_EQ(g().solar.bodies[144].radius, 12345.0f);
}

TEST_F(SavedSolarSystem, ALastBodyIndexPastTheTableIsLimitedToIt) {
  Bytes bytes = savedBytes();
  putI32(bytes, 0, 5000);
  writeBytes(planetFile(), bytes);
  loadSolarSystem(g());
  EXPECT_EQ(g().lastBody, 144);
  EXPECT_TRUE(g().log.lines.empty());
}

TEST_F(SavedSolarSystem, ADamagedFileIsRejectedLoggedAndLeftForTheNextSave) {
  const Bytes good = savedBytes();
  std::vector<Bytes> damaged;
  damaged.push_back({});
  damaged.push_back(Bytes(good.begin(), good.end() - 1));
  damaged.push_back(Bytes(good.begin(), good.begin() + 16));
  Bytes longer = good;
  longer.push_back(0);
  damaged.push_back(longer);
  for (float ticks : {0.0f, -240.0f, std::numeric_limits<float>::infinity(),
                      std::numeric_limits<float>::quiet_NaN()}) {
    Bytes b = good;
    putF32(b, 12, ticks);
    damaged.push_back(b);
  }
  for (std::int32_t viewed : {-1, 145}) {
    Bytes b = good;
    putI32(b, 4, viewed);
    damaged.push_back(b);
  }

  for (std::size_t i = 0; i < damaged.size(); ++i) {
    SCOPED_TRACE("damaged file " + std::to_string(i));
    auto game = freshGame();
    game->ticksPerDay = 480.0L;
    game->secondsPerTick = 180.0L;
    game->lastBody = 144;
    writeBytes(planetFile(), damaged[i]);

    loadSolarSystem(*game);
    ASSERT_EQ(game->log.lines.size(), 1u);
    EXPECT_EQ(game->log.lines[0], kRebuiltLine);
    // Rebuilt from scratch with the game's own ticks per day.
    EXPECT_TRUE(game->zoomAnimation);
    EXPECT_EQ(game->viewedBody, 4);
    EXPECT_EQ(game->ticksPerDay, 480.0L);
    EXPECT_EQ(game->secondsPerTick, 180.0L);
    EXPECT_EQ(game->lastBody, 144);
    EXPECT_EQ(game->solarScale, 4.6e-09);
    EXPECT_EQ(game->solar.bodies[1].period, static_cast<float>(4333.2867L * 480));
    EXPECT_EQ(game->solar.bodies[0].name, "Sol");
    EXPECT_EQ(readBytes(planetFile()), damaged[i]);

    saveSolarSystem(*game);
    EXPECT_EQ(readBytes(planetFile()).size(), 15676u);
  }
}

TEST_F(PlanetFileTest, ASaveThatCannotBeWrittenIsTold) {
  rebuildSolarSystem(g());
  g().dir = dir_ / "missing";
  saveSolarSystem(g());
  ASSERT_EQ(g().log.lines.size(), 1u);
  EXPECT_EQ(g().log.lines[0], "Cannot create file aapla2.pla");
}

TEST_F(PlanetFileTest, ASaveThatCannotReplaceTheOldFileLeavesNoTemporaryBehind) {
  // Something that is not a file stands where the state goes.
  std::filesystem::create_directories(planetFile() / "inside");
  loadSolarSystem(g());
  ASSERT_EQ(g().log.lines.size(), 1u);
  EXPECT_EQ(g().log.lines[0], kRebuiltLine);
  saveSolarSystem(g());
  ASSERT_EQ(g().log.lines.size(), 2u);
  EXPECT_EQ(g().log.lines[1], "Cannot create file aapla2.pla");
  EXPECT_TRUE(std::filesystem::is_directory(planetFile() / "inside"));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "aapla2.pla.tmp"));
}

}  // namespace
}  // namespace vorlund::testing
