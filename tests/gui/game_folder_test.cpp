#include "app/game_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

namespace vorlund::app {
namespace {

namespace fs = std::filesystem;

struct GameFolderTest : ::testing::Test {
  fs::path root;
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("vorlund-folder-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root / "share");
    for (const char* f : {"aorb1.orb", "atri1.tri", "names.txt", "races.txt", "risks.txt",
                          "Fig13000.bmp", "Fig13144.bmp", "wendlebrook_song_one.mp3"})
      write(root / "share" / f, std::string("installed ") + f);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(root / "share", fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(root, ec);
  }
  static void write(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
  }
  static std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  FolderChoice choose(const fs::path& current, const char* xdg = nullptr) {
    const std::string home = (root / "home").string();
    return chooseGameFolder(current, {root / "nowhere", root / "share"}, {root / "share"}, xdg,
                            home.c_str());
  }
};

// Where it starts when the game files are there and may be written (nothing
// is copied); elsewhere in the player's own folder, made from the installed
// data without the textures and the tune, under XDG_DATA_HOME when that is
// absolute. The installed data is never the game folder, though root may
// write there, not even reached through a link or named as XDG_DATA_HOME.
TEST_F(GameFolderTest, PlaysWhereTheFilesAreOrInThePlayersFolderMadeFromTheInstalledData) {
  fs::create_directories(root / "mine");
  fs::copy(root / "share", root / "mine", fs::copy_options::recursive);
  const FolderChoice there = choose(root / "mine");
  EXPECT_EQ(there.dir, root / "mine");
  EXPECT_TRUE(there.errors.empty());
  EXPECT_FALSE(fs::exists(root / "home")) << "nothing is copied";
  const FolderChoice c = choose(root);
  ASSERT_EQ(c.dir, root / "home" / ".local" / "share" / "vorlund");
  EXPECT_TRUE(c.errors.empty());
  EXPECT_EQ(read(c.dir / "atri1.tri"), "installed atri1.tri");
  for (const char* f : {"Fig13000.bmp", "Fig13144.bmp", "wendlebrook_song_one.mp3"})
    EXPECT_FALSE(fs::exists(c.dir / f)) << f << " copied";
  EXPECT_EQ(choose(root / "share").dir, c.dir);
  fs::create_directory_symlink(root / "share", root / "link");
  EXPECT_EQ(choose(root / "link").dir, c.dir);
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
  EXPECT_EQ(userGameFolder("", "/home/p"), fs::path("/home/p/.local/share/vorlund"));
  EXPECT_EQ(userGameFolder(nullptr, nullptr), fs::path());
  EXPECT_FALSE(chooseGameFolder(root, {root / "share"}, {}, nullptr, nullptr).errors.empty());
  if (::geteuid() == 0) return;  // root writes everywhere
  fs::permissions(root / "share", fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_EQ(choose(root / "share").dir, c.dir) << "not in a folder that cannot be written";
}

// What play changed stays; what is missing (a deleted list, a file of a
// newer version) is copied again; folders and the player's own files are
// left, and a link there is never followed.
TEST_F(GameFolderTest, LaterStartsCopyOnlyWhatIsMissing) {
  const fs::path own = choose(root).dir;
  write(own / "names.txt", "Zoë\n");
  write(own / "characters.svd", "farm");
  fs::remove(own / "races.txt");
  write(root / "share" / "Fig13100.bmp", "texture of a newer version");
  write(root / "share" / "Fig13145.bmp", "no texture of the game");
  fs::create_directories(root / "share" / "sub");
  fs::remove(own / "risks.txt");
  fs::create_symlink(root / "outside", own / "risks.txt");

  EXPECT_TRUE(choose(root).errors.empty());
  EXPECT_EQ(read(own / "names.txt"), "Zoë\n");
  EXPECT_EQ(read(own / "characters.svd"), "farm");
  EXPECT_EQ(read(own / "races.txt"), "installed races.txt");
  EXPECT_FALSE(fs::exists(own / "Fig13100.bmp"));
  EXPECT_EQ(read(own / "Fig13145.bmp"), "no texture of the game");
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

  write(root / "blocked", "a file where the folder should be");
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
