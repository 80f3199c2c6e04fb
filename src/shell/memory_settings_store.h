#pragma once
#include <map>
#include <string>
#include <utility>

#include "shell/settings_store.h"

namespace vorlund {

// Settings kept as text in memory, as an ini file or the registry keeps them:
// a value that does not parse reads as the default.
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

// The same, kept in an ini file: read when opened, written whole by flush()
// through the atomic writer, so a crash mid-save never leaves half a settings
// file. An unreadable file reads as empty.
class IniSettingsStore : public MemorySettingsStore {
 public:
  explicit IniSettingsStore(std::string path);
  FileResult flush() override;
  std::string fileName() const override { return path_; }

 private:
  void load();
  std::string path_;
};

}  // namespace vorlund
