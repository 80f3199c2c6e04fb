#pragma once
#include <QSettings>
#include <QString>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "shell/settings_store.h"

namespace vorlund {

// The folder the running program lies in, links resolved. The game and the
// sim key their settings by it, so that two copies of the game in two folders
// keep their own purses, and a game and its sim in one folder share them.
std::filesystem::path executableFolder();

// The group path below which the sections live: the folder without its
// leading separator, then "quorvistrana", e.g. "opt/vorlund/quorvistrana".
QString settingsKeyPath(const std::filesystem::path& executableDir);

// The settings of the game and of the sim, in one ini file read and written
// by QSettings, each value under KEYPATH/SECTION/IDENT.
//
// Only a regular file keeps the settings (see settingsPathFault): for
// anything else in its place the store starts empty, says so once, and
// neither reads nor writes nor moves it. A regular file that cannot be read
// faithfully (too large, not UTF-8 text, not in the ini format, the game's
// values where it does not look for them) is never silently replaced: it is
// renamed to NAME.bak (or NAME.bak.1, ...) and the store starts empty, which
// the opening failure tells. If it cannot even be moved, it is left alone and
// nothing is saved.
//
// Values written are kept until flush(), which saves them all at once
// through the atomic writer, and only into a regular file the player has not
// made read-only: a save that fails leaves the old file as it was.
class QtSettingsStore : public SettingsStore {
 public:
  // The settings kept in the ini file `file`; `ownFolder`: its folder is the
  // game's, made when it is missing.
  QtSettingsStore(const std::filesystem::path& file, const std::filesystem::path& executableDir,
                  bool ownFolder = false);
  // The player's settings: Vorlund/Vorlund.ini in the desktop's config folder.
  static std::unique_ptr<QtSettingsStore> forUser(const std::filesystem::path& executableDir);
  // Where forUser() keeps them.
  static std::filesystem::path userFile();

  std::int32_t readInteger(const std::string& section, const std::string& ident,
                           std::int32_t defaultValue) override;
  bool readBool(const std::string& section, const std::string& ident, bool defaultValue) override;
  void writeInteger(const std::string& section, const std::string& ident,
                    std::int32_t value) override;
  void writeBool(const std::string& section, const std::string& ident, bool value) override;
  FileResult flush() override;
  std::string fileName() const override { return file_.string(); }
  std::optional<Failure> takeOpeningFailure() override;

  // The group path the sections lie in.
  const QString& root() const { return root_; }

 private:
  // Opens the file, setting aside one that cannot be read.
  void open();
  QString key(const std::string& section, const std::string& ident) const;
  // The bytes of the file with the values written since the last save.
  FileResult savedBytes(Bytes& out) const;

  std::filesystem::path file_;
  QString root_;
  bool ownFolder_ = false;
  bool refused_ = false;                 // no regular file: nothing is read or written
  std::unique_ptr<QSettings> settings_;  // reads only; none: an unreadable file that had to stay
  std::map<QString, QString> written_;   // values written since the last flush
  std::optional<Failure> openingFailure_;
};

}  // namespace vorlund
