#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace vorlund {

// The game's text is UTF-8 everywhere: its data files, its state files, the
// Log, the Names list and the sheets. A width on a sheet counts characters
// (code points), never bytes. A byte that starts no well-formed character
// counts as one character of its own.

// Bytes taken by the character that starts at byte `pos` of `s` (1 for a
// byte that starts no well-formed character, 0 at the end).
std::size_t utf8CharBytes(std::string_view s, std::size_t pos);

// Number of characters in `s`.
std::size_t utf8Length(std::string_view s);

// The first `chars` characters of `s` (all of it when it is shorter).
std::string_view utf8Prefix(std::string_view s, std::size_t chars);

// The longest start of `s` of at most `maxBytes` bytes that ends between two
// characters.
std::string_view utf8PrefixBytes(std::string_view s, std::size_t maxBytes);

// `s` with every byte that starts no well-formed character replaced by
// U+FFFD, so that every view decodes it the same way.
std::string utf8Repaired(std::string_view s);

}  // namespace vorlund
