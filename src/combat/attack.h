#pragma once
#include <cstdint>
#include <string_view>

namespace vorlund {

struct Game;
struct TCharacterDMG;

// One unarmed attack of a on t, told in the Log line by line.
void attack(Game& g, TCharacterDMG& a, TCharacterDMG& t);

// Puts damage on t with a as the one who dealt it: wounds, stun, knock-down,
// unconsciousness, or death with the payout of both stakes and a grave.
void applyDamage(Game& g, TCharacterDMG& a, TCharacterDMG& t, std::int32_t damage);

// A killer may grow braver: rarer the braver he is, never for a boa.
void braveryGain(Game& g, TCharacterDMG& c);

// The body part of hit-location draw 1..20.
std::string_view hitLocation(std::int32_t draw);

// The blow word for a hit of this damage; empty when no blow line is told.
std::string_view blowWord(std::string_view attackerRace, std::int32_t damage);

// Adds a grave on the cell; a full graveyard first lets its oldest grave go.
void digGrave(Game& g, std::int32_t cell, std::string_view race);

}  // namespace vorlund
