#include "loop/recorded_start.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>
#include <system_error>

#include "fighters/graveyard_file.h"
#include "fighters/roster_files.h"
#include "fighters/text_files.h"
#include "loop/command_words.h"
#include "loop/packed_bytes.h"
#include "solar/planet_file.h"
#include "state/file_io.h"
#include "world/mesh_files.h"
#include "world/neighbour_table.h"
#include "world/ring_table.h"

namespace vorlund {

namespace fs = std::filesystem;

namespace {

// The lists offered for a new fighter's race and between fights.
constexpr const char* kRacesFile = "races.txt";
constexpr const char* kRisksFile = "risks.txt";

constexpr const char* kGameFolderFiles[] = {
    kNamesFile, kRosterFileName, kGraveFileName,     kPlanetFileName, kRingFileName,
    kRacesFile, kRisksFile,      kNeighbourFileName, kCellFileName,   kTriangleFileName,
};
constexpr std::size_t kWrittenByPlay = 5;

// Base64 characters on one start-data line: 57 bytes each.
constexpr std::size_t kDataLineWidth = 76;

const char* const kStartFile = "start-file";
const char* const kStartData = "start-data";

bool knownFile(const std::string& name) {
  return std::ranges::find(kGameFolderFiles, name) != std::end(kGameFolderFiles);
}

// What stands at `path`: a file's bytes, or what kind of thing it is.
StartFile look(const fs::path& path, const std::string& name) {
  StartFile f;
  f.name = name;
  Bytes bytes;
  const FileResult read = readFileBounded(path, kLargestStartFile, bytes);
  switch (read.code) {
    case FileResult::Code::Ok:
      f.kind = StartFile::Kind::Carried;
      f.size = bytes.size();
      f.crc = crc32Of(bytes);
      f.bytes = std::move(bytes);
      break;
    case FileResult::Code::Missing:
      f.kind = StartFile::Kind::Missing;
      break;
    case FileResult::Code::NotRegular:
      f.kind = StartFile::Kind::NotAFile;
      break;
    case FileResult::Code::TooLarge: {
      std::error_code ec;
      f.kind = StartFile::Kind::TooLarge;
      f.size = fs::file_size(path, ec);
      break;
    }
    default:
      f.kind = StartFile::Kind::Unreadable;
      break;
  }
  return f;
}

// Whether two looks at a file found the same thing.
bool same(const StartFile& a, const StartFile& b) {
  const auto bytesKind = [](StartFile::Kind k) {
    return k == StartFile::Kind::Carried || k == StartFile::Kind::Installed;
  };
  if (bytesKind(a.kind) && bytesKind(b.kind)) return a.size == b.size && a.crc == b.crc;
  return a.kind == b.kind && (a.kind != StartFile::Kind::TooLarge || a.size == b.size);
}

std::string kindWord(StartFile::Kind k) {
  switch (k) {
    case StartFile::Kind::Missing:
      return "missing";
    case StartFile::Kind::Carried:
      return "zlib";
    case StartFile::Kind::Installed:
      return "installed";
    case StartFile::Kind::NotAFile:
      return "not-a-file";
    case StartFile::Kind::Unreadable:
      return "unreadable";
    case StartFile::Kind::TooLarge:
      return "too-large";
  }
  return "missing";
}

// The most start-data lines a file of the largest size can take, deflated.
std::size_t mostDataLines() {
  const std::size_t packed = kLargestStartFile + kLargestStartFile / 1000 + 64;
  return (packed + 2) / 3 * 4 / kDataLineWidth + 1;
}

bool readSize(const std::string& word, std::uint64_t& size, std::size_t most) {
  long long v = 0;
  if (!parseInt(word, v) || v < 0 || static_cast<unsigned long long>(v) > most) return false;
  size = static_cast<std::uint64_t>(v);
  return true;
}

// The bytes the start gives the file: its own, or the installed data's.
std::optional<Bytes> contentOf(const StartFile& f, const fs::path& installed, std::string& error) {
  if (f.kind == StartFile::Kind::Carried) return f.bytes;
  Bytes bytes;
  const FileResult read = readFileBounded(installed / f.name, kLargestStartFile, bytes);
  if (!read) {
    error = "Cannot read " + (installed / f.name).string() + " (" + read.reason() + ")";
    return std::nullopt;
  }
  return bytes;
}

// Puts one file of the start in place at `path` (nothing stands there).
std::string place(const StartFile& f, const fs::path& path, const fs::path& installed) {
  std::error_code ec;
  std::string error;
  switch (f.kind) {
    case StartFile::Kind::Missing:
      return "";
    case StartFile::Kind::Carried:
    case StartFile::Kind::Installed: {
      const std::optional<Bytes> bytes = contentOf(f, installed, error);
      if (!bytes) return error;
      if (const FileResult r = writeFileAtomically(path, *bytes); !r)
        return "Cannot create file " + path.string() + " (" + r.reason() + ")";
      return "";
    }
    case StartFile::Kind::NotAFile:
      // What the game meets is no regular file; a folder is one anywhere.
      fs::create_directory(path, ec);
      break;
    case StartFile::Kind::Unreadable:
    case StartFile::Kind::TooLarge: {
      // The game refuses either without reading a byte, so only its size and
      // permission count: a file of holes.
      if (const FileResult r = writeFileAtomically(path, std::string_view{}); !r)
        return "Cannot create file " + path.string() + " (" + r.reason() + ")";
      if (f.kind == StartFile::Kind::TooLarge) fs::resize_file(path, f.size, ec);
      if (f.kind == StartFile::Kind::Unreadable) fs::permissions(path, fs::perms::none, ec);
      break;
    }
  }
  return ec ? "Cannot create " + path.string() + " (" + ec.message() + ")" : "";
}

}  // namespace

const StartFile* RecordedStart::find(const std::string& name) const {
  const auto at = std::ranges::find(files, name, &StartFile::name);
  return at == files.end() ? nullptr : &*at;
}

std::span<const char* const> gameFolderFiles() {
  return kGameFolderFiles;
}

bool playWrites(const std::string& name) {
  const auto written = std::span(kGameFolderFiles).first(kWrittenByPlay);
  return std::ranges::find(written, name) != written.end();
}

RecordedStart captureStart(const fs::path& dir, const fs::path& installed) {
  RecordedStart start;
  for (const char* name : kGameFolderFiles) {
    StartFile f = look(dir / name, name);
    if (f.kind == StartFile::Kind::Carried && !playWrites(name) && !installed.empty() &&
        same(f, look(installed / name, name))) {
      f.kind = StartFile::Kind::Installed;
      f.bytes.clear();
    }
    start.files.push_back(std::move(f));
  }
  return start;
}

std::vector<std::string> startLines(const RecordedStart& start) {
  std::vector<std::string> lines;
  for (const StartFile& f : start.files) {
    std::string line = std::string(kStartFile) + " " + f.name + " " + kindWord(f.kind);
    if (f.kind == StartFile::Kind::TooLarge) line += " " + std::to_string(f.size);
    if (f.kind != StartFile::Kind::Carried && f.kind != StartFile::Kind::Installed) {
      lines.push_back(line);
      continue;
    }
    line += " " + std::to_string(f.size) + " " + crcText(f.crc);
    if (f.kind == StartFile::Kind::Installed) {
      lines.push_back(line);
      continue;
    }
    const std::string text = base64Text(deflateBytes(f.bytes));
    const std::size_t count = (text.size() + kDataLineWidth - 1) / kDataLineWidth;
    lines.push_back(line + " " + std::to_string(count));
    for (std::size_t at = 0; at < text.size(); at += kDataLineWidth)
      lines.push_back(std::string(kStartData) + " " + text.substr(at, kDataLineWidth));
  }
  return lines;
}

bool StartReader::isStartLine(const std::string& line) {
  const std::string word = firstWord(line).first;
  return word == kStartFile || word == kStartData;
}

bool StartReader::read(const std::string& line, std::string& error) {
  const auto [word, args] = firstWord(line);
  if (word == kStartData) {
    if (linesLeft_ == 0) return error = "start-data without a start-file before it", false;
    Bytes check;
    if (!appendBase64(args, check)) return error = "damaged start-data: not base64", false;
    pendingData_ += args;
    return --linesLeft_ > 0 || endFile(error);
  }
  if (linesLeft_ > 0) return finish(error);
  std::istringstream words(args);
  std::string name, kind, size, crc, count, extra;
  words >> name >> kind;
  StartFile f;
  f.name = name;
  if (!knownFile(name)) return error = "no file the game reads: " + line, false;
  if (start_.find(name)) return error = name + " is in the start twice", false;
  bool ok = true;
  if (kind == "missing" || kind == "not-a-file" || kind == "unreadable") {
    f.kind = kind == "missing"      ? StartFile::Kind::Missing
             : kind == "not-a-file" ? StartFile::Kind::NotAFile
                                    : StartFile::Kind::Unreadable;
  } else if (kind == "too-large") {
    f.kind = StartFile::Kind::TooLarge;
    ok = (words >> size) && readSize(size, f.size, SIZE_MAX) && f.size > kLargestStartFile;
  } else if (kind == "installed" || kind == "zlib") {
    f.kind = kind == "zlib" ? StartFile::Kind::Carried : StartFile::Kind::Installed;
    const std::optional<std::uint32_t> digest =
        (words >> size >> crc) ? parseCrc(crc) : std::nullopt;
    ok = digest && readSize(size, f.size, kLargestStartFile);
    f.crc = digest.value_or(0);
    if (ok && f.kind == StartFile::Kind::Carried) {
      std::uint64_t lines = 0;
      ok = (words >> count) && readSize(count, lines, mostDataLines()) && lines > 0;
      linesDeclared_ = linesLeft_ = static_cast<std::size_t>(lines);
    }
  } else {
    ok = false;
  }
  if (!ok || (words >> extra)) return linesLeft_ = 0, error = "bad start-file: " + line, false;
  pendingData_.clear();
  start_.files.push_back(std::move(f));
  return true;
}

// The last data line of a carried file: its bytes must inflate to its size
// and CRC-32.
bool StartReader::endFile(std::string& error) {
  StartFile& f = start_.files.back();
  Bytes packed;
  appendBase64(pendingData_, packed);
  pendingData_.clear();
  std::optional<Bytes> bytes = inflateBytes(packed, static_cast<std::size_t>(f.size));
  if (!bytes || crc32Of(*bytes) != f.crc)
    return error = "the start's " + f.name + " is damaged: it does not match its size and CRC-32",
           false;
  f.bytes = std::move(*bytes);
  return true;
}

bool StartReader::finish(std::string& error) {
  if (linesLeft_ == 0) return true;
  error = "the start's " + start_.files.back().name +
          " is cut short: " + std::to_string(linesDeclared_ - linesLeft_) + " of its " +
          std::to_string(linesDeclared_) + " start-data lines";
  linesLeft_ = 0;
  return false;
}

std::optional<Failure> checkInstalled(const RecordedStart& start, const fs::path& installed) {
  for (const StartFile& f : start.files) {
    if (f.kind != StartFile::Kind::Installed) continue;
    if (installed.empty())
      return Failure::logged(f.name +
                             " is taken from the installed game data, which was not found");
    const StartFile there = look(installed / f.name, f.name);
    if (!same(f, there))
      return Failure::logged(
          f.name + " of the installed game data in " + installed.string() +
          " is not the one this game was played with (another version of the game)");
  }
  return std::nullopt;
}

std::optional<Failure> layOutStart(const RecordedStart& start, const fs::path& dir,
                                   const fs::path& installed) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec) return Failure::logged("Cannot create " + dir.string() + " (" + ec.message() + ")");
  for (const char* name : kGameFolderFiles) {
    const StartFile* f = start.find(name);
    StartFile fromInstalled;
    if (!f) {
      // A start that does not name a file leaves it as the installed data has it.
      if (installed.empty() || look(installed / name, name).kind != StartFile::Kind::Carried)
        continue;
      fromInstalled.name = name;
      fromInstalled.kind = StartFile::Kind::Installed;
      f = &fromInstalled;
    }
    if (std::string error = place(*f, dir / name, installed); !error.empty())
      return Failure::logged(std::move(error));
  }
  return std::nullopt;
}

std::optional<Failure> restoreStart(const RecordedStart& start, const fs::path& dir,
                                    const fs::path& installed) {
  // What was kept aside, to put back should a later file fail: the folder
  // is then as it was, the player's files in their places.
  std::vector<std::pair<fs::path, fs::path>> kept;
  const auto undo = [&kept](std::string error) {
    for (auto it = kept.rbegin(); it != kept.rend(); ++it) {
      std::error_code ec;
      fs::remove_all(it->first, ec);
      fs::rename(it->second, it->first, ec);
    }
    return Failure::logged(std::move(error));
  };
  for (const StartFile& f : start.files) {
    const fs::path path = dir / f.name;
    const StartFile now = look(path, f.name);
    if (same(f, now)) continue;
    const bool replaced = f.name == kNamesFile && now.kind == StartFile::Kind::Carried &&
                          f.kind != StartFile::Kind::Missing;
    if (now.kind != StartFile::Kind::Missing && !replaced) {
      fs::path aside;
      if (const FileResult r = keepAside(path, aside); !r)
        return undo("Cannot keep " + path.string() + " aside (" + r.reason() + ")");
      kept.emplace_back(path, aside);
    }
    if (std::string error = place(f, path, installed); !error.empty()) return undo(error);
  }
  return std::nullopt;
}

}  // namespace vorlund
