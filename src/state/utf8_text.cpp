#include "state/utf8_text.h"

namespace vorlund {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

bool continuation(unsigned char b) {
  return (b & 0xC0) == 0x80;
}

}  // namespace

// Well-formed sequences as RFC 3629 defines them: no overlong forms, no
// surrogates, nothing above U+10FFFF.
std::size_t utf8CharBytes(std::string_view s, std::size_t pos) {
  if (pos >= s.size()) return 0;
  const auto at = [&](std::size_t i) {
    return pos + i < s.size() ? static_cast<unsigned char>(s[pos + i]) : 0;
  };
  const unsigned char b0 = at(0);
  if (b0 < 0x80) return 1;
  std::size_t n = 0;
  unsigned char lo = 0x80;
  unsigned char hi = 0xBF;  // allowed range of the second byte
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    n = 2;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    n = 3;
    if (b0 == 0xE0) lo = 0xA0;
    if (b0 == 0xED) hi = 0x9F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    n = 4;
    if (b0 == 0xF0) lo = 0x90;
    if (b0 == 0xF4) hi = 0x8F;
  } else {
    return 1;
  }
  if (at(1) < lo || at(1) > hi) return 1;
  for (std::size_t i = 2; i < n; ++i)
    if (!continuation(at(i))) return 1;
  return n;
}

std::size_t utf8Length(std::string_view s) {
  std::size_t chars = 0;
  for (std::size_t pos = 0; pos < s.size(); pos += utf8CharBytes(s, pos)) ++chars;
  return chars;
}

std::string_view utf8Prefix(std::string_view s, std::size_t chars) {
  std::size_t pos = 0;
  for (; chars > 0 && pos < s.size(); --chars) pos += utf8CharBytes(s, pos);
  return s.substr(0, pos);
}

std::string_view utf8PrefixBytes(std::string_view s, std::size_t maxBytes) {
  std::size_t pos = 0;
  while (pos < s.size()) {
    const std::size_t next = pos + utf8CharBytes(s, pos);
    if (next > maxBytes) break;
    pos = next;
  }
  return s.substr(0, pos);
}

std::string utf8Repaired(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t pos = 0; pos < s.size();) {
    const std::size_t n = utf8CharBytes(s, pos);
    const bool wellFormed = n > 1 || static_cast<unsigned char>(s[pos]) < 0x80;
    if (wellFormed)
      out.append(s.substr(pos, n));
    else
      out.append(kReplacement);
    pos += n;
  }
  return out;
}

}  // namespace vorlund
