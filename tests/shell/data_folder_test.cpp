// The read-only data (textures and tune) is read from the game folder when it
// has its own, else from the installed data: for a test program that is the
// build's ready game folder beside its programs.
#include "shell/data_folder.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace vorlund {
namespace {

namespace fs = std::filesystem;

TEST(DataFolder, TexturesAndTuneComeFromTheGameFolderFirstThenFromTheInstalledData) {
  const fs::path installed = installedDataFolder();
  ASSERT_TRUE(fs::equivalent(installed, VORLUND_GAME_DIR)) << installed;
  test::TempDir dir;
  dir.write("Fig13007.bmp", "damaged, but the player's");
  EXPECT_EQ(readOnlyDataFile(dir.path(), "Fig13007.bmp"), dir.path() / "Fig13007.bmp");
  EXPECT_EQ(readOnlyDataFile(dir.path(), "Fig13008.bmp"), installed / "Fig13008.bmp");
  fs::create_symlink(dir.path() / "gone", dir.path() / "Fig13009.bmp");
  EXPECT_EQ(readOnlyDataFile(dir.path(), "Fig13009.bmp"), dir.path() / "Fig13009.bmp");
  // Nowhere: the game folder's name, which the failure then names.
  EXPECT_EQ(readOnlyDataFile(dir.path(), "Fig13145.bmp"), dir.path() / "Fig13145.bmp");

  for (const char* name : {"Fig13000.bmp", "Fig13144.bmp", "wendlebrook_song_one.mp3"})
    EXPECT_TRUE(isReadOnlyDataFile(name)) << name;
  for (const char* name : {"Fig13145.bmp", "Fig1300.bmp", "Fig130000.bmp", "Fig13x00.bmp",
                           "Fig13000.BMP", "names.txt", "aorb1.orb", "face.equ"})
    EXPECT_FALSE(isReadOnlyDataFile(name)) << name;
}

}  // namespace
}  // namespace vorlund
