#include "state/character.h"

namespace vorlund {

void readyForArena(TCharacterDMG& c) {
  c.Engaged = false;
  c.Engaged_last_turn = true;
  c.Lose_next_turn = false;
  c.Stance = kStanceStanding;
}

void clearRecord(TCharacterDMG& c) {
  for (auto field : kPersistedStrings) c.*field = "";
  for (auto field : kPersistedIntegers) c.*field = 0;
  c.Engaged = false;
  c.Brave = false;
  c.Lose_next_turn = false;
  c.Rest_Last_Week = false;
  c.Engaged_last_turn = true;
}

void copyRecord(const TCharacterDMG& from, TCharacterDMG& to) {
  for (auto field : kPersistedStrings) to.*field = from.*field;
  for (auto field : kPersistedIntegers) to.*field = from.*field;
  to.Rest_Last_Week = from.Rest_Last_Week;
}

}  // namespace vorlund
