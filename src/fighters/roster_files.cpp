#include "fighters/roster_files.h"

#include <utility>

#include "fighters/sane_ranges.h"
#include "state/failure.h"
#include "state/file_io.h"
#include "state/game.h"
#include "state/log_model.h"
#include "state/state_save.h"

namespace vorlund {

namespace {

// A string field is its text padded with blanks to 28 bytes, or cut to 28.
std::string readField(const unsigned char* p) {
  std::string text(reinterpret_cast<const char*>(p), kRosterFieldBytes);
  const auto last = text.find_last_not_of(' ');
  text.erase(last == std::string::npos ? 0 : last + 1);
  return text;
}

void appendField(Bytes& out, const std::string& text) {
  const std::size_t n = text.size() < kRosterFieldBytes ? text.size() : kRosterFieldBytes;
  out.insert(out.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n));
  out.insert(out.end(), kRosterFieldBytes - n, ' ');
}

// A one-byte Boolean of this game's making is 0 or 1.
bool readFlag(unsigned char byte, bool& out) {
  out = byte == 1;
  return byte <= 1;
}

std::string readBlock(const unsigned char* p, TCharacterDMG& c) {
  for (auto field : kPersistedStrings) {
    c.*field = readField(p);
    p += kRosterFieldBytes;
  }
  for (auto field : kPersistedIntegers) {
    c.*field = readInt32(p);
    p += 4;
  }
  if (!readFlag(*p, c.Rest_Last_Week)) return "Rest_Last_Week " + std::to_string(*p);
  return insaneValue(c);
}

std::string sizeFault(std::size_t size) {
  return size < kRosterFileBytes ? "cut short (" + std::to_string(size) + " of 1619 bytes)"
                                 : "longer than 1619 bytes";
}

Failure damaged(std::string fault) {
  return Failure::logged(std::string(kRosterFileName) + " is damaged: the farm was not loaded",
                         std::move(fault));
}

void refuse(Game& g, const Failure& failure) {
  g.rosterFileRefused = true;
  reportFailure(g, failure);
}

Failure readFault(const FileResult& read) {
  return damaged(read.code == FileResult::Code::TooLarge ? sizeFault(kRosterFileBytes + 1)
                                                         : read.reason());
}

void fillCellHistories(Game& g) {
  g.cellHistory[0].fill(slot(g, 1).Hex);
  g.cellHistory[1].fill(slot(g, 2).Hex);
}

}  // namespace

std::optional<Failure> decodeRoster(std::span<const unsigned char> bytes, RosterFile& out) {
  if (bytes.size() < 4) return damaged(sizeFault(bytes.size()));
  out.format = readInt32(bytes.data());
  if (out.format != 1) return std::nullopt;
  if (bytes.size() != kRosterFileBytes) return damaged(sizeFault(bytes.size()));
  if (!readFlag(bytes[4], out.necromancerHired))
    return damaged("necromancer flag " + std::to_string(bytes[4]));
  for (std::size_t i = 0; i < out.farm.size(); ++i) {
    const std::string fault = readBlock(bytes.data() + 5 + i * kRosterBlockBytes, out.farm[i]);
    if (!fault.empty()) return damaged("slot " + std::to_string(kFirstFarmSlot + i) + " " + fault);
  }
  return std::nullopt;
}

Bytes encodeRoster(const Game& g) {
  Bytes out;
  out.reserve(kRosterFileBytes);
  appendInt32(out, 1);
  out.push_back(g.necromancerHired ? 1 : 0);
  for (int s = kFirstFarmSlot; s <= kLastFarmSlot; ++s) {
    const TCharacterDMG& c = slot(g, s);
    for (auto field : kPersistedStrings) appendField(out, (c.*field).str());
    for (auto field : kPersistedIntegers) appendInt32(out, c.*field);
    out.push_back(c.Rest_Last_Week ? 1 : 0);
  }
  return out;
}

int loadRoster(Game& g) {
  g.rosterLoaded = true;
  Bytes bytes;
  const FileResult read = readFileBounded(gameFile(g, kRosterFileName), kRosterFileBytes, bytes);
  if (read.code == FileResult::Code::Missing) return 0;
  if (!read) {
    refuse(g, readFault(read));
    return 0;
  }
  RosterFile file;
  const std::optional<Failure> fault = decodeRoster(bytes, file);
  if (bytes.size() >= 4) logAdd(g.log, std::to_string(file.format));
  if (fault) {
    refuse(g, *fault);
    return 0;
  }
  fillCellHistories(g);
  // A file of another format loads no fighter; it is kept, unread, for
  // whatever made it.
  if (file.format != 1) {
    g.rosterFileRefused = true;
    return 0;
  }
  g.necromancerHired = file.necromancerHired;
  int named = 0;
  for (std::size_t i = 0; i < file.farm.size(); ++i) {
    copyRecord(file.farm[i], slot(g, kFirstFarmSlot + static_cast<int>(i)));
    if (!file.farm[i].Name_String.empty()) ++named;
  }
  return named;
}

void saveRoster(Game& g) {
  saveStateFile(g, kRosterFileName, g.rosterFileRefused, encodeRoster(g));
}

}  // namespace vorlund
