// The name picker that lets a pad type: shown while the pad is the input in use, moved by the
// held directions, typing with A, deleting with B and taking the name with Start.
#include "frontend/name_picker.h"

#include <gtest/gtest.h>

#include "app/mform.h"
#include "frontend/front_end.h"
#include "support/headless_game.h"

namespace vontra {
namespace {

InputStateSet Held(char direction) {
  InputStateSet s;
  s.Left = direction == 'L';
  s.Right = direction == 'R';
  s.Up = direction == 'U';
  s.Down = direction == 'D';
  return s;
}

class NamePicker : public ::testing::Test {
 protected:
  // A race whose game has just ended with a score for the table, the stick still pushed.
  void SetUp() override {
    game_.Create();
    ASSERT_TRUE(game_.RunUntil([&] { return F().MenuIntroPhase == 0; }, 3000));
    ASSERT_TRUE(game_.ClickSlot(1));
    ASSERT_TRUE(game_.ClickSlot(7));
    ASSERT_EQ(F().ScreenState, ScreenStates::kRace);
    ASSERT_TRUE(game_.RunUntil([&] { return F().WindowKind == WindowKinds::kNone; }, 600));
    game_.Hold(Held('U'));
    game_.RunTicks(5);
    F().Score = 8888;
    OpenMessageWindow(F(), WindowKinds::kNameEntry);
    Pad(PadButton::Other);
    // The stick still pushed up from the race moves nothing until it is let go.
    game_.RunTicks(30);
    ASSERT_EQ(F().PickerIndex, 0);
    game_.ReleaseAll();
    game_.RunTicks(1);
  }

  TMForm& F() { return game_.Form(); }
  void Pad(PadButton b) {
    game_.Events().Pad(b);
    game_.RunTicks(1);
  }
  // A direction held for `frames` frames, then let go for one.
  void Push(char direction, int frames = 1) {
    game_.Hold(Held(direction));
    game_.RunTicks(frames);
    game_.ReleaseAll();
    game_.RunTicks(1);
  }
  // A hash of the window's lower strip, where the picker's row is drawn (under the blinking
  // text cursor).
  uint64_t PickerRowLook() {
    uint64_t h = 1469598103934665603ull;
    const Surface& frame = game_.Platform().display->Frame();
    for (int y = 395; y < 421; ++y) {
      for (int x = 200; x < 600; ++x) h = (h ^ frame.At(x, y)) * 1099511628211ull;
    }
    return h;
  }

  HeadlessGame game_;
};

TEST_F(NamePicker, ShowsWhileThePadIsInUseAndTheKeyboardStillTypes) {
  ASSERT_TRUE(F().PadInUse);
  const uint64_t shown = PickerRowLook();
  game_.Type('x');
  game_.RunTicks(1);
  EXPECT_FALSE(F().PadInUse);
  EXPECT_EQ(F().PlayerName, "x");
  const uint64_t hidden = PickerRowLook();
  EXPECT_NE(shown, hidden);
  Pad(PadButton::Other);
  EXPECT_EQ(PickerRowLook(), shown) << "the row comes back as it was";
  game_.TapKey(37);
  game_.RunTicks(1);
  EXPECT_EQ(PickerRowLook(), hidden);
}

TEST_F(NamePicker, DirectionsMoveAlongTheRowAndBetweenTheAlphabets) {
  struct Step {
    char direction;
    unsigned char expected;  // Windows-1251
  };
  const Step steps[] = {
      {'U', 0x30},                            // from the Cyrillic letters up to the digits: "0"
      {'D', 0xC0},                            // and down again: "А"
      {'R', 0xC1},                            // "Б"
      {'R', 0xC2},                            // "В"
      {'L', 0xC1}, {'L', 0xC0}, {'L', 0x39},  // the row is a ring: "9" before "А"
      {'R', 0xC0}, {'D', 0x41},               // the Latin letters: "A"
      {'L', 0xDF},                            // "Я" before "A"
      {'D', 0x41},                            // from inside the Cyrillic letters down to "A"
      {'D', 0x30}, {'D', 0xC0},
  };
  for (const Step& s : steps) {
    Push(s.direction);
    EXPECT_EQ(NamePickerCharacter(F()), s.expected) << s.direction;
  }
  // Ё stands after Е.
  for (int i = 0; i < 6; ++i) Push('R');
  EXPECT_EQ(NamePickerCharacter(F()), 0xA8);
}

TEST_F(NamePicker, AHeldDirectionWaitsThenRunsOn) {
  // Game time: the frames count by FrameTimeMs.
  const int frameMs = F().FrameTimeMs;
  ASSERT_GT(frameMs, 0);
  game_.Hold(Held('R'));
  game_.RunTicks(350 / frameMs);  // not yet the delay: one step
  EXPECT_EQ(F().PickerIndex, 1);
  game_.RunTicks(1000 / frameMs);  // about 1.35 s in all: it runs on, some ten steps more
  EXPECT_GE(F().PickerIndex, 9);
  EXPECT_LE(F().PickerIndex, 14);
  game_.ReleaseAll();
  game_.RunTicks(1);
  // Up and Down jump once however long they are held.
  const int before = F().PickerIndex;
  Push('D', 60);
  EXPECT_EQ(F().PickerIndex, 33);
  EXPECT_NE(before, 33);
}

TEST_F(NamePicker, ATypesBDeletesAndStartTakesTheName) {
  Push('R');
  Pad(PadButton::A);  // "Б"
  Push('D');
  Pad(PadButton::A);  // "A"
  Pad(PadButton::A);
  EXPECT_EQ(F().PlayerName,
            "\xC1"
            "AA");
  Pad(PadButton::B);
  EXPECT_EQ(F().PlayerName,
            "\xC1"
            "A");
  for (int i = 0; i < 12; ++i) Pad(PadButton::A);
  EXPECT_EQ(F().PlayerName.size(), 10u) << "ten characters at most";
  for (int i = 0; i < 9; ++i) Pad(PadButton::B);
  EXPECT_EQ(F().PlayerName, "\xC1");
  // The name entry takes no click from B or A: only Start answers.
  EXPECT_EQ(F().WindowKind, WindowKinds::kNameEntry);
  Pad(PadButton::Start);
  ASSERT_EQ(F().WindowKind, WindowKinds::kSendQuestion);
  EXPECT_EQ(F().HighScores[1].Name, "\xC1");
  EXPECT_EQ(F().HighScores[1].Score, 8888);
}

}  // namespace
}  // namespace vontra
