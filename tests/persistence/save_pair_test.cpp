#include "persistence/save_pair.h"

#include <gtest/gtest.h>

#include <set>

#include "frontend/high_score_table.h"
#include "persistence/memory_files.h"
#include "persistence/save_files.h"

namespace vontra {
namespace {

// A file layer that dies after a given number of operations (each write, sync, rename and
// removal counts one), as a killed process or a power cut would. Files written but not yet
// synced when it dies come back empty, as after a power cut.
class DyingFiles : public MemoryFiles {
 public:
  explicit DyingFiles(int operationsLeft) : left_(operationsLeft) {}
  int used = 0;

  bool Write(const std::string& path, const std::vector<uint8_t>& data) override {
    if (!Step()) return false;
    unsynced_.insert(path);
    return MemoryFiles::Write(path, data);
  }
  bool Sync(const std::string& path) override {
    if (!Step()) return false;
    unsynced_.erase(path);
    return MemoryFiles::Sync(path);
  }
  bool Rename(const std::string& from, const std::string& to) override {
    return Step() && MemoryFiles::Rename(from, to);
  }
  bool Remove(const std::string& path) override { return Step() && MemoryFiles::Remove(path); }
  bool WriteAtomic(const std::string&, const std::vector<uint8_t>&) override {
    ADD_FAILURE() << "the pair is written step by step";
    return false;
  }

  // What the disk holds after the crash.
  MemoryFiles Survivors() const {
    MemoryFiles disk;
    disk.files = files;
    for (const std::string& path : unsynced_) {
      if (disk.files.count(path)) disk.files[path].clear();
    }
    return disk;
  }

 private:
  bool Step() {
    if (left_ == 0) return false;
    --left_;
    ++used;
    return true;
  }
  int left_;
  std::set<std::string> unsynced_;
};

FrontEndState TableWithTopRow(const std::string& name, int32_t score) {
  FrontEndState state;
  ResetHighScores(state);
  state.HighScores[11] = THighScore{name, score, 0, 0};
  SortHighScores(state);
  return state;
}

bool SameTable(const FrontEndState& a, const FrontEndState& b) {
  for (int row = 1; row <= kTableRows; ++row) {
    if (a.HighScores[row].Name != b.HighScores[row].Name ||
        a.HighScores[row].Score != b.HighScores[row].Score) {
      return false;
    }
  }
  return true;
}

FrontEndState StartUp(MemoryFiles& disk) {
  FrontEndState state;
  uint8_t fullScreen = 0;
  LoadTableAndOptions(state, fullScreen, disk);
  return state;
}

TEST(SavePair, ACrashAtAnyStepLeavesTheOldTableOrTheNewOneAndNoStrayFiles) {
  const FrontEndState oldTable = TableWithTopRow("\xC2\xE0\xF1\xFF", 9000);
  const FrontEndState newTable = TableWithTopRow("Alexander", 12000);

  DyingFiles whole(1000);
  ASSERT_TRUE(SaveTableAndOptions(newTable, 0, whole));
  const int steps = whole.used;
  ASSERT_GE(steps, 8) << "two files written, synced and renamed twice each";

  bool sawOld = false, sawNew = false;
  for (int k = 0; k <= steps; ++k) {
    MemoryFiles disk;
    ASSERT_TRUE(SaveTableAndOptions(oldTable, 0, disk));
    // Repeated crashes at the same point, each followed by a start: nothing piles up.
    for (int crash = 0; crash < 3; ++crash) {
      DyingFiles dying(k);
      dying.files = disk.files;
      const bool saved = SaveTableAndOptions(newTable, 0, dying);
      EXPECT_EQ(saved, k == steps) << k;
      disk = dying.Survivors();
      const FrontEndState after = StartUp(disk);
      const bool isOld = SameTable(after, oldTable), isNew = SameTable(after, newTable);
      EXPECT_TRUE(isOld || isNew) << "crash after step " << k << ": the table was lost";
      sawOld |= isOld;
      sawNew |= isNew;
      std::set<std::string> names;
      for (const auto& [path, bytes] : disk.files) names.insert(path);
      EXPECT_EQ(names, (std::set<std::string>{kHighScoresPath, kOptionsPath})) << k;
    }
  }
  EXPECT_TRUE(sawOld && sawNew);
}

TEST(SavePair, AStartCompletesAPairStagedInFullAndDropsAHalfStagedOne) {
  const FrontEndState oldTable = TableWithTopRow("Old", 7000);
  const FrontEndState newTable = TableWithTopRow("New", 8000);
  struct Case {
    bool tableStaged;
    bool optionsStaged;
    bool tableCommitted;
    bool expectNew;
  };
  const Case cases[] = {
      {true, true, false, true},    // staged, nothing renamed yet: commit
      {true, false, false, false},  // died while staging the options: drop
      {false, true, true, true},    // table renamed, options not yet: finish
  };
  for (const Case& c : cases) {
    MemoryFiles disk, staged;
    ASSERT_TRUE(SaveTableAndOptions(oldTable, 0, disk));
    ASSERT_TRUE(SaveTableAndOptions(newTable, 0, staged));
    if (c.tableStaged) disk.files["Data\\Save\\hs.new"] = staged.files[kHighScoresPath];
    if (c.optionsStaged) disk.files["Data\\Save\\options.new"] = staged.files[kOptionsPath];
    if (c.tableCommitted) disk.files[kHighScoresPath] = staged.files[kHighScoresPath];
    EXPECT_TRUE(SameTable(StartUp(disk), c.expectNew ? newTable : oldTable))
        << c.tableStaged << c.optionsStaged << c.tableCommitted;
    EXPECT_EQ(disk.files.size(), 2u);
  }
}

}  // namespace
}  // namespace vontra
