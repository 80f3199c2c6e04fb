#include "shell/packed_bytes.h"

#include <zlib.h>

#include <array>
#include <charconv>

namespace vorlund {
namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Each character's six bits, or -1.
constexpr std::array<int, 256> decodingTable() {
  std::array<int, 256> table{};
  table.fill(-1);
  for (std::size_t i = 0; i < kAlphabet.size(); ++i)
    table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<int>(i);
  return table;
}

constexpr std::array<int, 256> kDecoding = decodingTable();

}  // namespace

std::uint32_t crc32Of(std::span<const unsigned char> bytes) {
  uLong crc = crc32(0L, Z_NULL, 0);
  // zlib counts in 32-bit lengths; a larger span goes in pieces.
  for (std::size_t at = 0; at < bytes.size();) {
    const auto piece = static_cast<uInt>(std::min<std::size_t>(bytes.size() - at, 1u << 30));
    crc = crc32(crc, bytes.data() + at, piece);
    at += piece;
  }
  return static_cast<std::uint32_t>(crc);
}

std::string crcText(std::uint32_t crc) {
  char digits[9] = {};
  const auto [end, ec] = std::to_chars(digits, digits + 8, crc, 16);
  const std::string text(digits, end);
  return std::string(8 - text.size(), '0') + text;
}

std::optional<std::uint32_t> parseCrc(std::string_view text) {
  std::uint32_t crc = 0;
  if (text.size() != 8) return std::nullopt;
  for (char c : text)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return std::nullopt;
  std::from_chars(text.data(), text.data() + text.size(), crc, 16);
  return crc;
}

// zlib's default level: the best would make the ring table a tenth smaller
// and take six times as long, at every start.
Bytes deflateBytes(std::span<const unsigned char> bytes) {
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  Bytes packed(size);
  if (compress2(packed.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()),
                Z_DEFAULT_COMPRESSION) != Z_OK)
    return {};
  packed.resize(size);
  return packed;
}

std::optional<Bytes> inflateBytes(std::span<const unsigned char> packed, std::size_t size) {
  Bytes bytes(size);
  // One byte more than promised, to tell a stream that would run on.
  bytes.push_back(0);
  uLongf made = static_cast<uLongf>(bytes.size());
  uLong used = static_cast<uLong>(packed.size());
  const int result = uncompress2(bytes.data(), &made, packed.data(), &used);
  if (result != Z_OK || made != size || used != packed.size()) return std::nullopt;
  bytes.resize(size);
  return bytes;
}

std::string base64Text(std::span<const unsigned char> bytes) {
  std::string text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
    std::uint32_t group = std::uint32_t{bytes[i]} << 16;
    if (n > 1) group |= std::uint32_t{bytes[i + 1]} << 8;
    if (n > 2) group |= bytes[i + 2];
    for (std::size_t k = 0; k < 4; ++k)
      text += k <= n ? kAlphabet[(group >> (18 - 6 * k)) & 63] : '=';
  }
  return text;
}

bool appendBase64(std::string_view text, Bytes& out) {
  if (text.size() % 4 != 0) return false;
  for (std::size_t i = 0; i < text.size(); i += 4) {
    const bool last = i + 4 == text.size();
    const int pad = last ? (text[i + 3] == '=') + (text[i + 2] == '=') : 0;
    std::uint32_t group = 0;
    for (std::size_t k = 0; k < 4; ++k) {
      const int bits = k >= 4 - static_cast<std::size_t>(pad)
                           ? 0
                           : kDecoding[static_cast<unsigned char>(text[i + k])];
      if (bits < 0) return false;
      group = group << 6 | static_cast<std::uint32_t>(bits);
    }
    out.push_back(static_cast<unsigned char>(group >> 16));
    if (pad < 2) out.push_back(static_cast<unsigned char>(group >> 8));
    if (pad < 1) out.push_back(static_cast<unsigned char>(group));
  }
  return true;
}

}  // namespace vorlund
