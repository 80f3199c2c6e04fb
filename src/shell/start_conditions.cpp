#include "shell/start_conditions.h"

#include <sstream>
#include <tuple>

namespace vorlund {
namespace {

using namespace forms;

bool parsePurses(const std::string& args, Purses& out, std::string& error) {
  std::istringstream words(args);
  std::string word;
  std::size_t n = 0;
  for (long long v = 0; words >> word; ++n) {
    if (n == out.coins.size() || !parseInt(word, v) || v < INT32_MIN || v > INT32_MAX)
      return error = "purses takes eight whole numbers: " + args, false;
    out.coins[n] = static_cast<std::int32_t>(v);
  }
  if (n != out.coins.size()) return error = "purses takes eight whole numbers: " + args, false;
  return true;
}

std::string pursesText(const Purses& p) {
  std::string text;
  for (std::int32_t coin : p.coins) text += (text.empty() ? "" : " ") + std::to_string(coin);
  return text;
}

bool parseBetrayal(const std::string& args, BetrayalFlag& out, std::string& error) {
  if (args != "true" && args != "false")
    return error = "betrayal takes true or false: " + args, false;
  out.set = args == "true";
  return true;
}

bool parseWheelLines(const std::string& args, WheelLines& out, std::string& error) {
  long long n = 0;
  if (!parseInt(args, n)) return error = "bad wheel lines: " + args, false;
  out.lines = saneWheelLines(n);
  return true;
}

bool parsePace(const std::string& args, Pace& out, std::string& error) {
  long long n = 0;
  if (!parseInt(args, n) || n < 1 || n > 1'000'000) return error = "bad pace: " + args, false;
  out.ticksPerSecond = static_cast<std::int32_t>(n);
  return true;
}

constexpr std::tuple kForms{
    LineForm<Purses>{
        "purses",
        {"purses C1 ... C8", "the eight purses, as the settings give them at the start"},
        {},
        parsePurses,
        pursesText,
        [](Game& g, const Purses& p) -> std::optional<Failure> {
          for (int s = 1; s <= kSlotCount; ++s) slot(g, s).Coin = p.coins[s - 1];
          return std::nullopt;
        }},
    LineForm<BetrayalFlag>{
        "betrayal",
        {"betrayal true|false", "the Betrayal flag, as the settings give it at the start"},
        {},
        parseBetrayal,
        [](const BetrayalFlag& b) { return std::string(b.set ? "true" : "false"); },
        [](Game& g, const BetrayalFlag& b) -> std::optional<Failure> {
          g.betrayal = b.set;
          return std::nullopt;
        }},
    LineForm<WheelLines>{"wheel-lines",
                         {"wheel-lines N", "the lines a wheel notch scrolls, as the desktop says"},
                         {},
                         parseWheelLines,
                         [](const WheelLines& w) { return std::to_string(w.lines); },
                         [](Game& g, const WheelLines& w) -> std::optional<Failure> {
                           g.wheelScrollLines = w.lines;
                           return std::nullopt;
                         }},
    LineForm<Pace>{"pace",
                   {"pace N",
                    "the ticks per second the game ran at; the sim has no clock\n"
                    "and passes it over"},
                   {},
                   parsePace,
                   [](const Pace& p) { return std::to_string(p.ticksPerSecond); },
                   [](Game&, const Pace&) -> std::optional<Failure> { return std::nullopt; }},
};

}  // namespace

std::vector<StartCondition> startConditionsOf(const Game& g) {
  Purses purses;
  for (int s = 1; s <= kSlotCount; ++s) purses.coins[s - 1] = slot(g, s).Coin;
  return {purses, BetrayalFlag{g.betrayal}, WheelLines{g.wheelScrollLines}};
}

std::string conditionLine(const StartCondition& c) {
  return lineOf(kForms, c);
}

ParsedCondition parseCondition(const std::string& line) {
  return forms::parse<StartCondition>(kForms, line);
}

void applyCondition(Game& g, const StartCondition& c) {
  (void)forms::play(kForms, g, c);
}

std::span<const CommandHelp> conditionHelp() {
  static const std::vector<CommandHelp> rows = forms::help(kForms);
  return rows;
}

std::int32_t saneWheelLines(long long desktop) {
  return desktop < 0 || desktop > 100 ? 3 : static_cast<std::int32_t>(desktop);
}

}  // namespace vorlund
