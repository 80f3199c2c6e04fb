#include "app/qt_settings_store.h"

#include <QDir>

namespace vorlund::app {

QtSettingsStore::QtSettingsStore(const QString& executableDir)
    : settings_(QSettings::IniFormat, QSettings::UserScope, "Vorlund", "Vorlund"),
      root_(keyPath(executableDir)) {}

QString QtSettingsStore::keyPath(const QString& executableDir) {
  QString path = QDir::cleanPath(QDir::fromNativeSeparators(executableDir)) + "/quorvistrana";
  while (path.startsWith('/')) path.remove(0, 1);
  return path;
}

QString QtSettingsStore::key(const std::string& section, const std::string& ident) const {
  return root_ + "/" + QString::fromStdString(section) + "/" + QString::fromStdString(ident);
}

std::int32_t QtSettingsStore::readInteger(const std::string& section, const std::string& ident,
                                          std::int32_t defaultValue) {
  const QVariant v = settings_.value(key(section, ident));
  std::int32_t out = 0;
  if (!v.isValid() || !parseSettingsInteger(v.toString().trimmed().toStdString(), out))
    return defaultValue;
  return out;
}

bool QtSettingsStore::readBool(const std::string& section, const std::string& ident,
                               bool defaultValue) {
  return readInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void QtSettingsStore::writeInteger(const std::string& section, const std::string& ident,
                                   std::int32_t value) {
  settings_.setValue(key(section, ident), QString::number(value));
}

void QtSettingsStore::writeBool(const std::string& section, const std::string& ident, bool value) {
  writeInteger(section, ident, value ? 1 : 0);
}

// QSettings writes through a temporary file and a rename, so an interrupted
// save leaves the previous file whole.
FileResult QtSettingsStore::flush() {
  settings_.sync();
  switch (settings_.status()) {
    case QSettings::NoError:
      return {};
    case QSettings::AccessError:
      return {FileResult::Code::Failed, "cannot be written"};
    case QSettings::FormatError:
      break;
  }
  return {FileResult::Code::Failed, "not in the ini format"};
}

std::string QtSettingsStore::fileName() const {
  return settings_.fileName().toStdString();
}

}  // namespace vorlund::app
