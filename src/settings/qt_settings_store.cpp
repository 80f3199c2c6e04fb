#include "settings/qt_settings_store.h"

#include <sys/stat.h>

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVariant>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "settings/settings_file_check.h"
#include "settings/settings_path.h"

namespace vorlund {

namespace {

// Why the file at `path` cannot be read faithfully, or nothing when it can
// (or is not there at all).
std::optional<Failure> rawFault(const std::filesystem::path& path) {
  Bytes bytes;
  const FileResult read = readFileBounded(path, kLargestSettingsFile, bytes);
  if (read.code == FileResult::Code::Missing) return std::nullopt;
  if (!read) return Failure::logged(read.reason());
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
                                 const std::filesystem::path& executableDir, bool ownFolder)
    : file_(file), root_(settingsKeyPath(executableDir)), ownFolder_(ownFolder) {
  open();
}

std::unique_ptr<QtSettingsStore> QtSettingsStore::forUser(
    const std::filesystem::path& executableDir) {
  return std::make_unique<QtSettingsStore>(userFile(), executableDir, true);
}

// Where QSettings keeps the ini file of organisation and application
// "Vorlund" for the user, worked out without opening it: a QSettings made to
// ask would read it at once, and block on a pipe in its place.
std::filesystem::path QtSettingsStore::userFile() {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return std::filesystem::path(config.toStdString()) / "Vorlund" / "Vorlund.ini";
}

void QtSettingsStore::open() {
  if (const std::optional<Failure> fault = settingsPathFault(file_, ownFolder_)) {
    refused_ = true;
    openingFailure_ =
        Failure::logged(file_.string() + " cannot keep the settings (" + fault->message +
                        "): they start afresh and will not be saved");
    return;
  }
  const QString name = QString::fromStdString(file_.string());
  // Looked at before QSettings opens it: a pipe in its place would block it,
  // and what it cannot parse it would write back mangled.
  std::optional<Failure> unread = rawFault(file_);
  if (!unread) {
    settings_ = std::make_unique<QSettings>(name, QSettings::IniFormat);
    unread = settingsFault(*settings_, root_);
    if (!unread) return;
    settings_.reset();
  }
  const std::string& fault = unread->message;
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

// QSettings says nothing when it cannot write a file (a full disk leaves it
// empty and its status "no error"), so it never writes the player's file:
// it makes the new bytes in a folder of its own, they are read back and
// checked, and only then the atomic writer puts them in place, leaving the
// old file whole on any failure. The file is read again at the save, so that
// what another copy of the game saved meanwhile is kept.
FileResult QtSettingsStore::flush() {
  if (refused_ || written_.empty()) return {};
  if (!settings_) return {FileResult::Code::Failed, "it could not be read and was left as it was"};
  if (FileResult may = mayReplace(file_); !may) return may;
  Bytes bytes;
  if (FileResult made = savedBytes(bytes); !made) return made;
  std::error_code ec;
  if (ownFolder_) std::filesystem::create_directories(file_.parent_path(), ec);
  // A link to the file stays a link: the file it points to is replaced.
  std::filesystem::path target = file_;
  std::error_code missing;  // a file not there yet is no link
  if (!ec && std::filesystem::is_symlink(std::filesystem::symlink_status(file_, missing)))
    target = std::filesystem::canonical(file_, ec);
  if (ec) return {FileResult::Code::Failed, ec.message()};
  if (FileResult written = writeFileAtomically(target, bytes); !written) return written;
  written_.clear();
  settings_->sync();  // reads back what is now saved
  return {};
}

namespace {

using Values = std::map<QString, QVariant>;

Values valuesOf(const QSettings& settings) {
  Values values;
  for (const QString& k : settings.allKeys()) values[k] = settings.value(k);
  return values;
}

}  // namespace

FileResult QtSettingsStore::savedBytes(Bytes& out) const {
  Bytes old;
  if (FileResult read = readFileBounded(file_, kLargestSettingsFile, old);
      !read && read.code != FileResult::Code::Missing)
    return read;
  if (const std::optional<Failure> fault = iniTextFault(old))
    return {FileResult::Code::Failed,
            "it was changed into a file the game cannot read: " + fault->message};
  const QTemporaryDir scratch;
  if (!scratch.isValid())
    return {FileResult::Code::Failed,
            "no room to prepare it: " + scratch.errorString().toStdString()};
  const std::filesystem::path made = scratch.filePath("made.ini").toStdString();
  const std::filesystem::path check = scratch.filePath("check.ini").toStdString();
  if (FileResult copied = writeFileAtomically(made, old); !copied) return copied;
  Values wanted;
  {
    QSettings settings(QString::fromStdString(made), QSettings::IniFormat);
    for (const auto& [k, value] : written_) settings.setValue(k, value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
      return {FileResult::Code::Failed, "its new text could not be made"};
    wanted = valuesOf(settings);
  }
  // What was made must read back as exactly what was meant.
  if (FileResult read = readFileBounded(made, kLargestSettingsFile, out); !read) return read;
  if (FileResult copied = writeFileAtomically(check, out); !copied) return copied;
  const QSettings reread(QString::fromStdString(check), QSettings::IniFormat);
  if (reread.status() != QSettings::NoError || valuesOf(reread) != wanted) {
    out.clear();
    return {FileResult::Code::Failed, "its new text could not be made whole"};
  }
  return {};
}

}  // namespace vorlund
