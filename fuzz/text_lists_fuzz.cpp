// names.txt, races.txt and risks.txt as the Names menu reads them, all three
// holding the input: a list that was read writes back as the same lines, a
// names.txt that could not be read is never written, the between-fights menu
// always has an entry to click, and a generated fighter always has a name.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fighters/name_taking.h"
#include "fighters/opponent_generator.h"
#include "fighters/text_files.h"
#include "fuzz_game.h"
#include "management/between_fights.h"
#include "management/names_window.h"

using namespace vorlund;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::FuzzGame harness;
  Game& g = harness.fresh("names.txt", data, size);
  harness.folder().write("races.txt", data, size);
  harness.folder().write("risks.txt", data, size);
  const Bytes input(data, data + size);

  namesFormCreate(g, 1);
  std::vector<std::string> read;
  const FileResult r = readLines(g, "names.txt", read);
  fuzz::require(r.ok() == g.namesFileRead, "names.txt marked read as it was read");
  if (r.ok()) {
    fuzz::require(g.names.lines() == read || read.empty() ||
                      std::all_of(read.begin(), read.end(), [](auto& l) { return l.empty(); }),
                  "the Names list shows names.txt");
    fuzz::require(writeLines(g, "copy.txt", read).ok(), "a list written");
    std::vector<std::string> again;
    fuzz::require(readLines(g, "copy.txt", again).ok() && again == read,
                  "a list reads back as it was written");
  }

  // Taking the first line writes the rest back, or nothing at all.
  if (!g.names.lines().empty()) {
    std::vector<std::string> rest(g.names.lines().begin() + 1, g.names.lines().end());
    takeNameLine(g, 0);
    std::vector<std::string> now;
    if (r.ok()) {
      fuzz::require(readLines(g, "names.txt", now).ok() && now == rest, "the rest written back");
    } else {
      fuzz::require(harness.folder().read("names.txt") == input, "an unread names.txt untouched");
    }
  }

  showBetweenFightsMenu(g);
  fuzz::require(std::any_of(g.names.lines().begin(), g.names.lines().end(),
                            [](const std::string& l) { return !l.empty(); }),
                "the between-fights menu has an entry");
  generateFighter(g, 2);
  fuzz::require(!slot(g, 2).Name_String.empty(), "a guest has a name");
  return 0;
}
