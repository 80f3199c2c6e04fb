#pragma once
#include <filesystem>
#include <optional>

#include "loop/recorded_game.h"
#include "state/failure.h"

namespace vorlund::app {

// Reads the recording `file` and lays out the folder it started from in
// `dir` (new or empty), with the textures and the tune of the installed game
// data beside it, for `vorlund --replay`; nothing, or why it cannot be played.
[[nodiscard]] std::optional<Failure> prepareReplay(const std::filesystem::path& file,
                                                   const std::filesystem::path& dir,
                                                   RecordedGame& recording);

}  // namespace vorlund::app
