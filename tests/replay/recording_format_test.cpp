// The recorded-game text format: strict parsing with line numbers, run-length coding, and
// frame-exact delivery of the inputs to the headless platform.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/headless/headless_events.h"
#include "platform/headless/headless_input.h"
#include "platform/headless/recorded_game.h"

namespace vontra {
namespace {

constexpr const char* kHeader = "vontra-recording 1\nseed 7\nrate 60\n";

TEST(RecordingFormat, MalformedRecordingsFailWithTheirLine) {
  struct Case {
    const char* what;
    std::string text;
    int line;
    const char* says;
  };
  const std::string h = kHeader;
  const Case cases[] = {
      {"no format line", "seed 7\n", 1, "starts with"},
      {"unknown version", "vontra-recording 2\nseed 1\nrate 60\n", 1, "version 2"},
      {"rate before seed", "vontra-recording 1\nrate 60\n", 2, "'seed'"},
      {"rate out of range", "vontra-recording 1\nseed 1\nrate 0\n", 3, "outside"},
      {"comments keep the count", "# made by hand\n\nvontra-recording 1\nseed x\n", 4,
       "not a whole number"},
      {"unknown held letter", h + "hold UX 5\n", 4, "letters of"},
      {"held letter twice", h + "hold UFU 5\n", 4, "twice"},
      {"zero frames", h + "hold U 0\n", 4, "outside"},
      {"trailing junk in a count", h + "hold U 5x\n", 4, "whole number"},
      {"missing count", h + "hold U\n", 4, "takes 2 values"},
      {"unknown line", h + "hold - 1\njump 3\n", 5, "unknown line 'jump'"},
      {"key code too big", h + "key-down 300\nhold - 1\n", 4, "key code"},
      {"key modifier other than alt", h + "key-down 17 ctrl\nhold - 1\n", 4, "'alt'"},
      {"repeat before alt", h + "key-down 13 repeat alt\nhold - 1\n", 4, "'alt' and 'repeat'"},
      {"a released key does not repeat", h + "key-up 13 repeat\nhold - 1\n", 4, "only 'alt'"},
      {"character word other than repeat", h + "char 8 again\nhold - 1\n", 4, "'repeat'"},
      {"unknown pad button", h + "pad x\nhold - 1\n", 4, "pad button 'x'"},
      {"unknown window event", h + "window resize\nhold - 1\n", 4, "resize"},
      {"events with no frame after them", h + "hold - 2\nchar 13\ncheck 1 score=0\n", 5,
       "belong to no frame"},
      {"check past the last frame", h + "hold - 2\ncheck 3 score=0\n", 5, "past the last"},
      {"checks out of order", h + "hold - 9\ncheck 4 a=1\ncheck 4 a=1\n", 6, "ascending"},
      {"input after the checks", h + "hold - 9\ncheck 4 a=1\nhold - 1\n", 6, "before"},
      {"field without a value", h + "hold - 2\ncheck 1 score=\n", 5, "name=value"},
      {"field given twice", h + "hold - 2\ncheck 1 a=1 a=2\n", 5, "twice"},
      {"end before the last frame", h + "hold - 5\nend 4 a=1\n", 5, "not 4"},
      {"end with no results", h + "hold - 5\nend 5\n", 5, "no results"},
      {"line after the end", h + "hold - 5\nend 5 a=1\n# fine\nhold - 1\n", 7, "follow"},
      {"no end", h + "hold - 5\ncheck 5 a=1\n", 6, "missing"},
      {"header only", "vontra-recording 1\nseed 1\n", 3, "incomplete"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      ParseRecordedGame(c.text);
      ADD_FAILURE() << "accepted";
    } catch (const RecordingError& e) {
      EXPECT_EQ(e.Line(), c.line) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
      EXPECT_EQ(std::string(e.what()).rfind("line " + std::to_string(c.line) + ": ", 0), 0u);
    }
  }
}

PlatformEvent Key(PlatformEvent::Kind kind, int key, bool alt = false) {
  PlatformEvent e;
  e.kind = kind;
  e.Key = key;
  e.Alt = alt;
  return e;
}

PlatformEvent At(PlatformEvent::Kind kind, int x, int y) {
  PlatformEvent e;
  e.kind = kind;
  e.X = x;
  e.Y = y;
  return e;
}

PlatformEvent Repeated(PlatformEvent e) {
  e.Repeat = true;
  return e;
}

PlatformEvent Pad(PadButton button) {
  PlatformEvent e;
  e.kind = PlatformEvent::Kind::PadPress;
  e.Pad = button;
  return e;
}

std::string Describe(const PlatformEvent& e) {
  return std::to_string(int(e.kind)) + ":" + std::to_string(e.Key) + ":" + std::to_string(e.Alt) +
         ":" + std::to_string(e.Char) + ":" + std::to_string(e.X) + ":" + std::to_string(e.Y) +
         ":" + std::to_string(e.Repeat) + ":" + std::to_string(int(e.Pad));
}

// What each frame received, as the platform saw it.
struct FrameSeen {
  std::string held;
  std::vector<std::string> events;
  bool operator==(const FrameSeen&) const = default;
};

std::vector<FrameSeen> Feed(const RecordedGame& game) {
  HeadlessClock clock;
  HeadlessWindow window;
  HeadlessEvents events(clock);
  HeadlessInput input(window);
  RecordingFeeder feeder(game);
  std::vector<FrameSeen> seen;
  while (!feeder.Done()) {
    const int64_t frame = feeder.FeedNext(events, input);
    EXPECT_EQ(frame, static_cast<int64_t>(seen.size()) + 1);
    FrameSeen f{HeldStatesText(input.Read()), {}};
    PlatformEvent e;
    while (events.Poll(e)) f.events.push_back(Describe(e));
    seen.push_back(f);
  }
  return seen;
}

TEST(RecordingFormat, HeldKeysAreRunLengthCodedAndEventsKeepTheirFrame) {
  using Kind = PlatformEvent::Kind;
  InputStateSet up;
  up.Up = true;
  InputStateSet upFire = up;
  upFire.Fire = true;
  PlatformEvent typed;
  typed.kind = Kind::Char;
  typed.Char = 0xC0;  // a Cyrillic letter in Windows-1251
  PlatformEvent close;
  close.kind = Kind::CloseRequest;
  PlatformEvent unplugged;
  unplugged.kind = Kind::PadUnplugged;

  // Frame by frame: what was played, and what the replay must hand back.
  std::vector<std::pair<std::vector<PlatformEvent>, InputStateSet>> frames;
  for (int i = 0; i < 3; ++i) frames.push_back({{}, {}});
  frames.push_back({{Key(Kind::KeyDown, 13, true), Key(Kind::KeyUp, 13, true)}, {}});
  for (int i = 0; i < 600; ++i) frames.push_back({{}, up});
  frames.push_back({{At(Kind::MouseMove, -5, 610), At(Kind::MouseClick, 799, 0)}, up});
  frames.push_back({{typed}, upFire});
  frames.push_back({{close, unplugged}, upFire});
  frames.push_back(
      {{Repeated(Key(Kind::KeyDown, 13, true)), Repeated(Key(Kind::KeyDown, 8)), Repeated(typed)},
       upFire});
  frames.push_back(
      {{Pad(PadButton::A), Pad(PadButton::B), Pad(PadButton::Start), Pad(PadButton::Other)}, {}});
  for (int i = 0; i < 4; ++i) frames.push_back({{}, upFire});

  RecordingBuilder builder;
  std::vector<FrameSeen> played;
  for (const auto& [events, held] : frames) {
    FrameSeen f{HeldStatesText(held), {}};
    for (const PlatformEvent& e : events) {
      builder.AddEvent(e);
      f.events.push_back(Describe(e));
    }
    builder.AddFrame(held);
    played.push_back(f);
  }
  RecordedGame game;
  game.Seed = 4000000000u;
  game.FrameRate = 75;
  game.Runs = builder.Runs();
  game.End = {game.TotalFrames(), {{"score", "12"}}};
  const std::string text = WriteRecordedGame(game);

  // The 600 held frames are one line; the whole game is a handful.
  EXPECT_NE(text.find("\nhold U 600\n"), std::string::npos) << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 27) << text;
  EXPECT_NE(text.find("\nwindow pad-unplugged\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nkey-down 13 alt repeat\nkey-down 8 repeat\nchar 192 repeat\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\npad a\npad b\npad start\npad other\n"), std::string::npos) << text;

  const RecordedGame back = ParseRecordedGame(text);
  EXPECT_EQ(back.Seed, 4000000000u);
  EXPECT_EQ(back.FrameRate, 75);
  EXPECT_EQ(back.TotalFrames(), static_cast<int64_t>(frames.size()));
  EXPECT_EQ(back.End.Fields, game.End.Fields);
  EXPECT_EQ(Feed(back), played);
  EXPECT_EQ(WriteRecordedGame(back), text);
}

TEST(RecordingFormat, AcceptsWindowsLineEndsCommentsAndBlankLines) {
  const std::string text =
      "# a game\r\nvontra-recording 1\r\nseed 3\r\nrate 85\r\n\r\n   \r\nchar 65\r\nhold - 2\r\n"
      "check 1 score=0\r\n# done\r\nend 2 score=5 car=-\r\n";
  const RecordedGame game = ParseRecordedGame(text);
  ASSERT_EQ(game.Runs.size(), 1u);
  EXPECT_EQ(game.Runs[0].Events.size(), 1u);
  EXPECT_EQ(game.Checks.size(), 1u);
  EXPECT_EQ(game.End.Fields[1].second, "-");
}

// Files written before repeats and pad presses existed read as they always did: every key and
// character a press of its own.
TEST(RecordingFormat, OldLinesReadAsPresses) {
  const RecordedGame game = ParseRecordedGame(std::string(kHeader) +
                                              "key-down 13 alt\nkey-down 13\nchar 13\n"
                                              "click 5 6\nhold - 1\nend 1 a=1\n");
  ASSERT_EQ(game.Runs.size(), 1u);
  ASSERT_EQ(game.Runs[0].Events.size(), 4u);
  for (const PlatformEvent& e : game.Runs[0].Events) EXPECT_FALSE(e.Repeat);
  EXPECT_TRUE(game.Runs[0].Events[0].Alt);
  EXPECT_FALSE(game.Runs[0].Events[1].Alt);
}

}  // namespace
}  // namespace vontra
