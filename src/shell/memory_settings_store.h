#pragma once
#include <map>
#include <string>
#include <utility>

#include "shell/settings_store.h"

namespace vorlund {

// Settings kept as text in memory, as a settings file keeps them:
// a value that does not parse reads as the default. The sim's store when it
// is given no settings file, and the tests'.
class MemorySettingsStore : public SettingsStore {
 public:
  using Key = std::pair<std::string, std::string>;  // section, ident

  std::int32_t readInteger(const std::string& section, const std::string& ident,
                           std::int32_t defaultValue) override;
  bool readBool(const std::string& section, const std::string& ident, bool defaultValue) override;
  void writeInteger(const std::string& section, const std::string& ident,
                    std::int32_t value) override;
  void writeBool(const std::string& section, const std::string& ident, bool value) override;

  void setRaw(const std::string& section, const std::string& ident, const std::string& text);
  const std::map<Key, std::string>& values() const { return values_; }

 protected:
  std::map<Key, std::string> values_;
};

}  // namespace vorlund
