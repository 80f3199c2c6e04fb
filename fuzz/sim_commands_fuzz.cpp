// vorlund-sim's command reader: the input is a script, played by a session
// on the game's own sphere, from the game as its start-up left it, in a
// folder put back as it was before each one.
// Whatever the lines, every command is done or refused (exit 1 or 2) and the
// session ends. So that each script plays in a moment, the harness holds
// counts to a few ticks and fights; the limits the sim refuses beyond are
// the scenarios' to test. The solar system moves but three bodies, and the
// strip has a hundred triangles.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_world.h"
#include "shell/command_words.h"
#include "sim/sim_session.h"
#include "solar/planet_file.h"
#include "solar/solar.h"

using namespace vorlund;

namespace {

const std::string kDataFiles[] = {"names.txt", "races.txt", "risks.txt"};

struct Folder {
  fuzz::ScratchFolder scratch;
  Bytes planets;
  Bytes lists[3];
  std::set<std::string> names;  // what the folder holds when prepared
};

// The files a script may rewrite, as they were.
void writeKept(const Folder& f) {
  for (std::size_t i = 0; i < 3; ++i) f.scratch.write(kDataFiles[i], f.lists[i]);
  f.scratch.write(kPlanetFileName, f.planets);
  f.scratch.write(kRingFileName, fuzz::hexSphere().ring);
}

// Fills the folder once: the sphere and its tables, the game's lists, and
// the planets' file.
void prepare(Folder& f) {
  fuzz::installHexSphere(f.scratch);
  // A hundred triangles of the strip are all a fight needs (it walks the
  // cells and their tables), and spare each start the matching of the rest.
  Bytes triangles(fuzz::hexSphere().triangles.begin(),
                  fuzz::hexSphere().triangles.begin() + 4 + 300 * 24);
  putInt32(triangles.data(), 300);
  f.scratch.write(kTriangleFileName, triangles);
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
  writeKept(f);
  for (const auto& e : std::filesystem::directory_iterator(f.scratch.path()))
    f.names.insert(e.path().filename().string());
}

// Puts back what a script may have changed in the folder.
void restore(const Folder& f) {
  writeKept(f);
  // The farm, the graveyard, and any Log a script saved.
  std::vector<std::filesystem::path> made;
  for (const auto& e : std::filesystem::directory_iterator(f.scratch.path()))
    if (!f.names.contains(e.path().filename().string())) made.push_back(e.path());
  for (const auto& p : made) std::filesystem::remove_all(p);
}

const Folder& folder() {
  static Folder f;
  static const bool prepared = (prepare(f), restore(f), true);
  (void)prepared;
  return f;
}

// The line with any count it gives held to `most`; a bare `fight` too.
std::string heldTo(const std::string& line) {
  const auto [word, rest] = firstWord(line);
  // `expect odds N ...` plays N fights as `odds N` does.
  if (word == "expect" && rest.starts_with("odds ")) {
    const auto [count, wanted] = firstWord(rest.substr(5));
    long long n = 0;
    if (parseInt(count, n) && n > 2) return "expect odds 2 " + wanted;
    return line;
  }
  const std::string& command = word;
  const std::string& args = rest;
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
  if (!parseInt(args, n) || n <= most) return line;
  return command + " " + std::to_string(most);
}

// One session, started once; each script plays on a copy of the game as the
// start-up left it, in the folder as it was then.
struct Harness {
  Harness() : session(options(), out, err) {
    fuzz::require(session.start() && err.str().empty(), "the game starts without a fault");
    started = std::make_unique<Game>(session.game());
  }
  static sim::SimOptions options() {
    sim::SimOptions o;
    o.seeded = true;
    o.seed = 1;
    o.dir = folder().scratch.path().string();
    return o;
  }
  std::ostringstream out, err;
  sim::SimSession session;
  std::unique_ptr<Game> started;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Harness h;
  restore(folder());
  h.session.game() = *h.started;
  h.session.forgetScript();
  h.out.str({});
  h.err.str({});

  std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
  std::string line;
  for (int number = 1; std::getline(script, line) && number <= 200; ++number) {
    const sim::CommandResult r = h.session.execute(heldTo(line), number);
    if (!r.stop) continue;
    fuzz::require(r.exitCode >= 0 && r.exitCode <= 2, "an exit status the sim gives");
    break;
  }
  return 0;
}
