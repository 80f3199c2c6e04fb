#include "fighters/name_syllables.h"

#include <array>
#include <string>
#include <string_view>
#include <unordered_set>

#include "state/random.h"

namespace vorlund {

namespace {

// Openings, middles and endings that sound like someone a crowd would
// shout for. Endings carry the name's gender-free cadence.
constexpr std::array<std::string_view, 48> kOpenings = {
    "Ar",  "Bar", "Bel", "Bra",  "Cor", "Dag", "Dra", "Dun",  "El",  "Fen", "Gar", "Gor",
    "Hal", "Har", "Ir",  "Jor",  "Kal", "Kor", "Lan", "Lor",  "Mar", "Mor", "Nor", "Ol",
    "Or",  "Pel", "Ras", "Rok",  "Sar", "Sil", "Tar", "Tor",  "Ul",  "Val", "Vor", "Wen",
    "Yr",  "Zar", "Ash", "Bryn", "Cal", "Ed",  "Fal", "Grim", "Hel", "Isk", "Mag", "Tes"};
constexpr std::array<std::string_view, 16> kMiddles = {
    "a", "e", "i", "o", "an", "en", "in", "or", "ar", "el", "ir", "u", "ad", "og", "is", "am"};
constexpr std::array<std::string_view, 48> kEndings = {
    "a",   "an",    "ek",  "ia",  "in",  "is",  "o",   "on",  "or",  "ric",  "ros", "us",
    "wyn", "eth",   "ald", "ard", "ax",  "en",  "ic",  "ina", "mir", "dor",  "gar", "ka",
    "la",  "mund",  "ra",  "ren", "rik", "sa",  "ta",  "ven", "vin", "wen",  "ly",  "ga",
    "da",  "brand", "th",  "k",   "n",   "mar", "lin", "ya",  "na",  "dric", "sk",  "ro"};

char lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isVowel(char c) {
  switch (lower(c)) {
    case 'a':
    case 'e':
    case 'i':
    case 'o':
    case 'u':
    case 'y':
      return true;
    default:
      return false;
  }
}

bool contains(std::string_view name, std::string_view part) {
  return name.find(part) != std::string_view::npos;
}

// Rejects joins that trip the tongue: three consonants or three vowels in
// a row, a doubled letter other than l, n, r or s, vowel pairs that split
// into two syllables, clumsy consonant pairs, and a word that ends on a
// cluster a crowd could not shout.
bool soundsRight(std::string_view name) {
  if (name.size() < 3 || name.size() > 12) return false;
  int consonants = 0;
  int vowels = 0;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = lower(name[i]);
    if (isVowel(c)) {
      consonants = 0;
      if (++vowels > 2) return false;
      if (vowels == 2 &&
          !contains("ia ea ei ai ae au ya ye yo io", std::string{lower(name[i - 1]), c}))
        return false;
    } else {
      vowels = 0;
      if (++consonants > 2) return false;
    }
    if (i > 0 && c == lower(name[i - 1]) && !contains("lnrs", std::string_view(&c, 1)))
      return false;
  }
  for (std::string_view bad :
       {"wn", "gk", "kg", "tk", "dk", "kd", "gd", "dg", "bd", "db", "td", "dt", "vw", "wv", "mw",
        "nw", "lw", "rw", "sw", "hh", "hk", "hd", "hg", "hr", "hl", "hn", "hm", "hs", "ht", "hv",
        "hy", "sg", "kb", "km", "gm", "dm", "tm", "sr", "nr", "lr", "mr", "dl", "tl", "gl"})
    if (contains(name, bad)) return false;
  const std::size_t n = name.size();
  if (!isVowel(lower(name[n - 1])) && !isVowel(lower(name[n - 2])) &&
      !contains("rn rk rd nd st sk th ld nk rm lm sh ng nt lt rt ks rg lk", name.substr(n - 2)))
    return false;
  return true;
}

// Syllables meet by chance, and now and then they spell something no
// father would call his son.
bool decent(std::string_view name) {
  std::string low(name);
  for (char& c : low) c = lower(c);
  for (std::string_view word :
       {"moron", "skank",  "anus", "anal", "rape",  "piss",  "shit", "fuk",  "fuck",
        "cunt",  "dick",   "cock", "slut", "whore", "nazi",  "nig",  "fag",  "tit",
        "cum",   "sex",    "porn", "poo",  "butt",  "turd",  "arse", "wank", "puke",
        "spew",  "orgasm", "kill", "dead", "die",   "mordor"})
    if (contains(low, word)) return false;
  return true;
}

bool readsWell(std::string_view name) {
  return soundsRight(name) && decent(name);
}

template <std::size_t N>
std::string_view pick(RandomGenerator& rng, const std::array<std::string_view, N>& from) {
  return from[static_cast<std::size_t>(rng.random(static_cast<std::int32_t>(N)))];
}

std::string compose(RandomGenerator& rng) {
  std::string name(pick(rng, kOpenings));
  // One name in four has a middle syllable; one in sixteen is two short
  // words, a house name and a given one.
  const std::int32_t shape = rng.random(16);
  if (shape < 4) name += pick(rng, kMiddles);
  if (shape == 15) {
    name += ' ';
    name += pick(rng, kOpenings);
    return name;
  }
  name += pick(rng, kEndings);
  return name;
}

bool acceptable(const std::string& name) {
  const auto blank = name.find(' ');
  if (blank == std::string::npos) return readsWell(name);
  const std::string_view first = std::string_view(name).substr(0, blank);
  const std::string_view second = std::string_view(name).substr(blank + 1);
  return first != second && readsWell(first) && readsWell(second);
}

}  // namespace

std::string makeFighterName(RandomGenerator& rng) {
  for (int attempt = 0; attempt < 64; ++attempt) {
    std::string name = compose(rng);
    if (acceptable(name)) return name;
  }
  return std::string(pick(rng, kOpenings)) + "o";
}

std::vector<std::string> makeNameList(std::uint32_t seed, int count) {
  RandomGenerator rng;
  rng.seed = seed;
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;
  for (int attempt = 0; attempt < count * 200 && static_cast<int>(names.size()) < count;
       ++attempt) {
    std::string name = makeFighterName(rng);
    if (seen.insert(name).second) names.push_back(std::move(name));
  }
  return names;
}

}  // namespace vorlund
