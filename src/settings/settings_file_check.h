#pragma once
#include <QSettings>
#include <QString>
#include <cstddef>
#include <optional>

#include "state/failure.h"
#include "state/file_io.h"

namespace vorlund {

// No settings file comes near this size: each copy of the game keeps a few
// hundred bytes in it.
inline constexpr std::size_t kLargestSettingsFile = std::size_t{1} << 20;

// What keeps QSettings from reading these bytes of an ini file faithfully:
// a NUL byte or anything else that is not UTF-8 text (a file saved as UTF-16),
// or a value before the first section (whose section line was lost); "" when
// nothing does. A UTF-8 byte-order mark and any line ends are read as they are.
[[nodiscard]] std::optional<Failure> iniTextFault(const Bytes& bytes);

// What keeps the game from finding its values in parsed settings: a parse
// error, or, where its own "Status" is missing, a value of its own under a
// name that differs only in letter case or that lies outside any copy's
// ".../quorvistrana/MainForm" group (say, a lowercase or a lost section); ""
// when nothing does. `root` is the group the game's sections lie in.
[[nodiscard]] std::optional<Failure> settingsFault(const QSettings& settings, const QString& root);

}  // namespace vorlund
