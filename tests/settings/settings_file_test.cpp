// The settings file as the game and the sim keep it: QSettings' ini file,
// read faithfully or set aside, never replaced by a first run's purses.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "settings/qt_settings_store.h"
#include "shell/settings.h"
#include "support/test_game.h"

namespace vorlund {
namespace {

namespace fs = std::filesystem;

// The store of a copy of the game in /opt/vorlund.
const fs::path kGameFolder = "/opt/vorlund";

// Status 1 and a purse of -20, as QSettings writes them for that copy.
const std::string kGood =
    "[opt]\n"
    "vorlund\\quorvistrana\\MainForm\\Coin1=-20\n"
    "vorlund\\quorvistrana\\MainForm\\Status=1\n";

std::string replaced(std::string s, const std::string& from, const std::string& to) {
  for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
    s.replace(at, from.size(), to);
  return s;
}

std::string utf16(const std::string& ascii) {
  std::string out = "\xff\xfe";
  for (char c : ascii) out += std::string{c, '\0'};
  return out;
}

struct Store {
  explicit Store(const fs::path& file) : store(file, kGameFolder) {}
  QtSettingsStore store;
  int read(const char* ident) { return store.readInteger("MainForm", ident, 0); }
  std::string failure() {
    const std::optional<Failure> f = store.takeOpeningFailure();
    return f ? f->message : "";
  }
};

// What QSettings reads as it is: line ends of any kind, a UTF-8 byte-order
// mark, comments, the groups of other copies of the game.
TEST(SettingsFile, ReadsEveryFormQSettingsReadsFaithfully) {
  const std::string other = "[home]\nann\\quorvistrana\\MainForm\\Status=3\n";
  for (const std::string& text :
       {kGood, "\xEF\xBB\xBF" + kGood, replaced(kGood, "\n", "\r"), replaced(kGood, "\n", "\r\n"),
        "; saved by the game\n\n" + other + kGood}) {
    test::TempDir dir;
    dir.write("Vorlund.ini", text);
    Store s(dir.path() / "Vorlund.ini");
    EXPECT_EQ(s.failure(), "") << text;
    EXPECT_EQ(s.read("Status"), 1) << text;
    EXPECT_EQ(s.read("Coin1"), -20) << text;
    EXPECT_FALSE(fs::exists(dir.path() / "Vorlund.ini.bak"));
  }
}

struct Unreadable {
  const char* what;
  std::function<void(const test::TempDir&)> make;
  const char* reason;
};

// A file the store cannot read faithfully is set aside whole, with a message,
// and the new file takes its name; nothing of it is lost or mangled.
TEST(SettingsFile, AFileItCannotReadIsKeptBesideTheNewOne) {
  const auto text = [](std::string bytes) {
    return [bytes](const test::TempDir& d) { d.write("Vorlund.ini", bytes); };
  };
  const Unreadable cases[] = {
      {"UTF-16", text(utf16(kGood)), "not a text file"},
      {"Latin-1", text(replaced(kGood, "-20", "-20\xe9")), "not UTF-8 text"},
      {"no section line", text(replaced(kGood, "[opt]\n", "")), "a value outside any section"},
      {"section in other letter case", text(replaced(kGood, "[opt]", "[Opt]")),
       "its value Opt/vorlund/quorvistrana/MainForm/Coin1 lies where the game does not look"},
      {"group in other letter case", text(replaced(kGood, "MainForm", "mainform")),
       "its value opt/vorlund/quorvistrana/mainform/Coin1 lies where the game does not look"},
      {"the sections of an older sim", text("[MainForm]\nCoin1=-20\nStatus=1\n"),
       "its value MainForm/Coin1 lies where the game does not look"},
      {"a broken section line", text(replaced(kGood, "[opt]", "[opt")), "not in the ini format"},
      {"too large", text(kGood + std::string(1 << 20, ';')), "too large"},
      {"a read error (a link to process memory, unreadable even to root)",
       [](const test::TempDir& d) {
         fs::create_symlink("/proc/self/mem", d.path() / "Vorlund.ini");
       },
       "Input/output error"},
  };
  for (const Unreadable& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    c.make(dir);
    const fs::path file = dir.path() / "Vorlund.ini";
    const fs::path aside = dir.path() / "Vorlund.ini.bak";
    const auto kind = fs::symlink_status(file).type();
    const std::string bytes = kind == fs::file_type::regular ? dir.read("Vorlund.ini") : "";
    {
      Store s(file);
      EXPECT_EQ(s.failure(), std::string("Vorlund.ini cannot be read (") + c.reason +
                                 "): it is kept as Vorlund.ini.bak, and the settings start afresh");
      EXPECT_EQ(s.read("Status"), 0) << "a first run";
      s.store.writeInteger("MainForm", "Coin1", 7);
      EXPECT_TRUE(s.store.flush().ok());
    }
    EXPECT_EQ(fs::symlink_status(aside).type(), kind);
    EXPECT_EQ(kind == fs::file_type::regular ? dir.read("Vorlund.ini.bak") : "", bytes);
    Store again(file);
    EXPECT_EQ(again.failure(), "");
    EXPECT_EQ(again.read("Coin1"), 7);
  }
}

// A file that can be neither read nor moved (here its name leaves no room
// for ".bak"), and something that is no file put in the file's place during
// play, stay exactly as they were, and saving says why.
TEST(SettingsFile, AFileThatCannotBeSetAsideOrAPipePutInItsPlaceIsNeverWritten) {
  test::TempDir dir;
  const std::string name(252, 'v');
  dir.write(name, utf16(kGood));
  {
    Store s(dir.path() / name);
    EXPECT_EQ(s.failure(), name +
                               " cannot be read (not a text file) nor set aside (File name too "
                               "long): it is left as it is, and the settings will not be saved");
    EXPECT_EQ(s.read("Coin1"), 0);
    s.store.writeInteger("MainForm", "Coin1", 7);
    const FileResult r = s.store.flush();
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.reason(), "it could not be read and was left as it was");
  }
  EXPECT_EQ(dir.read(name), utf16(kGood));

  // Something that is no file, put in the file's place during play.
  const fs::path file = dir.path() / "Vorlund.ini";
  dir.write("Vorlund.ini", kGood);
  Store s(file);
  fs::remove(file);
  ::mkfifo(file.c_str(), 0600);
  s.store.writeInteger("MainForm", "Coin1", 7);
  EXPECT_EQ(s.store.flush().code, FileResult::Code::NotRegular);
  EXPECT_TRUE(fs::is_fifo(file));
}

// What is no regular file cannot keep the settings: the store starts empty,
// says so once, and neither moves nor writes it. A missing folder is made
// only when it is the game's own.
TEST(SettingsFile, WhatIsNoRegularFileIsToldOnceAndLeftAlone) {
  test::TempDir dir;
  ::mkfifo((dir.path() / "pipe.ini").c_str(), 0600);
  fs::create_directory(dir.path() / "folder.ini");
  fs::create_symlink("/dev/null", dir.path() / "device.ini");
  fs::create_symlink(dir.path() / "gone", dir.path() / "nothing.ini");
  for (const auto& [name, reason] : std::vector<std::pair<fs::path, std::string>>{
           {"pipe.ini", "not a regular file"},
           {"folder.ini", "not a regular file"},
           {"device.ini", "not a regular file"},
           {"nothing.ini", "a link to nothing"},
           {"missing/Vorlund.ini", "there is no folder " + (dir.path() / "missing").string()}}) {
    Store s(dir.path() / name);
    EXPECT_EQ(s.failure(), (dir.path() / name).string() + " cannot keep the settings (" + reason +
                               "): they start afresh and will not be saved");
    EXPECT_EQ(s.failure(), "") << "told once";
    s.store.writeInteger("MainForm", "Coin1", 7);
    EXPECT_TRUE(s.store.flush().ok()) << name;
  }
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(dir.path()))
    left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"device.ini", "folder.ini", "nothing.ini", "pipe.ini"}));
  EXPECT_TRUE(fs::is_fifo(dir.path() / "pipe.ini") && fs::is_character_file("/dev/null"));

  QtSettingsStore own(dir.path() / "Vorlund" / "Vorlund.ini", kGameFolder, true);
  EXPECT_FALSE(own.takeOpeningFailure().has_value());
  own.writeInteger("MainForm", "Coin1", 7);
  EXPECT_TRUE(own.flush().ok());
  EXPECT_EQ(Store(dir.path() / "Vorlund" / "Vorlund.ini").read("Coin1"), 7);
}

// The game's store and the sim's are one: what the game saved in the
// player's Vorlund.ini the sim beside it reads, and what the sim saves there
// the game reads back. The player's file is found without being opened: a
// pipe in its place blocks nothing, and is left as it is.
TEST(SettingsFile, TheGameAndTheSimBesideItKeepOneFile) {
  test::TempDir config;
  ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
  const fs::path simFolder = fs::canonical(VORLUND_SIM).parent_path();
  const fs::path file = QtSettingsStore::userFile();
  // Where QSettings itself would keep it (asked while nothing is there to block it).
  EXPECT_EQ(file, QSettings(QSettings::IniFormat, QSettings::UserScope, "Vorlund", "Vorlund")
                      .fileName()
                      .toStdString());
  EXPECT_EQ(file, config.path() / "Vorlund" / "Vorlund.ini");
  fs::create_directories(file.parent_path());
  ::mkfifo(file.c_str(), 0600);
  {
    test::TestGame game(QtSettingsStore::forUser(simFolder));
    ASSERT_TRUE(game.platform->settings().takeOpeningFailure().has_value());
    writeSettings(game.g());
    EXPECT_TRUE(fs::is_fifo(file));
  }
  fs::remove(file);
  {
    test::TestGame game(QtSettingsStore::forUser(simFolder));
    for (int s = 1; s <= kSlotCount; ++s) slot(game.g(), s).Coin = -1000 * s;
    game.g().betrayal = true;
    writeSettings(game.g());
    EXPECT_TRUE(game.platform->failures.empty());
  }
  test::TempDir folder;
  test::installWorld(folder);
  const fs::path script = folder.path() / "commands.vsim";
  std::ofstream(script) << "expect fighter 1 Coin -1000\nexpect fighter 8 Coin -8000\n"
                           "expect state betrayal true\nset 2 Coin 99\nclose\n";
  const std::string sim = std::string(VORLUND_SIM) + " --seed 1 --dir '" + folder.path().string() +
                          "' --settings '" + file.string() + "' < '" + script.string() +
                          "' > /dev/null 2>&1";
  EXPECT_EQ(std::system(sim.c_str()), 0);
  test::TestGame back(QtSettingsStore::forUser(simFolder));
  readSettings(back.g());
  EXPECT_TRUE(back.platform->failures.empty());
  EXPECT_EQ(slot(back.g(), 1).Coin, -1000);
  EXPECT_EQ(slot(back.g(), 2).Coin, 99);
  EXPECT_TRUE(back.g().betrayal);
  ::unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace vorlund
