#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vorlund::music {

// The bytes of a mono 16-bit PCM WAV file.
std::vector<std::uint8_t> wavBytes(const std::vector<std::int16_t>& samples, int sampleRate);

// Writes the bytes to `path`; false with `error` set when it could not.
bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& error);

}  // namespace vorlund::music
