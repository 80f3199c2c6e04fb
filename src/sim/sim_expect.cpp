// The sim's `expect` command: checks of the game that stop a script with
// exit status 1, naming its line, when they do not hold.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <system_error>

#include "fighters/character_properties.h"
#include "fighters/text_files.h"
#include "shell/command_words.h"
#include "shell/game.h"
#include "sim/sim_session.h"
#include "sim/sim_state.h"

namespace vorlund::sim {
namespace {

std::string quoted(const std::string& s) {
  return "\"" + s + "\"";
}

std::string withoutTrailingBlanks(std::string s) {
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

}  // namespace

CommandResult SimSession::expect(const std::string& args) {
  const auto [what, rest] = firstWord(args);
  badExpect_.clear();
  std::string found;
  if (what == "log")
    found = expectLog(rest, true);
  else if (what == "no-log")
    found = expectLog(rest, false);
  else if (what == "names" || what == "names-header")
    found = expectNames(args);
  else if (what == "state")
    found = expectState(rest);
  else if (what == "fighter")
    found = expectFighter(rest);
  else if (what == "sheet")
    found = expectSheet(rest);
  else if (what == "file")
    found = expectFile(rest);
  else if (what == "folder")
    found = expectFolder(rest);
  else if (what == "odds")
    found = expectOdds(rest);
  else if (what == "setting")
    found = expectSetting(rest);
  else if (what == "ring" || what == "neighbours")
    found = expectRow(what, rest);
  else
    badExpect_ = "unknown expectation: expect " + args;
  if (!badExpect_.empty()) return badArgument(badExpect_);
  if (found.empty()) return {};
  out_.flush();
  err_ << "vorlund-sim: line " << lineNumber_ << ": expect " << args << ": " << found << '\n';
  return {true, kExitFailed};
}

std::string SimSession::expectLog(const std::string& text, bool wanted) {
  const auto from = logHistory_.begin() + static_cast<std::ptrdiff_t>(logRead_);
  const auto at = std::find(from, logHistory_.end(), text);
  const std::string since =
      logRead_ == 0 ? "since the start" : "after Log line " + std::to_string(logRead_);
  if (wanted) {
    if (at == logHistory_.end()) return "no such Log line " + since;
    logRead_ = static_cast<std::size_t>(at - logHistory_.begin()) + 1;
    return {};
  }
  if (at == logHistory_.end()) return {};
  return "appended as Log line " + std::to_string(at - logHistory_.begin() + 1);
}

std::string SimSession::expectNames(const std::string& args) {
  const auto [what, text] = firstWord(args);
  const NamesModel& n = game_->names;
  if (what == "names-header") {
    const std::string header = "state=" + std::to_string(static_cast<int>(n.state())) +
                               " selected=" + std::to_string(n.selected()) +
                               " count=" + std::to_string(n.lines().size());
    return header == text ? "" : "the header is " + quoted(header);
  }
  long long index = -1;
  if (text.size() > 1 && text[0] == '#') {
    const auto [number, line] = firstWord(text.substr(1));
    if (parseInt(number, index) && index >= 0) {
      if (index >= static_cast<long long>(n.lines().size()))
        return "the list has " + std::to_string(n.lines().size()) + " lines";
      const std::string& actual = n.lines()[static_cast<std::size_t>(index)];
      return actual == line ? "" : "line " + number + " is " + quoted(actual);
    }
  }
  if (std::find(n.lines().begin(), n.lines().end(), text) != n.lines().end()) return {};
  return "no such line among " + std::to_string(n.lines().size());
}

std::string SimSession::expectState(const std::string& args) {
  const auto [key, value] = firstWord(args);
  for (const auto& [k, v] : stateFields(*game_))
    if (k == key) return v == value ? "" : key + " is " + v;
  badExpect_ = "no state key " + key + (key == "slots" ? " (expect fighter checks the slots)" : "");
  return {};
}

std::string SimSession::expectRow(const std::string& what, const std::string& args) {
  const auto [cellText, entries] = firstWord(args);
  long long cell = 0;
  if (!parseInt(cellText, cell) || cell < 1 || cell > kSphereCellCount) {
    badExpect_ = "bad cell: " + args;
    return {};
  }
  const std::string actual = rowLine(*game_, static_cast<std::int32_t>(cell), what == "ring");
  return actual == what + " " + args ? "" : "the row is " + quoted(actual);
}

std::string SimSession::expectFighter(const std::string& args) {
  const auto [slotText, rest] = firstWord(args);
  const auto [name, value] = firstWord(rest);
  long long s = 0;
  const CharacterProperty* p = findCharacterProperty(name);
  if (!parseInt(slotText, s) || s < 1 || s > kSlotCount || p == nullptr) {
    badExpect_ = "bad fighter expectation: " + args;
    return {};
  }
  const std::string actual = propertyText(slot(*game_, static_cast<int>(s)), *p);
  return actual == value ? "" : name + " is " + quoted(actual);
}

std::string SimSession::expectSheet(const std::string& args) {
  const auto [which, rest] = firstWord(args);
  const auto [number, text] = firstWord(rest);
  long long n = -1;
  if ((which != "us" && which != "them") || !parseInt(number, n) || n < 0 ||
      n > SheetModel::kLines) {
    badExpect_ = "bad sheet expectation: " + args;
    return {};
  }
  const SheetModel& sheet = which == "us" ? game_->us : game_->them;
  const std::string actual =
      n == 0 ? sheet.caption() : sheet.lines()[static_cast<std::size_t>(n - 1)];
  if (withoutTrailingBlanks(actual) == withoutTrailingBlanks(text)) return {};
  return (n == 0 ? "the caption is " : "line " + number + " is ") + quoted(actual);
}

namespace {

std::string kindOf(std::filesystem::file_type type) {
  using Type = std::filesystem::file_type;
  switch (type) {
    case Type::regular:
      return "file";
    case Type::directory:
      return "folder";
    case Type::fifo:
      return "fifo";
    case Type::symlink:
      return "link";
    case Type::not_found:
      return "missing";
    default:
      return "special";
  }
}

}  // namespace

std::string SimSession::expectFile(const std::string& args) {
  const auto [name, rest] = firstWord(args);
  const auto [check, text] = firstWord(rest);
  long long count = -1;
  const bool counted = check == "lines" || check == "bytes";
  if (name.empty() || (check != "has" && check != "lacks" && check != "is" &&
                       (!counted || !parseInt(text, count) || count < 0))) {
    badExpect_ = "bad file expectation: " + args;
    return {};
  }
  // What lies there, as it is, links not followed: a file the game could not
  // read must still be what the player left.
  const std::filesystem::path path = gameFile(*game_, name);
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::symlink_status(path, ec);
  if (check == "is") {
    const std::string kind = kindOf(status.type());
    return kind == text ? "" : name + " is a " + kind;
  }
  if (check == "bytes") {
    if (status.type() != std::filesystem::file_type::regular) return name + " is no file";
    const auto size = std::filesystem::file_size(path, ec);
    return !ec && static_cast<long long>(size) == count
               ? ""
               : name + " has " + std::to_string(size) + " bytes";
  }
  std::vector<std::string> lines;
  if (!readLines(*game_, name, lines).ok()) return name + " cannot be read";
  const bool has = std::find(lines.begin(), lines.end(), text) != lines.end();
  if (check == "has") return has ? "" : "no such line among " + std::to_string(lines.size());
  if (check == "lacks") return has ? "the line is there" : "";
  return static_cast<long long>(lines.size()) == count
             ? ""
             : name + " has " + std::to_string(lines.size()) + " lines";
}

std::string SimSession::expectSetting(const std::string& args) {
  const auto [ident, value] = firstWord(args);
  long long wanted = 0;
  if (ident.empty() || !parseInt(value, wanted)) {
    badExpect_ = "bad setting expectation: " + args;
    return {};
  }
  SettingsStore& store = platform_->settings();
  const std::int32_t read = store.readInteger("MainForm", ident, 0);
  // A value that is there reads the same whatever the default.
  if (read != store.readInteger("MainForm", ident, 1)) return "no such setting";
  return read == wanted ? "" : ident + " is " + std::to_string(read);
}

std::string SimSession::expectOdds(const std::string& args) {
  const auto [count, wanted] = firstWord(args);
  long long n = 0;
  if (!parseInt(count, n) || n < 0 || n > kMostFights) {
    badExpect_ = "bad odds expectation: " + args;
    return {};
  }
  const std::string actual = oddsText(n);
  return actual == "odds " + args ? "" : "the odds are " + quoted(actual);
}

std::string SimSession::expectFolder(const std::string& args) {
  std::vector<std::string> wanted;
  std::istringstream words(args);
  for (std::string w; words >> w;) wanted.push_back(w);
  std::vector<std::string> present;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(game_->dir, ec))
    present.push_back(entry.path().filename().string());
  if (ec) return "the folder cannot be read";
  std::sort(wanted.begin(), wanted.end());
  std::sort(present.begin(), present.end());
  if (wanted == present) return {};
  std::string list;
  for (const auto& p : present) list += " " + p;
  return "the folder holds" + list;
}

}  // namespace vorlund::sim
