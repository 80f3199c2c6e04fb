// A recorded game, tests/replays/NAME.vsim, played alone by vorlund-sim from
// the start it carries, must end as NAME.end beside it says: the state line,
// the Log's digest, and every file the folder then holds, by name, with its
// size and CRC-32.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "support/golden.h"

namespace fs = std::filesystem;

namespace {

std::string gName;  // the recording's name, from the command line

std::string fileLine(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  char crc[16];
  std::snprintf(crc, sizeof crc, "%08lx",
                crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
  return "file " + file.filename().string() + " " + std::to_string(bytes.size()) + " " + crc;
}

TEST(Replay, EndsAsRecorded) {
  const fs::path work = fs::path(VORLUND_REPLAY_WORK) / gName;
  fs::remove_all(work);
  fs::create_directories(work);
  std::ofstream(work / "commands") << "state\nlog-digest\n";
  const std::string command = std::string(VORLUND_SIM) + " --replay '" + VORLUND_REPLAYS_DIR +
                              "/" + gName + ".vsim' --dir '" + (work / "game").string() +
                              "' < '" + (work / "commands").string() + "' 2>&1";
  std::string output;
  FILE* sim = popen(command.c_str(), "r");
  ASSERT_NE(sim, nullptr);
  char buffer[65536];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, sim)) > 0;) output.append(buffer, n);
  const int status = pclose(sim);

  std::vector<std::string> end;
  std::string errors;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("{") || line.starts_with("log-digest ")) end.push_back(line);
    if (line.starts_with("vorlund-sim:")) errors += line + "\n";
  }
  EXPECT_EQ(status, 0) << errors;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(work / "game")) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const auto& file : files) end.push_back(fileLine(file));
  vorlund::test::expectGolden("../replays/" + gName + ".end", end, "scripts/record-games --end " + gName);
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: replay_test NAME (a recording of tests/replays)\n");
    return 2;
  }
  gName = argv[1];
  return RUN_ALL_TESTS();
}
