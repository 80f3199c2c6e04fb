#include "settings/settings_file_check.h"

#include <QStringList>
#include <QUtf8StringView>
#include <array>
#include <string_view>

namespace vorlund {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The idents the game keeps in its "MainForm" section.
const std::array<QString, 14>& ownIdents() {
  static const std::array<QString, 14> idents = {"Status", "Top",   "Left",  "Width",   "Height",
                                                 "Coin1",  "Coin2", "Coin3", "Coin4",   "Coin5",
                                                 "Coin6",  "Coin7", "Coin8", "Betrayal"};
  return idents;
}

bool isOwnIdent(const QString& name, Qt::CaseSensitivity cs) {
  for (const QString& ident : ownIdents())
    if (name.compare(ident, cs) == 0) return true;
  return false;
}

// A key as some copy of the game writes it: FOLDERS/quorvistrana/MainForm/IDENT.
bool isAnyCopysKey(const QString& key) {
  const QStringList parts = key.split('/');
  return parts.size() >= 4 && parts[parts.size() - 3] == "quorvistrana" &&
         parts[parts.size() - 2] == "MainForm" && isOwnIdent(parts.back(), Qt::CaseSensitive);
}

}  // namespace

std::optional<Failure> iniTextFault(const Bytes& bytes) {
  std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (text.find('\0') != std::string_view::npos) return Failure::logged("not a text file");
  if (!QUtf8StringView(text.data(), static_cast<qsizetype>(text.size())).isValidUtf8())
    return Failure::logged("not UTF-8 text");
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  // Lines end with LF, CR LF or a lone CR; blanks and comments say nothing.
  bool inSection = false;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == ';' || line[first] == '#') continue;
    if (line[first] == '[')
      inSection = true;
    else if (!inSection)
      return Failure::logged("a value outside any section");
  }
  return std::nullopt;
}

std::optional<Failure> settingsFault(const QSettings& settings, const QString& root) {
  switch (settings.status()) {
    case QSettings::NoError:
      break;
    case QSettings::AccessError:
      return Failure::logged("it cannot be read");
    case QSettings::FormatError:
      return Failure::logged("not in the ini format");
  }
  const QString own = root + "/MainForm/";
  if (settings.contains(own + "Status")) return std::nullopt;
  for (const QString& key : settings.allKeys()) {
    const QString name = key.section('/', -1);
    if (!isOwnIdent(name, Qt::CaseInsensitive)) continue;
    const bool ownInOtherCase =
        key.compare(own + name, Qt::CaseInsensitive) == 0 && key != own + name;
    if (ownInOtherCase || !isAnyCopysKey(key))
      return Failure::logged("its value " + key.toStdString() + " lies where the game does not look");
  }
  return std::nullopt;
}

}  // namespace vorlund
