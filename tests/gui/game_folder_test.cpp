#include "app/game_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "support/test_game.h"

namespace vorlund::app {
namespace {

namespace fs = std::filesystem;

// An installed data folder, share/, in a folder of its own. What a player's
// first start and a later one copy from it, and a start inside it, are played
// by gui.install with the real package; these are the cases it cannot meet.
struct GameFolderTest : ::testing::Test {
  GameFolderTest() {
    fs::create_directories(root / "share");
    for (const char* f : {"aorb1.orb", "atri1.tri", "names.txt", "races.txt", "risks.txt",
                          "Fig13000.bmp", "Fig13144.bmp", "wendlebrook_song_one.mp3"})
      tmp.write(std::string("share/") + f, std::string("installed ") + f);
  }
  ~GameFolderTest() override {
    std::error_code ec;
    fs::permissions(root / "share", fs::perms::owner_all, fs::perm_options::add, ec);
  }
  FolderChoice choose(const fs::path& current, const char* xdg = nullptr) {
    const std::string home = (root / "home").string();
    return chooseGameFolder(current, {root / "nowhere", root / "share"}, {root / "share"}, xdg,
                            home.c_str());
  }
  test::TempDir tmp;
  const fs::path root = tmp.path();
};

// The installed data is never the game folder, though root may write there:
// not reached through a link, nor named as XDG_DATA_HOME through one. The
// player's folder is under XDG_DATA_HOME only when that is absolute.
TEST_F(GameFolderTest, TheInstalledDataIsNeverTheGameFolderUnderAnyName) {
  const fs::path own = choose(root).dir;
  ASSERT_EQ(own, root / "home" / ".local" / "share" / "vorlund");
  fs::create_directory_symlink(root / "share", root / "link");
  EXPECT_EQ(choose(root / "link").dir, own);
  fs::create_directory_symlink(root, root / "data-home");
  fs::rename(root / "share", root / "vorlund");
  const std::string data = (root / "data-home").string();
  const std::string home = (root / "home").string();
  const FolderChoice installedHome =
      chooseGameFolder(root, {root / "vorlund"}, {root / "vorlund"}, data.c_str(), home.c_str());
  EXPECT_TRUE(installedHome.dir.empty());
  ASSERT_EQ(installedHome.errors.size(), 1u);
  EXPECT_NE(installedHome.errors[0].find("is the installed game data"), std::string::npos);
  fs::rename(root / "vorlund", root / "share");

  const std::string xdg = (root / "xdg").string();
  EXPECT_EQ(choose(root / "nowhere", xdg.c_str()).dir, root / "xdg" / "vorlund");
  EXPECT_EQ(userGameFolder("relative/data", "/home/p"), fs::path("/home/p/.local/share/vorlund"));
  EXPECT_EQ(userGameFolder(nullptr, nullptr), fs::path());
  EXPECT_FALSE(chooseGameFolder(root, {root / "share"}, {}, nullptr, nullptr).errors.empty());
  if (::geteuid() == 0) return;  // root writes everywhere
  fs::permissions(root / "share", fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_EQ(choose(root / "share").dir, own) << "not in a folder that cannot be written";
}

// A later start copies only files: no textures of a newer version, no
// folder, and nothing through a link the player put in a file's place; no
// copy cut short is left behind.
TEST_F(GameFolderTest, LaterStartsCopyOnlyMissingFilesAndFollowNoLink) {
  const fs::path own = choose(root).dir;
  tmp.write("share/Fig13100.bmp", "texture of a newer version");
  fs::create_directories(root / "share" / "sub");
  fs::remove(own / "risks.txt");
  fs::create_symlink(root / "outside", own / "risks.txt");
  EXPECT_TRUE(choose(root).errors.empty());
  EXPECT_FALSE(fs::exists(own / "Fig13100.bmp"));
  EXPECT_FALSE(fs::exists(own / "sub"));
  EXPECT_FALSE(fs::exists(root / "outside"));
  for (const auto& e : fs::directory_iterator(own))
    EXPECT_EQ(e.path().string().find(".part"), std::string::npos) << e.path();
}

// Installed data is often read-only; the player's copy must not be, or play
// could not rewrite names.txt.
TEST_F(GameFolderTest, CopiesAreWritableAndFailuresAreNamed) {
  fs::permissions(root / "share" / "names.txt", fs::perms::owner_read, fs::perm_options::replace);
  EXPECT_TRUE(copyMissing(root / "share", root / "own").empty());
  EXPECT_NE(fs::status(root / "own" / "names.txt").permissions() & fs::perms::owner_write,
            fs::perms::none);

  tmp.write("blocked", "a file where the folder should be");
  const auto errors = copyMissing(root / "share", root / "blocked" / "vorlund");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("Cannot create the game folder"), std::string::npos) << errors[0];
  // Nothing to copy from and nothing there: no folder to play in.
  fs::create_directories(root / "empty");
  const std::string home = (root / "home2").string();
  const FolderChoice none =
      chooseGameFolder(root / "empty", {root / "empty"}, {}, nullptr, home.c_str());
  EXPECT_TRUE(none.dir.empty());
  ASSERT_FALSE(none.errors.empty());
  EXPECT_NE(none.errors.back().find("No game files"), std::string::npos);
}

}  // namespace
}  // namespace vorlund::app
