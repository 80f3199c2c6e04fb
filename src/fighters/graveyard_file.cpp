#include "fighters/graveyard_file.h"

#include <utility>

#include "state/failure.h"
#include "state/file_io.h"
#include "state/game.h"
#include "state/state_save.h"

namespace vorlund {

namespace {

constexpr std::int32_t kHighestRaceCode = 13;

Grave readGrave(const unsigned char* p) {
  return {readInt32(p), readInt32(p + 4), readInt32(p + 8)};
}

std::string graveFault(const Grave& grave) {
  if (grave.cell < 0 || grave.cell > kSphereCellCount) return "cell " + std::to_string(grave.cell);
  if (grave.age < 0) return "age " + std::to_string(grave.age);
  if (grave.race < 0 || grave.race > kHighestRaceCode) return "race " + std::to_string(grave.race);
  return {};
}

std::string layoutFault(std::span<const unsigned char> bytes) {
  if (bytes.size() < 4) return "cut short (" + std::to_string(bytes.size()) + " bytes)";
  const std::int32_t count = readInt32(bytes.data());
  if (count < 0) return "count " + std::to_string(count);
  if (count > Graveyard::kMaxGraves) return "count " + std::to_string(count) + " above 5000";
  if (bytes.size() > kGraveFileMaxBytes) return "longer than 60004 bytes";
  const std::size_t wanted = 4 + kGraveBytes * static_cast<std::size_t>(count);
  if (bytes.size() != wanted)
    return "count " + std::to_string(count) + " needs " + std::to_string(wanted) + " bytes, not " +
           std::to_string(bytes.size());
  for (std::int32_t i = 0; i < count; ++i) {
    const std::string fault = graveFault(readGrave(bytes.data() + 4 + kGraveBytes * i));
    if (!fault.empty()) return "grave " + std::to_string(i + 1) + " " + fault;
  }
  return {};
}

Failure damaged(std::string fault) {
  return Failure::logged(
      std::string(kGraveFileName) + " is damaged: the graveyard was not loaded", std::move(fault));
}

void refuse(Game& g, const Failure& failure) {
  g.graveFileRefused = true;
  reportFailure(g, failure);
}

void clearGravesAboveCount(Graveyard& yard) {
  for (int i = yard.count; i < Graveyard::kMaxGraves; ++i)
    yard.graves[static_cast<std::size_t>(i)] = Grave{};
}

}  // namespace

std::optional<Failure> decodeGraveyard(std::span<const unsigned char> bytes, Graveyard& out) {
  if (std::string fault = layoutFault(bytes); !fault.empty()) return damaged(std::move(fault));
  out.count = readInt32(bytes.data());
  for (std::int32_t i = 0; i < out.count; ++i)
    out.graves[static_cast<std::size_t>(i)] = readGrave(bytes.data() + 4 + kGraveBytes * i);
  clearGravesAboveCount(out);
  return std::nullopt;
}

Bytes encodeGraveyard(const Graveyard& yard) {
  const int count = yard.count < 0                       ? 0
                    : yard.count > Graveyard::kMaxGraves ? Graveyard::kMaxGraves
                                                         : yard.count;
  Bytes out;
  out.reserve(4 + kGraveBytes * static_cast<std::size_t>(count));
  appendInt32(out, count);
  for (int i = 0; i < count; ++i) {
    const Grave& grave = yard.graves[static_cast<std::size_t>(i)];
    appendInt32(out, grave.cell);
    appendInt32(out, grave.age);
    appendInt32(out, grave.race);
  }
  return out;
}

void loadGraveyard(Game& g) {
  g.graveyardLoaded = true;
  Graveyard& yard = g.graveyard;
  yard.count = 1;
  yard.graves[0].cell = g.rng.random(kSphereCellCount) + 1;
  Bytes bytes;
  const FileResult read = readFileBounded(gameFile(g, kGraveFileName), kGraveFileMaxBytes, bytes);
  if (read.code == FileResult::Code::TooLarge) {
    refuse(g, damaged("longer than 60004 bytes"));
  } else if (!read && read.code != FileResult::Code::Missing) {
    refuse(g, damaged(read.reason()));
  } else if (read) {
    if (const std::optional<Failure> fault = decodeGraveyard(bytes, yard)) refuse(g, *fault);
  }
  clearGravesAboveCount(yard);
}

void saveGraveyard(Game& g) {
  saveStateFile(g, kGraveFileName, g.graveFileRefused, encodeGraveyard(g.graveyard));
}

}  // namespace vorlund
