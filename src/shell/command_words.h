#pragma once
#include <charconv>
#include <cmath>
#include <string>
#include <utility>

namespace vorlund {

// The words of a command line, as the sim reads them and a recording holds
// them.

// A whole decimal number with an optional sign.
inline bool parseInt(const std::string& text, long long& out) {
  if (text.empty()) return false;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (*first == '+') ++first;
  auto [ptr, ec] = std::from_chars(first, last, out);
  return ec == std::errc() && ptr == last;
}

// A decimal real number, as the game writes one (the shortest text that
// reads back as the same double).
inline bool parseReal(const std::string& text, double& out) {
  if (text.empty()) return false;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && ptr == text.data() + text.size() && std::isfinite(out);
}

// Splits off the first blank-separated word; the rest keeps its blanks
// except the one separator.
inline std::pair<std::string, std::string> firstWord(const std::string& line) {
  const auto blank = line.find(' ');
  if (blank == std::string::npos) return {line, ""};
  return {line.substr(0, blank), line.substr(blank + 1)};
}

}  // namespace vorlund
