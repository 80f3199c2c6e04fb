#include "state/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <set>

#include "state/wrap32.h"
#include "support/test_game.h"

namespace vorlund {
namespace {

namespace fs = std::filesystem;
using Code = FileResult::Code;

std::set<std::string> folderNames(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
  return names;
}

mode_t modeOf(const fs::path& p) {
  struct stat st {};
  ::stat(p.c_str(), &st);
  return st.st_mode & 07777;
}

class AtomicWriter : public ::testing::Test {
 protected:
  fs::path file(const char* name = "aapla2.pla") const { return dir.path() / name; }
  test::TempDir dir;
};

// A new file is written and nothing else is left; a new file takes an old
// one's place with its permission bits, even bits the umask would have taken
// from a new file.
TEST_F(AtomicWriter, WritesAFileOrReplacesTheOldOneKeepingItsPermissionBits) {
  ASSERT_TRUE(writeFileAtomically(file(), std::string_view("first")).ok());
  EXPECT_EQ(dir.read("aapla2.pla"), "first");
  EXPECT_EQ(folderNames(dir.path()), std::set<std::string>{"aapla2.pla"});
  for (mode_t mode : {0600, 0640, 0666, 0755}) {
    dir.write("aapla2.pla", "old contents");
    ::chmod(file().c_str(), mode);
    ASSERT_TRUE(writeFileAtomically(file(), std::string_view("new")).ok()) << std::oct << mode;
    EXPECT_EQ(dir.read("aapla2.pla"), "new");
    EXPECT_EQ(modeOf(file()), mode) << std::oct << mode;
    EXPECT_EQ(folderNames(dir.path()), std::set<std::string>{"aapla2.pla"});
  }
}

// Whatever stops the save, the old file (or whatever stands in its place)
// is left exactly as it was, no temporary file remains, and the reason is
// told. (A disk that fills up halfway, scenario.full_disk fills for real.)
TEST_F(AtomicWriter, ABlockedSaveLeavesTheOldFileAndNoTemporary) {
  const std::string old = "the player's farm";
  {  // made read-only by the player: respected, root or not
    dir.write("aapla2.pla", old);
    ::chmod(file().c_str(), 0444);
    const FileResult r = writeFileAtomically(file(), std::string_view("new"));
    EXPECT_EQ(r.code, Code::ReadOnly);
    EXPECT_EQ(r.reason(), "the file is read-only");
    EXPECT_EQ(dir.read("aapla2.pla"), old);
    EXPECT_EQ(modeOf(file()), 0444u);
    fs::remove(file());
  }
  {  // a folder in the file's place
    fs::create_directories(file() / "inside");
    const FileResult r = writeFileAtomically(file(), std::string_view("new"));
    EXPECT_EQ(r.code, Code::NotRegular);
    EXPECT_TRUE(fs::is_directory(file() / "inside"));
    fs::remove_all(file());
  }
  EXPECT_TRUE(folderNames(dir.path()).empty());
  // A folder that is no folder, and one that is not there.
  dir.write("aapla2.pla", old);
  for (const fs::path& p : {file() / "x", dir.path() / "missing" / "x"}) {
    const FileResult r = writeFileAtomically(p, std::string_view("new"));
    EXPECT_EQ(r.code, Code::Failed) << p;
    EXPECT_FALSE(r.reason().empty());
  }
  EXPECT_EQ(folderNames(dir.path()), std::set<std::string>{"aapla2.pla"});
}

// A link at the name an older writer used for its temporary file leads
// nowhere: the writer never writes through a link.
TEST_F(AtomicWriter, NeverFollowsALinkBesideTheFile) {
  test::TempDir outside;
  outside.write("victim", "not the game's");
  fs::create_symlink(outside.path() / "victim", dir.path() / "aapla2.pla.tmp");
  ASSERT_TRUE(writeFileAtomically(file(), std::string_view("saved")).ok());
  EXPECT_EQ(outside.read("victim"), "not the game's");
  EXPECT_TRUE(fs::is_symlink(dir.path() / "aapla2.pla.tmp"));
  EXPECT_EQ(dir.read("aapla2.pla"), "saved");
}

// Nothing but a regular file is opened; a pipe in a file's place would block
// the start-up for ever, a link to an endless device would eat the memory.
TEST(BoundedReader, ReadsUpToItsLimitAndRefusesWhatIsNoRegularFileAtOnce) {
  test::TempDir dir;
  dir.write("list.txt", "0123456789");
  Bytes bytes;
  ASSERT_TRUE(readFileBounded(dir.path() / "list.txt", 10, bytes).ok());
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "0123456789");
  EXPECT_EQ(readFileBounded(dir.path() / "list.txt", 9, bytes).code, Code::TooLarge);
  EXPECT_TRUE(bytes.empty());
  dir.write("empty", "");
  EXPECT_TRUE(readFileBounded(dir.path() / "empty", 0, bytes).ok());
  fs::create_directory(dir.path() / "folder");
  ASSERT_EQ(::mkfifo((dir.path() / "pipe").c_str(), 0644), 0);
  fs::create_symlink("/dev/zero", dir.path() / "zero");
  bytes = {1, 2, 3};
  const auto start = std::chrono::steady_clock::now();
  for (const char* name : {"folder", "pipe", "zero"}) {
    const FileResult r = readFileBounded(dir.path() / name, 1 << 20, bytes);
    EXPECT_EQ(r.code, Code::NotRegular) << name;
    EXPECT_EQ(r.reason(), "not a regular file");
    EXPECT_TRUE(bytes.empty());
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(readFileBounded(dir.path() / "missing", 10, bytes).code, Code::Missing);
  fs::create_symlink(dir.path() / "missing", dir.path() / "dangling");
  EXPECT_EQ(readFileBounded(dir.path() / "dangling", 10, bytes).code, Code::Missing);
}

// A folder the game may not write into and a file it may not read are
// failures with their reason, and the old file stays.
TEST_F(AtomicWriter, AFolderWithoutWritePermissionOrAnUnreadableFileIsReported) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes and reads anything: nothing to refuse";
  dir.write("aapla2.pla", "old");
  ::chmod(dir.path().c_str(), 0555);
  const FileResult r = writeFileAtomically(file(), std::string_view("new"));
  ::chmod(dir.path().c_str(), 0755);
  EXPECT_EQ(r.code, Code::Failed);
  EXPECT_EQ(dir.read("aapla2.pla"), "old");
  ::chmod(file().c_str(), 0);
  Bytes bytes;
  const FileResult unread = readFileBounded(file(), 10, bytes);
  EXPECT_EQ(unread.code, Code::Failed);
  EXPECT_FALSE(unread.reason().empty());
}

// Purses and counts are 32-bit and come round the other side, as the game's
// files hold them. (The little-endian fields are in every file the recorded
// games compare.)
TEST(Wrap32, SumsComeRoundTheOtherSide) {
  EXPECT_EQ(wrappedSum(2147483647, 1), -2147483647 - 1);
  EXPECT_EQ(wrappedSum(-2147483647 - 1, -1), 2147483647);
  EXPECT_EQ(wrap32(std::int64_t{1} << 32), 0);
  EXPECT_EQ(wrap32(-(std::int64_t{1} << 32) - 5), -5);
  EXPECT_EQ(wrap32(4294967295LL), -1);
}

}  // namespace
}  // namespace vorlund
