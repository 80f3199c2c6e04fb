#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "state/failure.h"
#include "state/little_endian.h"

namespace vorlund {

// The game folder as it was when a game started, as its recording carries
// it: every file the game reads, each as it stood. The files play may change
// are carried whole (deflated); the read-only data, when it is the installed
// game data's own, only by its size and CRC-32, and a replay takes it from
// there. Textures and the tune are not game state and are not carried.

// A file of the start.
struct StartFile {
  enum class Kind {
    Missing,     // there was no such file
    Carried,     // its bytes are in the recording
    Installed,   // the installed game data's file of that size and CRC-32
    NotAFile,    // a folder, a pipe, a device... in its place
    Unreadable,  // the system would not let the game read it
    TooLarge,    // more bytes than any reader of the game takes
  };
  std::string name;
  Kind kind = Kind::Missing;
  std::uint64_t size = 0;
  std::uint32_t crc = 0;
  Bytes bytes;  // Carried: the file's bytes
};

struct RecordedStart {
  std::vector<StartFile> files;
  const StartFile* find(const std::string& name) const;
};

// The most bytes of a file the start carries; more than any reader of the
// game takes (names.txt, at 16 MiB, is the largest).
inline constexpr std::size_t kLargestStartFile = std::size_t{16} << 20;

// The files of the game folder the game reads, in the order the start lists
// them: first those play writes, then the read-only data.
std::span<const char* const> gameFolderFiles();
bool playWrites(const std::string& name);

// The folder's files as they stand now; `installed` (the installed game
// data, or empty when there is none) holds the read-only files a replay may
// take from there.
RecordedStart captureStart(const std::filesystem::path& dir,
                           const std::filesystem::path& installed);

// The start's lines in the recording: "start-file NAME ..." for each file,
// each carried file followed by its "start-data" lines.
std::vector<std::string> startLines(const RecordedStart& start);

// Reads the start's lines as they come, one at a time, checking each.
class StartReader {
 public:
  // Whether the line belongs to the start (its first word is start-file or
  // start-data).
  static bool isStartLine(const std::string& line);
  // Reads one start line; false with the reason when it is damaged.
  bool read(const std::string& line, std::string& error);
  // The start is over; false when a file's data was cut short.
  bool finish(std::string& error);
  const RecordedStart& start() const { return start_; }
  bool empty() const { return start_.files.empty(); }

 private:
  bool endFile(std::string& error);

  RecordedStart start_;
  std::string pendingData_;
  std::size_t linesLeft_ = 0;
  std::size_t linesDeclared_ = 0;
};

// Why the installed game data cannot give the files the start takes from it
// (it is not there, or holds other bytes: another version of the game), or
// nothing when it can.
[[nodiscard]] std::optional<Failure> checkInstalled(const RecordedStart& start,
                                                    const std::filesystem::path& installed);

// Lays the start out in `dir`, a new or empty folder: every file as it was,
// the read-only ones the start does not name copied from the installed data.
// Nothing, or what could not be done.
[[nodiscard]] std::optional<Failure> layOutStart(const RecordedStart& start,
                                                 const std::filesystem::path& dir,
                                                 const std::filesystem::path& installed);

// Puts the game folder `dir` back as the start says, for a game played again
// there: a file that differs is replaced, and kept aside first (NAME.bak)
// unless it is names.txt, which play itself changes; a file the start lacks
// is kept aside. Nothing, or what could not be done, and then what was kept
// aside is back in its place.
[[nodiscard]] std::optional<Failure> restoreStart(const RecordedStart& start,
                                                  const std::filesystem::path& dir,
                                                  const std::filesystem::path& installed);

}  // namespace vorlund
