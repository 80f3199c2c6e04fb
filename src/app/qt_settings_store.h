#pragma once
#include <QSettings>
#include <QString>

#include "shell/settings_store.h"

namespace vorlund::app {

// The settings in the per-user ini file of QSettings. The key is the
// executable's folder followed by "quorvistrana", each folder name a group,
// so two copies of the game in two folders keep their own purses.
class QtSettingsStore : public SettingsStore {
 public:
  explicit QtSettingsStore(const QString& executableDir);
  std::int32_t readInteger(const std::string& section, const std::string& ident,
                           std::int32_t defaultValue) override;
  bool readBool(const std::string& section, const std::string& ident, bool defaultValue) override;
  void writeInteger(const std::string& section, const std::string& ident,
                    std::int32_t value) override;
  void writeBool(const std::string& section, const std::string& ident, bool value) override;
  FileResult flush() override;
  std::string fileName() const override;

  // The group path below which the sections live, e.g. "opt/vorlund/quorvistrana".
  static QString keyPath(const QString& executableDir);

 private:
  QString key(const std::string& section, const std::string& ident) const;
  QSettings settings_;
  QString root_;
};

}  // namespace vorlund::app
