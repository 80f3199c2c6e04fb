// vorlund-sim's command reader: the input is a script, played by a session
// on the game's own sphere in a folder put back as it was before each one.
// Whatever the lines, every command is done or refused (exit 1 or 2) and the
// session ends. So that each script plays in a moment, the harness holds
// counts to a few ticks and fights; the limits the sim refuses beyond are
// the scenarios' to test. The solar system moves but three bodies.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

#include "fuzz_world.h"
#include "sim/sim_session.h"
#include "sim/sim_words.h"
#include "solar/planet_file.h"
#include "solar/solar.h"

using namespace vorlund;

namespace {

const std::string kDataFiles[] = {"names.txt", "races.txt", "risks.txt"};

struct Folder {
  fuzz::ScratchFolder scratch;
  Bytes planets;
  Bytes lists[3];
};

// Fills the folder once: the sphere and its tables, the game's lists, and
// the planets' file.
void prepare(Folder& f) {
  fuzz::installHexSphere(f.scratch);
  for (std::size_t i = 0; i < 3; ++i) {
    (void)readFileBounded(std::filesystem::path(VORLUND_SOURCE_DIR) / "data" / kDataFiles[i],
                          std::size_t{1} << 20, f.lists[i]);
    fuzz::require(!f.lists[i].empty(), "the game's data files");
  }
  NullPlatform platform;
  auto g = std::make_unique<Game>();
  g->dir = f.scratch.path();
  g->platform = &platform;
  setSolarFirstValues(*g);
  loadSolarSystem(*g);
  g->lastBody = 2;
  const PlanetFileImage image = encodePlanetFile(*g);
  f.planets.assign(image.begin(), image.end());
}

const Folder& folder() {
  static Folder f;
  static const bool prepared = (prepare(f), true);
  (void)prepared;
  return f;
}

// The line with any count it gives held to `most`; a bare `fight` too.
std::string heldTo(const std::string& line) {
  const auto [command, args] = sim::firstWord(line);
  long long most = 0;
  if (command == "tick")
    most = 200;
  else if (command == "fight")
    most = 3000;
  else if (command == "odds")
    most = 2;
  else
    return line;
  long long n = 0;
  if (args.empty() && command == "fight") return "fight " + std::to_string(most);
  if (!sim::parseInt(args, n) || n <= most) return line;
  return command + " " + std::to_string(most);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Folder& f = folder();
  for (std::size_t i = 0; i < 3; ++i) f.scratch.write(kDataFiles[i], f.lists[i]);
  f.scratch.write(kPlanetFileName, f.planets);
  f.scratch.write(kRingFileName, fuzz::hexSphere().ring);
  for (const char* made : {"characters.svd", "graveL.ist"})
    std::filesystem::remove_all(f.scratch.path() / made);

  std::ostringstream out, err;
  sim::SimOptions options;
  options.seeded = true;
  options.seed = 1;
  options.dir = f.scratch.path().string();
  sim::SimSession session(options, out, err);
  fuzz::require(session.start(), "the game starts");
  std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
  std::string line;
  for (int number = 1; std::getline(script, line) && number <= 200; ++number) {
    const sim::CommandResult r = session.execute(heldTo(line), number);
    if (!r.stop) continue;
    fuzz::require(r.exitCode >= 0 && r.exitCode <= 2, "an exit status the sim gives");
    break;
  }
  return 0;
}
