#include "convert/files/file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// Folder names a run must handle: plain, cp1252 bytes as a Windows folder name would reach a
// narrow API, and UTF-8 as on a Linux machine (Latin and Cyrillic).
const char* const kFolderNames[] = {"plain", "Logs \x96 2024 \x80",
                                    "Logs \xE2\x80\x93 2024 \xE2\x82\xAC \xC3\x9Cn\xC3\xAF",
                                    "\xD0\x96\xD1\x83\xD1\x80\xD0\xBD\xD0\xB0\xD0\xBB\xD1\x8B"};

class FileSystem : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("adif2kvx-file-system-" + std::to_string(::getpid()));
    dir_ = (root_ / GetParam()).string();
    fs::remove_all(root_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(root_); }

  std::string path(const std::string& name) const { return dir_ + "/" + name; }
  static void write(const std::string& path, const std::string& bytes) {
    OwnedFile file(nullptr, &std::fclose);
    std::string why;
    ASSERT_TRUE(openFile(path, "wb", &file, &why)) << path << ": " << why;
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
  }
  static std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  fs::path root_;
  std::string dir_;
};

TEST_P(FileSystem, TellsFilesFoldersDevicesAndMissingPathsApart) {
  write(path("log.adi"), "x");
  ASSERT_EQ(mkfifo(path("fifo").c_str(), 0600), 0);
  fs::create_symlink(path("log.adi"), path("link.adi"));
  const struct {
    std::string path;  // what is asked about
    PathKind kind;     // what it names
  } cases[] = {
      {path("log.adi"), PathKind::File},
      {path("link.adi"), PathKind::File},
      {dir_, PathKind::Folder},
      {path("fifo"), PathKind::Other},
      {"/dev/null", PathKind::Other},
      {path("missing.adi"), PathKind::Missing},
      {path("missing/log.adi"), PathKind::Missing},
  };
  for (const auto& c : cases) EXPECT_EQ(pathKind(c.path), c.kind) << c.path;
}

TEST_P(FileSystem, SameFileThroughAnySpellingButNotAnotherFile) {
  write(path("log.adi"), "x");
  write(path("other.adi"), "x");
  fs::create_hard_link(path("log.adi"), path("hard.adi"));
  fs::create_symlink(path("log.adi"), path("soft.adi"));
  EXPECT_TRUE(isSameFile(path("log.adi"), path("log.adi")));
  EXPECT_TRUE(isSameFile(path("log.adi"), dir_ + "/./log.adi"));
  EXPECT_TRUE(isSameFile(path("log.adi"), path("hard.adi")));
  EXPECT_TRUE(isSameFile(path("soft.adi"), path("log.adi")));
  EXPECT_FALSE(isSameFile(path("log.adi"), path("other.adi")));
  EXPECT_FALSE(isSameFile(path("log.adi"), path("missing.adi")));
  EXPECT_FALSE(isSameFile(path("missing.adi"), path("missing.adi")));
}

TEST_P(FileSystem, RenameReplacesTheTargetAndNamesTheReasonOfAFailure) {
  write(path("run.kvx.tmp"), "new");
  write(path("run.kvx"), "old");
  std::string why;
  EXPECT_TRUE(renameReplacing(path("run.kvx.tmp"), path("run.kvx"), &why));
  EXPECT_EQ(read(path("run.kvx")), "new");
  EXPECT_EQ(pathKind(path("run.kvx.tmp")), PathKind::Missing);

  EXPECT_FALSE(renameReplacing(path("run.kvx.tmp"), path("run.kvx"), &why));
  EXPECT_EQ(why, "No such file or directory");
  why.clear();
  EXPECT_FALSE(renameReplacing(path("run.kvx"), path("missing/run.kvx"), &why));
  EXPECT_EQ(why, "No such file or directory");
  EXPECT_EQ(read(path("run.kvx")), "new");
  EXPECT_TRUE(removeFile(path("run.kvx"), &why));
  why.clear();
  EXPECT_FALSE(removeFile(path("run.kvx"), &why));
  EXPECT_EQ(why, "No such file or directory");
}

TEST_P(FileSystem, LinksAreFollowedToTheirLastTargetEvenAMissingOne) {
  fs::create_directories(path("real"));
  fs::create_symlink("real/log.kvx", path("one.kvx"));  // relative to the link's folder
  fs::create_symlink(path("one.kvx"), path("two.kvx"));
  EXPECT_EQ(linkTarget(path("two.kvx")), path("real/log.kvx"));
  EXPECT_EQ(linkTarget(path("plain.kvx")), path("plain.kvx"));
}

INSTANTIATE_TEST_SUITE_P(Folders, FileSystem, ::testing::ValuesIn(kFolderNames));

}  // namespace
