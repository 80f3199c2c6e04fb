#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/utf8_text.h"

namespace vorlund {

// A length-prefixed string of at most 255 bytes of UTF-8: longer values are
// cut on assignment, as the fighter record's string properties were, but
// never inside a character.
class ShortString {
 public:
  static constexpr std::size_t kMax = 255;
  ShortString() = default;
  ShortString(std::string_view s) { assign(s); }      // NOLINT: implicit by design
  ShortString(const char* s) { assign(s ? s : ""); }  // NOLINT
  ShortString(const std::string& s) { assign(s); }    // NOLINT
  ShortString& operator=(std::string_view s) {
    assign(s);
    return *this;
  }
  ShortString& operator=(const char* s) {
    assign(s ? s : "");
    return *this;
  }
  ShortString& operator=(const std::string& s) {
    assign(s);
    return *this;
  }

  const std::string& str() const { return value_; }
  operator const std::string&() const { return value_; }  // NOLINT
  const char* c_str() const { return value_.c_str(); }
  std::size_t size() const { return value_.size(); }
  bool empty() const { return value_.empty(); }
  friend bool operator==(const ShortString& a, const ShortString& b) = default;
  friend bool operator==(const ShortString& a, std::string_view b) { return a.value_ == b; }
  friend bool operator==(const ShortString& a, const char* b) { return a.value_ == b; }
  friend bool operator==(const ShortString& a, const std::string& b) { return a.value_ == b; }

 private:
  void assign(std::string_view s) { value_.assign(utf8PrefixBytes(s, kMax)); }
  std::string value_;
};

// The fighter record: 48 properties in their declared order, no behaviour.
// Writing a property stores the value unchanged (strings are cut to 255 bytes).
struct TCharacterDMG {
  ShortString Name_String;
  ShortString Sex;
  ShortString Race;
  ShortString Training;
  ShortString Ready;
  ShortString Secondary;
  std::int32_t ST = 0;
  std::int32_t ST_adj = 0;
  std::int32_t Bare_hand_D = 0;
  std::int32_t Bare_hand_Mod = 0;
  std::int32_t Wounds = 0;
  std::int32_t DX = 0;
  std::int32_t DX_adj = 0;
  std::int32_t Hits_Stopped = 0;
  std::int32_t IQ = 0;
  std::int32_t IQ_adj = 0;
  std::int32_t Ready_D = 0;
  std::int32_t Ready_Mod = 0;
  std::int32_t Fatigue = 0;
  std::int32_t MA = 0;
  std::int32_t MA_adj = 0;
  std::int32_t MA_Swim = 0;
  std::int32_t MA_Fly = 0;
  std::int32_t MA_Web = 0;
  std::int32_t MA_Climb = 0;
  std::int32_t MA_left = 0;
  std::int32_t MA_spent = 0;
  std::int32_t Secondary_D = 0;
  std::int32_t Secondary_Mod = 0;
  std::int32_t Bravery = 0;
  std::int32_t Honesty = 0;
  std::int32_t Friendliness = 0;
  std::int32_t Mood = 0;
  std::int32_t EP = 0;
  std::int32_t Coin = 0;
  std::int32_t Extra = 0;
  std::int32_t Bet_value = 0;
  std::int32_t Hex = 0;
  std::int32_t Facing = 0;
  std::int32_t DX_next_turn = 0;
  std::int32_t Stance = 0;
  std::int32_t Age = 0;
  bool Engaged = false;
  bool Engaged_last_turn = false;
  bool Brave = false;
  bool Lose_next_turn = false;
  bool Rest_Last_Week = false;
  bool Act_This_Turn = false;
};

// A fighter's `Stance`: how he moves, which sets his movement allowance at
// the start of a turn. The numbers are stored in the farm file, and the
// rules compare them: a fighter with the higher stance stands over the
// other, so on his feet (5) he is above one on the ground (1).
inline constexpr std::int32_t kStanceNone = 0;  // a cleared record
inline constexpr std::int32_t kStanceProne = 1;
inline constexpr std::int32_t kStanceInWeb = 2;
inline constexpr std::int32_t kStanceClimbing = 3;
inline constexpr std::int32_t kStanceSwimming = 4;
inline constexpr std::int32_t kStanceStanding = 5;
inline constexpr std::int32_t kStanceFlying = 6;

// A fighter ready for the arena: on his feet, engaged with nobody, counted as
// engaged last turn (so that fear sends nobody running at the first turn),
// and not losing his next turn.
void readyForArena(TCharacterDMG& c);

// Empties the fighter's persisted fields; what belongs to the slot or to the
// current fight (Coin, Hex, this turn's adjustments) stays.
void clearRecord(TCharacterDMG& c);

// Copies the persisted field set, and nothing else, from one record to another.
void copyRecord(const TCharacterDMG& from, TCharacterDMG& to);

// The persisted field set, in its order: used by the farm file and by every
// whole-fighter copy.
inline constexpr std::array<std::int32_t TCharacterDMG::*, 25> kPersistedIntegers = {
    &TCharacterDMG::ST,
    &TCharacterDMG::Bare_hand_D,
    &TCharacterDMG::Bare_hand_Mod,
    &TCharacterDMG::Wounds,
    &TCharacterDMG::DX,
    &TCharacterDMG::Hits_Stopped,
    &TCharacterDMG::IQ,
    &TCharacterDMG::Ready_D,
    &TCharacterDMG::Ready_Mod,
    &TCharacterDMG::Fatigue,
    &TCharacterDMG::MA,
    &TCharacterDMG::MA_Swim,
    &TCharacterDMG::MA_Fly,
    &TCharacterDMG::MA_Web,
    &TCharacterDMG::MA_Climb,
    &TCharacterDMG::Secondary_D,
    &TCharacterDMG::Secondary_Mod,
    &TCharacterDMG::Bravery,
    &TCharacterDMG::Honesty,
    &TCharacterDMG::Friendliness,
    &TCharacterDMG::Mood,
    &TCharacterDMG::EP,
    &TCharacterDMG::Extra,
    &TCharacterDMG::Stance,
    &TCharacterDMG::Age};
inline constexpr std::array<ShortString TCharacterDMG::*, 6> kPersistedStrings = {
    &TCharacterDMG::Name_String, &TCharacterDMG::Sex,   &TCharacterDMG::Race,
    &TCharacterDMG::Training,    &TCharacterDMG::Ready, &TCharacterDMG::Secondary};

}  // namespace vorlund
