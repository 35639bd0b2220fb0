#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "frontend/high_score_table.h"
#include "persistence/high_score_check.h"
#include "persistence/save_files.h"
#include "platform/posix/posix_files.h"

namespace vontra {
namespace {

namespace fs = std::filesystem;

class SaveFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("vontra-save-" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }
  fs::path root_;
};

TEST_F(SaveFolder, MissingSaveFolderIsCreatedAndTheSavesReadBack) {
  PosixFiles files(root_.string());
  FrontEndState state;
  ResetHighScores(state);
  InsertResult(state, "Ann", 777);
  SaveHighScores(state, files);
  SaveOptions(state, 1, files);
  ASSERT_TRUE(fs::is_regular_file(root_ / "Data" / "Save" / "hs"));
  ASSERT_TRUE(fs::is_regular_file(root_ / "Data" / "Save" / "options"));

  FrontEndState loaded;
  uint8_t fullScreen = 0;
  LoadHighScores(loaded, files);
  LoadOptions(loaded, fullScreen, files);
  EXPECT_TRUE(HighScoreCheckMatches(loaded));
  EXPECT_EQ(fullScreen, 1);
  EXPECT_EQ(loaded.HighScores[10].Name, "Ann");
}

TEST_F(SaveFolder, UnwritableSaveFolderIsGivenUpQuietly) {
  fs::create_directories(root_ / "Data");
  std::ofstream(root_ / "Data" / "Save") << "not a folder";
  PosixFiles files(root_.string());
  FrontEndState state;
  ResetHighScores(state);
  EXPECT_NO_THROW(SaveHighScores(state, files));
  EXPECT_NO_THROW(SaveOptions(state, 0, files));

  FrontEndState loaded;  // and the next start simply finds no saves
  uint8_t fullScreen = 1;
  LoadHighScores(loaded, files);
  LoadOptions(loaded, fullScreen, files);
  EXPECT_EQ(fullScreen, 0);
  EXPECT_EQ(loaded.HighScores[1].Score, 5000);
}

}  // namespace
}  // namespace vontra
