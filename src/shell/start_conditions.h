#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "shell/game.h"
#include "shell/line_forms.h"

namespace vorlund {

// What the game read from outside its folder when it started, which a
// recording opens with: the purses and the Betrayal flag from the settings,
// the lines a wheel notch scrolls on the desktop. Each kind once, with its
// line, its parser and its effect in the table of start_conditions.cpp.
struct Purses {
  std::array<std::int32_t, kSlotCount> coins{};
};
struct BetrayalFlag {
  bool set = false;
};
struct WheelLines {
  std::int32_t lines = 0;
};
// The ticks per second the game's clock ran at (from then on): a replay in
// the windows keeps that pace; the rules count ticks and never read it.
struct Pace {
  std::int32_t ticksPerSecond = 0;
};

using StartCondition = std::variant<Purses, BetrayalFlag, WheelLines, Pace>;

// The conditions the game holds now, in the order a recording writes them
// (the pace is the clock's, not the game's).
std::vector<StartCondition> startConditionsOf(const Game& g);

std::string conditionLine(const StartCondition& c);
using ParsedCondition = ParsedLine<StartCondition>;
ParsedCondition parseCondition(const std::string& line);
// Gives the game the condition, as the start-up would have read it.
void applyCondition(Game& g, const StartCondition& c);

std::span<const CommandHelp> conditionHelp();

// The lines a wheel notch scrolls as the desktop reports them; what is no
// sensible count (outside 0..100) is taken as the usual 3.
std::int32_t saneWheelLines(long long desktop);

}  // namespace vorlund
