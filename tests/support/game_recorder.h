#pragma once
// Recording and replaying whole headless games. The recorder plays a scripted or autopiloted
// game and notes its inputs frame by frame, with checkpoints of the game state every few
// frames and the results at the end; the replayer plays the inputs back into a fresh game and
// says at which frame and in what the game went another way.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/headless/recorded_game.h"
#include "support/headless_game.h"

namespace vontra {

using ResultFields = std::vector<std::pair<std::string, std::string>>;

// Screen, window, race, score, lives, clock, the car's position and distance ("-" outside a
// race), sprite count.
ResultFields GameCheckpoint(TMForm& form);
// The checkpoint plus checksums of the last frame and of the save files; call after the
// game has been shut down (so the save files are written).
ResultFields GameEndResults(HeadlessGame& game);

// Every sprite under the engine's root, the root not counted.
int CountSprites(TMForm& form);
std::string FrameChecksum(const Surface& frame);
// The files of Data/Save under the game's working directory, names and contents.
std::string SaveFilesChecksum(HeadlessGame& game);

struct RecordingSetup {
  uint32_t Seed = 1;
  int FrameRate = 60;
  // A checkpoint every this many frames.
  int CheckEvery = 240;
};

class GameRecorder {
 public:
  explicit GameRecorder(const RecordingSetup& setup);

  HeadlessGame& Game() { return *game_; }
  TMForm& Form() { return game_->Form(); }
  int64_t Frame() const { return builder_.Frames(); }

  // Window events, delivered before the next frame.
  void KeyDown(int virtualKey, bool alt = false);
  void KeyUp(int virtualKey, bool alt = false);
  void TapKey(int virtualKey) {
    KeyDown(virtualKey);
    KeyUp(virtualKey);
  }
  void Type(uint8_t c);
  void MoveMouse(int x, int y);
  void Click(int x, int y);
  void WindowEvent(PlatformEvent::Kind kind);
  void Send(const PlatformEvent& e) { Queue(e); }

  // Held states for the following frames.
  void Hold(const InputStateSet& held) { held_ = held; }
  const InputStateSet& Held() const { return held_; }

  // Runs frames; false as soon as the game has ended (no tick ran).
  bool Tick(int frames = 1);
  // Runs frames until `done` holds, at most `maxFrames`; true when it held.
  bool TickUntil(const std::function<bool()>& done, int maxFrames);

  // Shuts the game down (saving as the program's end does) and returns the recording.
  RecordedGame Finish();

 private:
  void Queue(const PlatformEvent& e);

  RecordingSetup setup_;
  std::unique_ptr<HeadlessGame> game_;
  RecordingBuilder builder_;
  std::vector<RecordedCheck> checks_;
  InputStateSet held_;
  bool ended_ = false;
};

struct ReplayResult {
  bool Passed = false;
  // Where and how the game went another way ("frame 1234: score 350, expected 300").
  std::string Message;
  int64_t FramesRun = 0;
};

ReplayResult ReplayRecordedGame(const RecordedGame& recording);

// A scripted game that a recording is made from, by name.
struct RecordingScenario {
  const char* Name;
  const char* Summary;
  RecordingSetup Setup;
  std::function<void(GameRecorder&)> Play;
};
const std::vector<RecordingScenario>& RecordingScenarios();

}  // namespace vontra
