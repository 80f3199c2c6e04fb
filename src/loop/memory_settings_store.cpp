#include "loop/memory_settings_store.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace vorlund {

bool parseSettingsInteger(const std::string& text, std::int32_t& out) {
  if (text.empty() || text.size() > 20) return false;
  const char* begin = text.c_str();
  int base = 10;
  std::string digits = text;
  if (text[0] == '$') {
    digits = text.substr(1);
    base = 16;
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    digits = text.substr(2);
    base = 16;
  }
  begin = digits.c_str();
  if (*begin == '\0' || *begin == ' ' || *begin == '\t') return false;
  char* end = nullptr;
  errno = 0;
  const long long v = std::strtoll(begin, &end, base);
  if (errno != 0 || end == begin || *end != '\0') return false;
  if (base == 16) {
    // Hexadecimal is a 32-bit pattern: $FFFFFFFF is -1.
    if (v < 0 || v > 0xFFFFFFFFLL) return false;
    out = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    return true;
  }
  if (v < INT32_MIN || v > INT32_MAX) return false;
  out = static_cast<std::int32_t>(v);
  return true;
}

std::int32_t MemorySettingsStore::readInteger(const std::string& section, const std::string& ident,
                                              std::int32_t defaultValue) {
  auto it = values_.find({section, ident});
  std::int32_t v = 0;
  if (it == values_.end() || !parseSettingsInteger(it->second, v)) return defaultValue;
  return v;
}

bool MemorySettingsStore::readBool(const std::string& section, const std::string& ident,
                                   bool defaultValue) {
  return readInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void MemorySettingsStore::writeInteger(const std::string& section, const std::string& ident,
                                       std::int32_t value) {
  values_[{section, ident}] = std::to_string(value);
}

void MemorySettingsStore::writeBool(const std::string& section, const std::string& ident,
                                    bool value) {
  writeInteger(section, ident, value ? 1 : 0);
}

void MemorySettingsStore::setRaw(const std::string& section, const std::string& ident,
                                 const std::string& text) {
  values_[{section, ident}] = text;
}

}  // namespace vorlund
