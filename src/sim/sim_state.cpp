#include "sim/sim_state.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "shell/game.h"

namespace vorlund::sim {
namespace {

std::string jsonString(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::string jsonBool(bool b) {
  return b ? "true" : "false";
}

// The shortest text that reads back as the same double; JSON has no words
// for the infinities.
std::string jsonNumber(double d) {
  std::array<char, 32> buf{};
  const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), d);
  if (ec != std::errc() || !std::isfinite(d)) return "null";
  return std::string(buf.data(), end);
}

// The property as JSON when `quoted`, else as it is.
std::string propertyValue(const TCharacterDMG& c, const CharacterProperty& p, bool quoted) {
  std::string out;
  std::visit(
      [&](auto member) {
        using T = std::decay_t<decltype(c.*member)>;
        if constexpr (std::is_same_v<T, ShortString>)
          out = quoted ? jsonString(c.*member) : (c.*member).str();
        else if constexpr (std::is_same_v<T, bool>)
          out = jsonBool(c.*member);
        else
          out = std::to_string(c.*member);
      },
      p.member);
  return out;
}

std::string fighterJson(const TCharacterDMG& c) {
  std::string out = "{";
  for (const auto& p : characterProperties()) {
    if (out.size() > 1) out += ",";
    out += jsonString(std::string(p.name)) + ":" + propertyValue(c, p, true);
  }
  return out + "}";
}

}  // namespace

std::vector<std::pair<std::string, std::string>> stateFields(const Game& g) {
  return {{"turn", std::to_string(g.turnCounter)},
          {"phase", std::to_string(static_cast<int>(g.turnPhase))},
          {"distance", std::to_string(g.fightDistance)},
          {"running", jsonBool(g.fightRunning)},
          {"fightToDeath", jsonBool(g.fightToDeath)},
          {"betrayal", jsonBool(g.betrayal)},
          {"necromancer", jsonBool(g.necromancerHired)},
          {"zap", std::to_string(g.zapCountdown)},
          {"arenaCentre", std::to_string(g.arenaCentre)},
          {"graves", std::to_string(g.graveyard.count)},
          {"menu", std::to_string(static_cast<int>(g.names.state()))},
          {"startup", std::to_string(g.startupCountdown)},
          {"viewedBody", std::to_string(g.viewedBody)},
          {"cursorCell", std::to_string(g.cursorCell)},
          {"ringPosition", std::to_string(g.cursorRingPos)},
          {"neighbourPosition", std::to_string(g.cursorNeighbourPos)},
          {"poleCell", std::to_string(g.poleCell)},
          {"antipodeCell", std::to_string(g.antipodeCell)},
          {"viewYaw", jsonNumber(g.viewYaw)},
          {"viewPitch", jsonNumber(g.viewPitch)},
          {"solarScale", jsonNumber(g.solarScale)},
          {"grid", jsonBool(g.gridOverlay)},
          {"textured", jsonBool(g.texturedGlobe)},
          {"music", jsonBool(g.musicOn)},
          {"caption", jsonString(g.mainCaption)}};
}

std::string stateJson(const Game& g) {
  std::string out = "{";
  bool slotsDone = false;
  for (const auto& [key, value] : stateFields(g)) {
    if (out.size() > 1) out += ",";
    out += "\"" + key + "\":" + value;
    // The slots follow the menu: scenarios compare the line whole.
    if (key == "menu" && !slotsDone) {
      out += ",\"slots\":[";
      for (int s = 1; s <= kSlotCount; ++s) out += (s > 1 ? "," : "") + fighterJson(slot(g, s));
      out += "]";
      slotsDone = true;
    }
  }
  return out + "}";
}

std::string rowLine(const Game& g, std::int32_t cell, bool ringRow) {
  const WorldState& w = g.world;
  const std::int32_t count = ringRow ? ringCount(w, cell) : neighbourCount(w, cell);
  const std::int32_t room = ringRow ? kSphereCellCount : kNeighbourSlots;
  std::string out =
      (ringRow ? "ring " : "neighbours ") + std::to_string(cell) + " " + std::to_string(count);
  for (std::int32_t k = 1; k <= std::min(count, room); ++k)
    out += " " + std::to_string(ringRow ? ringEntry(w, cell, k) : neighbourSlot(w, cell, k));
  return out;
}

std::string propertyText(const TCharacterDMG& c, const CharacterProperty& p) {
  return propertyValue(c, p, false);
}

}  // namespace vorlund::sim
