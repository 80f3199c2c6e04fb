#include "settings/qt_settings_store.h"

#include <sys/stat.h>

#include <QDir>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "settings/settings_file_check.h"

namespace vorlund {

namespace {

// Why the file at `path` cannot be read faithfully, or "" when it can (or is
// not there at all).
std::string rawFault(const std::filesystem::path& path) {
  Bytes bytes;
  const FileResult read = readFileBounded(path, kLargestSettingsFile, bytes);
  if (read.code == FileResult::Code::Missing) return {};
  if (!read) return read.reason();
  return iniTextFault(bytes);
}

// Whether the store may replace the file: it is not there, or it is a
// regular file the player left writable.
FileResult mayReplace(const std::filesystem::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return {};
    return {FileResult::Code::Failed, std::strerror(errno)};
  }
  if (!S_ISREG(st.st_mode)) return {FileResult::Code::NotRegular, {}};
  if ((st.st_mode & S_IWUSR) == 0) return {FileResult::Code::ReadOnly, {}};
  return {};
}

}  // namespace

std::filesystem::path executableFolder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", error);
  return error ? std::filesystem::current_path(error) : self.parent_path();
}

QString settingsKeyPath(const std::filesystem::path& executableDir) {
  QString path = QDir::cleanPath(QDir::fromNativeSeparators(QString::fromStdString(executableDir)));
  path += "/quorvistrana";
  while (path.startsWith('/')) path.remove(0, 1);
  return path;
}

QtSettingsStore::QtSettingsStore(const std::filesystem::path& file,
                                 const std::filesystem::path& executableDir)
    : file_(file), root_(settingsKeyPath(executableDir)) {
  open();
}

std::unique_ptr<QtSettingsStore> QtSettingsStore::forUser(
    const std::filesystem::path& executableDir) {
  return std::make_unique<QtSettingsStore>(userFile(), executableDir);
}

// Where QSettings keeps the ini file of organisation and application
// "Vorlund" for the user, worked out without opening it: a QSettings made to
// ask would read it at once, and block on a pipe in its place.
std::filesystem::path QtSettingsStore::userFile() {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return std::filesystem::path(config.toStdString()) / "Vorlund" / "Vorlund.ini";
}

void QtSettingsStore::open() {
  const QString name = QString::fromStdString(file_.string());
  // Looked at before QSettings opens it: a pipe in its place would block it,
  // and what it cannot parse it would write back mangled.
  std::string fault = rawFault(file_);
  if (fault.empty()) {
    settings_ = std::make_unique<QSettings>(name, QSettings::IniFormat);
    fault = settingsFault(*settings_, root_);
    if (fault.empty()) return;
    settings_.reset();
  }
  const std::string shown = file_.filename().string();
  std::filesystem::path aside;
  if (const FileResult moved = keepAside(file_, aside); !moved) {
    openingFailure_ =
        Failure::logged(shown + " cannot be read (" + fault + ") nor set aside (" + moved.reason() +
                        "): it is left as it is, and the settings will not be saved");
    return;
  }
  openingFailure_ = Failure::logged(shown + " cannot be read (" + fault + "): it is kept as " +
                                    aside.filename().string() + ", and the settings start afresh");
  settings_ = std::make_unique<QSettings>(name, QSettings::IniFormat);
}

std::optional<Failure> QtSettingsStore::takeOpeningFailure() {
  return std::exchange(openingFailure_, std::nullopt);
}

QString QtSettingsStore::key(const std::string& section, const std::string& ident) const {
  return root_ + "/" + QString::fromStdString(section) + "/" + QString::fromStdString(ident);
}

std::int32_t QtSettingsStore::readInteger(const std::string& section, const std::string& ident,
                                          std::int32_t defaultValue) {
  const QString k = key(section, ident);
  QString text;
  if (const auto it = written_.find(k); it != written_.end())
    text = it->second;
  else if (settings_ && settings_->contains(k))
    text = settings_->value(k).toString();
  else
    return defaultValue;
  std::int32_t out = 0;
  return parseSettingsInteger(text.trimmed().toStdString(), out) ? out : defaultValue;
}

bool QtSettingsStore::readBool(const std::string& section, const std::string& ident,
                               bool defaultValue) {
  return readInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void QtSettingsStore::writeInteger(const std::string& section, const std::string& ident,
                                   std::int32_t value) {
  written_[key(section, ident)] = QString::number(value);
}

void QtSettingsStore::writeBool(const std::string& section, const std::string& ident, bool value) {
  writeInteger(section, ident, value ? 1 : 0);
}

// QSettings saves through a new file of a unique name, exclusively created
// and flushed to disk, renamed over the old one, keeping its permission bits;
// the folder is flushed after it. The values wait in the store until the
// file may be replaced, so that nothing writes them behind its back.
FileResult QtSettingsStore::flush() {
  if (!settings_) return {FileResult::Code::Failed, "it could not be read and was left as it was"};
  if (written_.empty()) return {};
  if (FileResult may = mayReplace(file_); !may) return may;
  for (const auto& [k, value] : written_) settings_->setValue(k, value);
  written_.clear();
  settings_->sync();
  switch (settings_->status()) {
    case QSettings::NoError:
      return flushFolderOf(file_);
    case QSettings::AccessError:
      return {FileResult::Code::Failed, "it cannot be written"};
    case QSettings::FormatError:
      break;
  }
  return {FileResult::Code::Failed, "it is no longer in the ini format"};
}

}  // namespace vorlund
