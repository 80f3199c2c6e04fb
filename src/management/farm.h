#pragma once
#include <string_view>

namespace vorlund {
struct Game;
struct TCharacterDMG;

// How many farm slots hold a named fighter.
int namedFarmFighters(const Game& g);

// The farm's menu head: " leave out to pasture" and an empty line.
void startFarmList(Game& g);

// The farm's names in slot order, one line each, free slots left out.
void listFarmNames(Game& g);

// Tells the player in both windows that the farm is full and what he can
// do about it, then shows the last Log line.
void tellFarmIsFull(Game& g);

// A week out to pasture may make a farm fighter braver: one die above his
// Bravery, and a boa never changes.
void farmBraveryDrift(Game& g, TCharacterDMG& c);

// What the first tick does with a farm that held at least one fighter: a
// full farm opens the farm menu, else a guest arrives and the between-fights
// menu opens.
void showFarmAtStartUp(Game& g);

}  // namespace vorlund
