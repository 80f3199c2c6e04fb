#include "solar/planet_file.h"

#include <bit>
#include <cstring>
#include <limits>

#include "shell/extended10.h"
#include "solar_fixture.h"

namespace vorlund::testing {
namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;
const std::string kRebuilt = "aapla2.pla is damaged: the solar system was rebuilt",
                  kKept = "aapla2.pla kept as aapla2.pla.bak";

std::string encodedFile(const Game& g) {
  const PlanetFileImage bytes = encodePlanetFile(g);
  return {bytes.begin(), bytes.end()};
}

std::size_t recordAt(int k) {
  return 16 + static_cast<std::size_t>(k) * 108;
}
// The game runs on little-endian machines only.
template <class T>
void put(std::string& bytes, std::size_t at, const T& value) {
  std::memcpy(bytes.data() + at, &value, sizeof value);
}
template <class T>
T get(const std::string& bytes, std::size_t at) {
  T value;
  std::memcpy(&value, bytes.data() + at, sizeof value);
  return value;
}

class PlanetFile : public SolarTest {
 protected:
  // The file of a solar system that has run for three ticks, viewed on Pluto.
  std::string savedFile() {
    auto first = freshGame();
    rebuildSolarSystem(*first);
    for (int tick = 0; tick < 3; ++tick) solarTick(*first);
    first->viewedBody = 17;
    saveSolarSystem(*first);
    return planetFile();
  }
};

TEST_F(PlanetFile, HoldsEveryFieldAtItsPlace) {
  loadSolarSystem(g());  // no file: rebuilt quietly
  EXPECT_TRUE(g().log.lines().empty() && g().zoomAnimation);
  g().viewedBody = 9, g().solarScale = 2.5e-08;
  saveSolarSystem(g());
  const std::string bytes = planetFile();
  ASSERT_EQ(bytes.size(), 15676u);
  const TPlanet& luna = g().solar.bodies[13];
  const std::size_t rec = recordAt(13);
  EXPECT_EQ(
      std::make_tuple(get<std::int32_t>(bytes, 0), get<std::int32_t>(bytes, 4),
                      get<float>(bytes, 8), get<float>(bytes, 12), get<std::int32_t>(bytes, rec)),
      std::make_tuple(144, 9, 2.5e-08f, 240.0f, 5));
  const float singles[] = {luna.radius,          luna.gravityRadius, luna.mass,
                           luna.orbitRadius,     luna.tilt,          luna.startAngle,
                           luna.rotationPeriod,  luna.period,        luna.circumference,
                           luna.orbitRadiusCopy, luna.albedo};
  for (std::size_t i = 0; i < 11; ++i) EXPECT_EQ(get<float>(bytes, rec + 4 + 4 * i), singles[i]);
  const long double extended[] = {luna.velocity.x, luna.velocity.y, luna.velocity.z,
                                  luna.position.x, luna.position.y, luna.position.z};
  for (std::size_t i = 0; i < 6; ++i)
    EXPECT_EQ(get<Extended10>(bytes, rec + 48 + 10 * i), encodeExtended10(extended[i])) << i;
  EXPECT_FALSE(std::filesystem::exists(folder_.path() / "aapla2.pla.tmp"));
}

TEST_F(PlanetFile, SaveLoadSaveGivesTheSameBytes) {
  std::string bytes = savedFile();
  // Values no build makes, in both widths, and a parent only a damaged file would hold.
  put<float>(bytes, recordAt(50) + 4, std::numeric_limits<float>::denorm_min());
  put<float>(bytes, recordAt(50) + 8, -0.0f);
  put<float>(bytes, recordAt(50) + 12, std::numeric_limits<float>::quiet_NaN());
  const long double odd[] = {std::numeric_limits<long double>::denorm_min(), -0.0L,
                             -std::numeric_limits<long double>::infinity()};
  for (std::size_t i = 0; i < 3; ++i) {
    put(bytes, recordAt(51) + 48 + 10 * i, encodeExtended10(odd[i]));
  }
  put<std::int32_t>(bytes, recordAt(52), 77);
  writePlanetFile(bytes);
  loadSolarSystem(g());
  EXPECT_EQ(std::make_tuple(g().log.lines(), g().zoomAnimation, g().viewedBody),
            std::make_tuple(Lines{}, false, 17));
  std::filesystem::remove(folder_.path() / "aapla2.pla");
  saveSolarSystem(g());
  EXPECT_EQ(planetFile(), bytes);
}

TEST_F(PlanetFile, RecordWithParentMinusOneIsRebuiltTheOthersKeepTheirState) {
  std::string bytes = savedFile();
  put<float>(bytes, 12, 100000.0f);  // clamped when the record is rebuilt
  put<std::int32_t>(bytes, recordAt(13), -1);
  writePlanetFile(bytes);
  loadSolarSystem(g());
  const TPlanet& luna = g().solar.bodies[13];
  EXPECT_EQ(std::make_tuple(g().secondsPerTick, luna.parent, luna.period),
            std::make_tuple(1.0L, 5, static_cast<float>(27.32166155L * 86400)));
  // Built beside Terra as the file has it, and not placed.
  EXPECT_EQ(luna.position.x,
            g().solar.bodies[5].position.x + 6372795.0L + static_cast<long double>(3.844e8f));
  saveSolarSystem(g());
  const std::string again = planetFile();
  for (int k = 0; k <= 144; ++k) {
    if (k == 13) continue;
    EXPECT_EQ(again.substr(recordAt(k), 108), bytes.substr(recordAt(k), 108)) << k;
  }
}

TEST_F(PlanetFile, AllRecordsAreReadWhateverTheLastBodyIndexSays) {
  std::string bytes = savedFile();
  put<float>(bytes, recordAt(144) + 4, 12345.0f);
  for (std::int32_t last : {100, 5000}) {
    put<std::int32_t>(bytes, 0, last);
    writePlanetFile(bytes);
    loadSolarSystem(g());
    // The table bounds the index.
    EXPECT_EQ(std::make_pair(g().lastBody, g().solar.bodies[144].radius),
              std::make_pair(std::min(last, 144), 12345.0f));
  }
  EXPECT_TRUE(g().log.lines().empty());
}

TEST_F(PlanetFile, DamagedFileIsToldRebuiltAndSetAsideAtTheNextSave) {
  const std::string good = savedFile();
  std::vector<std::string> damaged = {"", good.substr(0, 16), good.substr(1), good + '\0'};
  for (float ticks : {0.0f, -240.0f, std::numeric_limits<float>::infinity()}) {
    damaged.push_back(good);
    put<float>(damaged.back(), 12, ticks);
  }
  for (std::int32_t viewed : {-1, 145}) {
    damaged.push_back(good);
    put<std::int32_t>(damaged.back(), 4, viewed);
  }
  for (const std::string& bytes : damaged) {
    auto game = freshGame();
    writePlanetFile(bytes);
    loadSolarSystem(*game);
    EXPECT_EQ(std::make_tuple(game->log.lines(), game->zoomAnimation, game->secondsPerTick,
                              game->solar.bodies[0].name, planetFile()),
              std::make_tuple(Lines{kRebuilt}, true, 360.0L, "Sol"s, bytes))
        << bytes.size();
  }
  // Only the first save sets the damaged file aside; the next replaces its own file.
  loadSolarSystem(g());
  saveSolarSystem(g());
  saveSolarSystem(g());
  EXPECT_EQ(std::make_tuple(g().log.lines(), folder_.read("aapla2.pla.bak"), planetFile()),
            std::make_tuple(Lines{kRebuilt, kKept}, damaged.back(), encodedFile(g())));
}

TEST_F(PlanetFile, FolderInItsPlaceIsSetAsideAndAReadOnlyFileIsLeftAlone) {
  std::filesystem::create_directories(folder_.path() / "aapla2.pla" / "inside");
  loadSolarSystem(g());
  saveSolarSystem(g());
  EXPECT_EQ(
      std::make_tuple(g().log.lines(),
                      std::filesystem::is_directory(folder_.path() / "aapla2.pla.bak" / "inside"),
                      planetFile()),
      std::make_tuple(Lines{kRebuilt, kKept}, true, encodedFile(g())));

  auto game = freshGame();
  writePlanetFile("");
  std::filesystem::permissions(folder_.path() / "aapla2.pla", std::filesystem::perms::owner_read);
  loadSolarSystem(*game);
  saveSolarSystem(*game);
  EXPECT_EQ(std::make_pair(game->log.lines(), planetFile()),
            std::make_pair(Lines{kRebuilt, "Cannot create file aapla2.pla"}, ""s));
}

}  // namespace
}  // namespace vorlund::testing
