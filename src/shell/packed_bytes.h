#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "shell/little_endian.h"

namespace vorlund {

// Bytes kept inside a text file: deflated with zlib, written as base64 (the
// standard alphabet, with padding), checked by their CRC-32.

std::uint32_t crc32Of(std::span<const unsigned char> bytes);
// The CRC-32 as eight lower-case hexadecimal digits.
std::string crcText(std::uint32_t crc);
std::optional<std::uint32_t> parseCrc(std::string_view text);

Bytes deflateBytes(std::span<const unsigned char> bytes);
// The bytes of a zlib stream that inflates to exactly `size` bytes; nothing
// when it is damaged or inflates to any other size.
std::optional<Bytes> inflateBytes(std::span<const unsigned char> packed, std::size_t size);

std::string base64Text(std::span<const unsigned char> bytes);
// Appends the bytes of a base64 text to `out`; false when it is not one
// (another character, a length no multiple of four, padding inside).
bool appendBase64(std::string_view text, Bytes& out);

}  // namespace vorlund
