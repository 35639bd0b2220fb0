// A recorded game replays as it was played, and a game that goes another way is reported with
// the frame and the value where it parted.
#include <gtest/gtest.h>

#include "frontend/menu_button.h"
#include "support/game_recorder.h"

namespace vontra {
namespace {

// Menu, options, music switched off, back to the menu: a few hundred frames.
RecordedGame RecordShortGame() {
  GameRecorder rec({5, 60, 50});
  EXPECT_TRUE(rec.TickUntil([&] { return rec.Form().MenuIntroPhase == 0; }, 3000));
  for (int slot : {2, 8}) {
    const TMenuButton* b = rec.Form().WidgetSlots[slot].get();
    const int x = static_cast<int>(b->X) + b->Width / 2;
    const int y = static_cast<int>(b->Y) + b->Height / 2;
    rec.MoveMouse(x, y);
    rec.Click(x, y);
    rec.Tick(20);
  }
  EXPECT_EQ(rec.Form().ScreenState, ScreenStates::kOptions);
  EXPECT_FALSE(rec.Form().MusicOn);
  rec.Type(27);
  rec.Tick(40);
  return rec.Finish();
}

const RecordedGame& ShortGame() {
  static const RecordedGame game = RecordShortGame();
  return game;
}

std::string& Field(RecordedCheck& check, const std::string& key) {
  for (auto& [k, v] : check.Fields) {
    if (k == key) return v;
  }
  throw std::runtime_error("no field " + key);
}

std::string FieldOf(const RecordedCheck& check, const std::string& key) {
  RecordedCheck copy = check;
  return Field(copy, key);
}

TEST(Replay, ARecordingReplaysAsRecordedAfterAWriteAndReadBack) {
  const RecordedGame& game = ShortGame();
  ASSERT_GE(game.Checks.size(), 4u);
  EXPECT_EQ(FieldOf(game.End, "screen"), "0");
  EXPECT_EQ(FieldOf(game.Checks.back(), "screen"), "0");
  const ReplayResult result = ReplayRecordedGame(ParseRecordedGame(WriteRecordedGame(game)));
  EXPECT_TRUE(result.Passed) << result.Message;
  EXPECT_EQ(result.FramesRun, game.TotalFrames());
}

TEST(Replay, DivergenceNamesTheFrameAndTheValue) {
  struct Case {
    const char* what;
    std::function<void(RecordedGame&)> change;
    std::string message;  // the start of the report
    std::string mentions;
  };
  const std::string end = "end (frame " + std::to_string(ShortGame().TotalFrames()) + "): ";
  const Case cases[] = {
      {"an expected checkpoint value", [](RecordedGame& g) { Field(g.Checks[1], "screen") = "3"; },
       "frame " + std::to_string(ShortGame().Checks[1].Frame) + ": ", ", expected 3"},
      {"the expected save files",
       [](RecordedGame& g) { Field(g.End, "saves") = "0000000000000000"; }, end + "saves ",
       ", expected 0000000000000000"},
      {"the expected last frame",
       [](RecordedGame& g) { Field(g.End, "frame") = "0000000000000000"; }, end + "frame ",
       ", expected 0000000000000000"},
      {"a result the replayer does not know",
       [](RecordedGame& g) { g.End.Fields.emplace_back("fuel", "3"); },
       end + "'fuel' is not a result", "fuel"},
      {"a click lost from the inputs: options never open",
       [](RecordedGame& g) {
         for (RecordedRun& run : g.Runs) {
           std::erase_if(run.Events, [](const PlatformEvent& e) {
             return e.kind == PlatformEvent::Kind::MouseClick;
           });
         }
       },
       "frame ", "screen 0, expected 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RecordedGame game = ShortGame();
    c.change(game);
    const ReplayResult result = ReplayRecordedGame(game);
    EXPECT_FALSE(result.Passed);
    EXPECT_EQ(result.Message.rfind(c.message, 0), 0u) << result.Message;
    EXPECT_NE(result.Message.find(c.mentions), std::string::npos) << result.Message;
  }
}

}  // namespace
}  // namespace vontra
