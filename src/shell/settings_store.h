#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "shell/failure.h"
#include "shell/file_io.h"

namespace vorlund {

// An ini-file view of a per-user key: section + ident -> integer or boolean.
// A missing, unreadable or nonsensical value reads as the default.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::int32_t readInteger(const std::string& section, const std::string& ident,
                                   std::int32_t defaultValue) = 0;
  virtual bool readBool(const std::string& section, const std::string& ident,
                        bool defaultValue) = 0;
  virtual void writeInteger(const std::string& section, const std::string& ident,
                            std::int32_t value) = 0;
  virtual void writeBool(const std::string& section, const std::string& ident, bool value) = 0;
  // Puts what was written on disk; a store that writes at once may do nothing.
  virtual FileResult flush() { return {}; }
  // The file the store keeps, for messages; "" for a store without one.
  virtual std::string fileName() const { return {}; }
  // What went wrong when the store was opened (a settings file it could not
  // read, set aside), once; nothing when all went well.
  virtual std::optional<Failure> takeOpeningFailure() { return std::nullopt; }
};

// Parses a stored integer in either form a settings file may hold it: an
// optional sign and decimal digits that fit 32 bits, or hexadecimal with a
// leading $ or 0x.
bool parseSettingsInteger(const std::string& text, std::int32_t& out);

}  // namespace vorlund
