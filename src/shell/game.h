#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "fighters/character.h"
#include "fighters/graveyard.h"
#include "panels/log_model.h"
#include "panels/names_model.h"
#include "panels/sheet_model.h"
#include "shell/platform.h"
#include "shell/random.h"
#include "solar/solar_state.h"
#include "world/world_state.h"

namespace vorlund {

inline constexpr int kSlotCount = 8;
inline constexpr std::int32_t kFirstRunCoin = 1375000;
inline constexpr std::int32_t kArenaFighters = 2;
// The farm: slots 3 to 8, each free while its fighter has no name.
inline constexpr int kFirstFarmSlot = 3;
inline constexpr int kLastFarmSlot = 8;
inline constexpr int kFarmSlots = kLastFarmSlot - kFirstFarmSlot + 1;

// The slot and combatant-order tables, which never change: slot s holds
// CharacterDMG s, and order position p is slot p. Entry 0 is no slot.
constexpr std::array<std::int32_t, kSlotCount + 1> identitySlots() {
  std::array<std::int32_t, kSlotCount + 1> table{};
  for (int s = 0; s <= kSlotCount; ++s) table[s] = s;
  return table;
}

// The phase of a fight's turn, run one after another from Start to End and
// round again. The sim's `state` shows the number.
enum class TurnPhase : std::int32_t {
  None = 0,        // no fight has been released since start-up
  Start = 1,       // the turn header, initiative and the movement queue
  ShowHeader = 2,  // one tick in which the Log shows the header
  Movement = 3,    // one fighter's step per tick, then the action queue
  Actions = 4,     // one fighter's action per tick
  End = 5,         // the sheets, the count of the standing, the end of a fight
};

// The start-up countdown: the tick that brings it from kCountdownStart to 0
// does the first tick's work (lays out and shows the text windows, loads the
// farm) and leaves it idle. Afterwards it doubles as the guard of the text
// windows' layout, so that the resizes a layout causes start no other. The
// sim's `state` shows the number.
inline constexpr std::int32_t kCountdownStart = 1;
inline constexpr std::int32_t kCountdownIdle = -1;
inline constexpr std::int32_t kCountdownLayoutGuard = -2;  // until the next tick

// All game state for the whole run, held by the app or the sim. A plain
// aggregate; the rules are free functions over it.
struct Game {
  // Where the data and state files live (the game folder).
  std::filesystem::path dir = ".";
  Platform* platform = nullptr;
  RandomGenerator rng;

  // Fighters. Slots and order positions are 1-based as in the rules:
  // slot(g, 1) is the player's arena fighter, slot(g, 2) the guest.
  std::array<TCharacterDMG, kSlotCount> characters{};
  std::array<std::int32_t, kSlotCount + 1> slotTable = identitySlots();       // -> character 1..8
  std::array<std::int32_t, kSlotCount + 1> combatantOrder = identitySlots();  // -> slot
  std::int32_t combatantCount = kArenaFighters;

  // Fight control.
  std::int32_t turnCounter = 0;  // the turn under way; 0 = no fight
  TurnPhase turnPhase = TurnPhase::None;
  bool phaseDone = false;
  bool fightRunning = false;  // cleared by a click in the Log (pause)
  bool fightToDeath = false;  // fight-kind flag: to the death, else to first blood
  std::int32_t fightDistance = 0;
  std::vector<std::string> listMove;    // ListMove
  std::vector<std::string> listAction;  // ListAction
  std::int32_t woundedCount = 0;
  // The stakes of the match set up last have gone to a killer: a second
  // death in the same fight (a zap after the kill) wins nothing more.
  bool stakesPaid = false;

  // Arena.
  std::int32_t arenaCentre = 0;
  std::array<std::array<std::int32_t, 30>, 2> cellHistory{};

  // Money and week.
  bool betrayal = false;
  std::int32_t zapCountdown = 0;
  std::int32_t zapTarget = 0;
  std::int32_t zapFlicker = 0;  // 0..99: the beam's blue in the next frame drawn
  bool necromancerHired = false;

  std::int32_t startupCountdown = 0;  // see kCountdownStart

  // View and cursor.
  double viewYaw = 0.0;
  double viewPitch = 0.0;
  double globeScale = 0.0;
  double viewDepth = 0.0;
  bool gridOverlay = false;
  bool texturedGlobe = false;
  bool cursorShown = false;
  std::int32_t cursorCell = 0;
  std::int32_t cursorRingPos = 0;
  std::int32_t cursorNeighbourPos = 0;
  std::int32_t poleCell = 0;
  std::int32_t antipodeCell = 0;
  std::string pickedName;
  bool mouseDrag = false;
  double dragStartX = 0.0;
  double dragStartY = 0.0;
  double dragStartYaw = 0.0;
  double dragStartPitch = 0.0;
  std::int32_t wheelScrollLines = 0;
  std::int16_t wheelAccumulator = 0;

  // Solar system.
  std::int32_t viewedBody = 0;
  std::int32_t lastBody = 0;
  long double ticksPerDay = 0.0L;
  long double secondsPerTick = 0.0L;
  double solarScale = 0.0;
  bool zoomAnimation = false;
  // Divides the spin step so that a body turns calmly on screen.
  std::int32_t timeScaleDivisor = 0;

  // Sound.
  bool musicOn = false;

  // Text windows.
  LogModel log;
  NamesModel names;
  // names.txt was read when it was last loaded into the Names list; a file
  // that could not be read is never written back.
  bool namesFileRead = false;
  SheetModel us;
  SheetModel them;
  std::string mainCaption = "Vorlund";

  Graveyard graveyard;
  // The farm, graveyard or planet file could not be understood when it was
  // loaded: it is set aside at the next save instead of being overwritten.
  bool rosterFileRefused = false;
  bool graveFileRefused = false;
  bool planetFileRefused = false;
  // The farm, graveyard or planet file has been loaded (or found missing):
  // the close writes only these, so that a close before the first tick
  // leaves the player's farm and graveyard as they are on disk.
  bool rosterLoaded = false;
  bool graveyardLoaded = false;
  bool planetLoaded = false;

  WorldState world;
  SolarSystem solar;
};

// The fighter in slot s (1..8).
inline TCharacterDMG& slot(Game& g, int s) {
  return g.characters[g.slotTable[s] - 1];
}
inline const TCharacterDMG& slot(const Game& g, int s) {
  return g.characters[g.slotTable[s] - 1];
}
// The fighter at arena order position p (1..combatant count).
inline TCharacterDMG& combatant(Game& g, int p) {
  return slot(g, g.combatantOrder[p]);
}

// The full path of a data or state file given by its bare name.
inline std::filesystem::path gameFile(const Game& g, const std::string& name) {
  return g.dir / name;
}

}  // namespace vorlund
