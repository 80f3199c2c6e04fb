// Writes the list of fighter names the game ships with: the same seed and
// count always give the same list, so data/names.txt can be checked against it.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fighters/name_syllables.h"
#include "state/file_io.h"

int main(int argc, char** argv) {
  if (argc != 2 || std::string(argv[1]) == "--help") {
    std::fprintf(stderr, "usage: vorlund-names FILE\n  writes %d fighter names, one a line\n",
                 vorlund::kShippedNameCount);
    return argc == 2 ? 0 : 2;
  }
  const auto names = vorlund::makeNameList(vorlund::kShippedNameSeed, vorlund::kShippedNameCount);
  if (static_cast<int>(names.size()) < vorlund::kShippedNameCount) {
    std::fprintf(stderr, "vorlund-names: only %zu distinct names\n", names.size());
    return 1;
  }
  std::string text;
  for (const auto& n : names) text += n + "\r\n";
  if (const vorlund::FileResult r = vorlund::writeFileAtomically(argv[1], text); !r) {
    std::fprintf(stderr, "vorlund-names: cannot write %s: %s\n", argv[1], r.reason().c_str());
    return 1;
  }
  return 0;
}
