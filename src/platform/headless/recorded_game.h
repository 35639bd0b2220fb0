#pragma once
// Recorded games: the inputs of every frame of a headless game and the results it must reach,
// as a line-based text file.
//
//   vontra-recording 1          format and version, always the first line
//   seed 7                      the clock's random seed, which seeds the game's generator
//   rate 60                     frames per second of the headless display
//   key-down 17                 window events, delivered before the next frame's tick:
//   key-up 17 alt                 virtual keys (optionally with Alt), typed characters
//   char 13                       (Windows-1251 code), mouse moves and clicks in surface
//   move 400 300                  pixels, and window events (close, minimize, activate,
//   click 400 300                 deactivate, pad-unplugged); "repeat" after a key-down or a
//   char 8 repeat                 character marks the keyboard's auto-repeat; "pad" is a
//   pad a                         press on the pad (a, b, start or other)
//   window close
//   hold UF 600                 600 frames with Up and Fire held ("-" holds nothing); the
//                                 events above go with the first of them
//   check 600 score=0 lives=4   what the game showed after frame 600
//   end 14400 score=350 ...     what it showed after the last frame; always the last line
//
// Held states are the letters U D L R (arrows), P (pause), E (Escape), Y, N and F (fire).
// Blank lines and lines starting with '#' are ignored. Checks come after all inputs, in
// ascending frame order. Values are single words; their meaning is the replayer's.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/events.h"
#include "platform/input_states.h"

namespace vontra {

class HeadlessEvents;
class HeadlessInput;

constexpr int kRecordingVersion = 1;

// A run of frames with the same held states; its events come before the first of them.
struct RecordedRun {
  std::vector<PlatformEvent> Events;
  InputStateSet Held;
  int64_t Frames = 1;
};

struct RecordedCheck {
  int64_t Frame = 0;
  std::vector<std::pair<std::string, std::string>> Fields;  // in the order written
};

struct RecordedGame {
  uint32_t Seed = 1;
  int FrameRate = 60;
  std::vector<RecordedRun> Runs;
  std::vector<RecordedCheck> Checks;
  RecordedCheck End;
  int64_t TotalFrames() const;
};

// A malformed recording; what() starts with "line N: ".
class RecordingError : public std::runtime_error {
 public:
  RecordingError(int line, const std::string& message);
  int Line() const { return line_; }

 private:
  int line_;
};

RecordedGame ParseRecordedGame(const std::string& text);
std::string WriteRecordedGame(const RecordedGame& game);

// "UF", "-": the held-state letters of one frame.
std::string HeldStatesText(const InputStateSet& held);

// Collects frames as they are played and codes equal frames without events as one run.
class RecordingBuilder {
 public:
  void AddEvent(const PlatformEvent& event) { pending_.push_back(event); }
  void AddFrame(const InputStateSet& held);
  int64_t Frames() const { return frames_; }
  bool HasPendingEvents() const { return !pending_.empty(); }
  std::vector<RecordedRun>& Runs() { return runs_; }

 private:
  std::vector<RecordedRun> runs_;
  std::vector<PlatformEvent> pending_;
  int64_t frames_ = 0;
};

// Hands a recording to the headless platform one frame at a time: before each tick, the
// frame's events are queued and its held states set.
class RecordingFeeder {
 public:
  explicit RecordingFeeder(const RecordedGame& game) : game_(game) {}
  bool Done() const { return run_ >= game_.Runs.size(); }
  // Feeds the next frame; returns its number, counting from 1.
  int64_t FeedNext(HeadlessEvents& events, HeadlessInput& input);

 private:
  const RecordedGame& game_;
  size_t run_ = 0;
  int64_t inRun_ = 0;
  int64_t frame_ = 0;
};

}  // namespace vontra
