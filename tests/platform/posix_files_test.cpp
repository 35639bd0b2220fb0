#include "platform/posix/posix_files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>

namespace vontra {
namespace {

namespace fs = std::filesystem;

class PosixFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("vontra-files-" + std::to_string(getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
    files_ = std::make_unique<PosixFiles>(root_.string());
  }
  void TearDown() override { fs::remove_all(root_); }
  static std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }
  std::string ReadNative(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // Names left in a folder, to catch stray temporary files.
  std::vector<std::string> Listing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  fs::path root_;
  std::unique_ptr<PosixFiles> files_;
};

TEST_F(PosixFilesTest, BackslashPathsMapToFoldersAndMissingFoldersAreCreated) {
  ASSERT_TRUE(files_->WriteAtomic("Data\\Save\\hs", Bytes("table\r\n\xC0")));
  EXPECT_EQ(ReadNative(root_ / "Data" / "Save" / "hs"), "table\r\n\xC0");
  EXPECT_EQ(files_->NativePath("Data\\Save\\hs"), (root_ / "Data/Save/hs").string());
  EXPECT_TRUE(files_->Exists("Data\\Save\\hs"));
  EXPECT_TRUE(files_->Exists("Data/Save/hs"));
  EXPECT_FALSE(files_->Exists("Data\\Save"));  // a folder is not a file
  EXPECT_FALSE(files_->Exists("Data\\Save\\options"));
  const auto read = files_->ReadAll("Data\\Save\\hs");
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(*read, Bytes("table\r\n\xC0"));
  EXPECT_FALSE(files_->ReadAll("Data\\Save\\options").has_value());
  EXPECT_EQ(Listing(root_ / "Data" / "Save"), std::vector<std::string>{"hs"});
}

TEST_F(PosixFilesTest, ReplacesWholeFilesAndReadsEmptyOnes) {
  ASSERT_TRUE(files_->WriteAtomic("options", Bytes("a much longer first version")));
  ASSERT_TRUE(files_->WriteAtomic("options", Bytes("short")));
  EXPECT_EQ(ReadNative(root_ / "options"), "short");
  ASSERT_TRUE(files_->WriteAtomic("options", {}));
  const auto read = files_->ReadAll("options");
  ASSERT_TRUE(read.has_value());
  EXPECT_TRUE(read->empty());
  EXPECT_EQ(Listing(root_), std::vector<std::string>{"options"});
}

// Archives are mapped and read once, front to back; what was read is let go on the way.
TEST_F(PosixFilesTest, FilesOpenedForReadingHoldTheirBytesWhateverWasLetGo) {
  std::vector<uint8_t> big(3 * 4096 + 123);
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<uint8_t>(i * 7 + i / 4096);
  for (const std::vector<uint8_t>& content : {big, Bytes("tiny"), std::vector<uint8_t>{}}) {
    SCOPED_TRACE(content.size());
    ASSERT_TRUE(files_->WriteAtomic("Data\\Res\\Res3.dxg", content));
    auto file = files_->OpenForReading("Data\\Res\\Res3.dxg");
    ASSERT_NE(file, nullptr);
    const auto bytes = file->Bytes();
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.end()), content);
    // Letting go of read pages, partly or past the end, changes no byte that is read again.
    for (size_t offset : {size_t{5000}, size_t{4096}, size_t{9000}, content.size() + 10}) {
      file->DoneBefore(offset);
      EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.end()), content) << offset;
    }
  }
  EXPECT_EQ(files_->OpenForReading("Data\\Res\\Res1.dxg"), nullptr);
  EXPECT_EQ(files_->OpenForReading("Data\\Res"), nullptr);  // a folder is not a file
}

TEST_F(PosixFilesTest, FailedWriteLeavesTheOldFileAndNoTemporary) {
  ASSERT_TRUE(files_->WriteAtomic("Data\\Save\\hs", Bytes("old table")));
  // A file size limit makes the write fail half-way, as a full disk would.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  auto* previous = signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 4;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = files_->WriteAtomic("Data\\Save\\hs", Bytes("new table, longer"));
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, previous);
  EXPECT_FALSE(written);
  EXPECT_EQ(ReadNative(root_ / "Data" / "Save" / "hs"), "old table");
  EXPECT_EQ(Listing(root_ / "Data" / "Save"), std::vector<std::string>{"hs"});
}

TEST_F(PosixFilesTest, WriteFailsWhereAFolderCannotBeMade) {
  ASSERT_TRUE(files_->WriteAtomic("Data", Bytes("a file where a folder should be")));
  EXPECT_FALSE(files_->WriteAtomic("Data\\Save\\hs", Bytes("x")));
  EXPECT_EQ(ReadNative(root_ / "Data"), "a file where a folder should be");
}

}  // namespace
}  // namespace vontra
