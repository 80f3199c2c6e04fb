// Writes the list of fighter names the game ships with: the same seed and
// count always give the same list, so data/names.txt can be checked against it.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fighters/name_syllables.h"

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
  std::FILE* f = std::fopen(argv[1], "wb");
  if (!f) {
    std::perror(argv[1]);
    return 1;
  }
  for (const auto& n : names) std::fprintf(f, "%s\r\n", n.c_str());
  if (std::fclose(f) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
