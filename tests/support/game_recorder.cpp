#include "support/game_recorder.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "app/form_lifecycle.h"
#include "player/my_car_sprite.h"
#include "sprites/sprite_engine.h"

namespace vontra {

namespace {

namespace fs = std::filesystem;

constexpr uint64_t kFnvOffset = 0xcbf29ce484222325ull;
constexpr uint64_t kFnvPrime = 0x100000001b3ull;

void Mix(uint64_t& h, const uint8_t* bytes, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    h ^= bytes[i];
    h *= kFnvPrime;
  }
}

std::string Hex(uint64_t h) {
  char text[17];
  std::snprintf(text, sizeof text, "%016" PRIx64, h);
  return text;
}

std::string Fixed(double v) {
  char text[48];
  std::snprintf(text, sizeof text, "%.3f", v);
  return text;
}

int CountBelow(const TSprite& sprite) {
  int n = 0;
  for (const TSprite* child : sprite.Children()) n += 1 + CountBelow(*child);
  return n;
}

HeadlessGame::Options GameOptions(uint32_t seed, int frameRate) {
  HeadlessGame::Options options;
  options.Platform.Seed = seed;
  options.Platform.FrameRate = frameRate;
  return options;
}

const std::string* Find(const ResultFields& fields, const std::string& key) {
  for (const auto& [k, v] : fields) {
    if (k == key) return &v;
  }
  return nullptr;
}

// Empty when every expected field matches; otherwise "score 350, expected 300; ...".
std::string Differences(const ResultFields& expected, const ResultFields& actual) {
  std::string out;
  for (const auto& [key, want] : expected) {
    const std::string* got = Find(actual, key);
    std::string diff;
    if (!got) {
      diff = "'" + key + "' is not a result the replayer knows";
    } else if (*got != want) {
      diff = key + " " + *got + ", expected " + want;
    }
    if (diff.empty()) continue;
    if (!out.empty()) out += "; ";
    out += diff;
  }
  return out;
}

}  // namespace

int CountSprites(TMForm& form) {
  return form.MDXSpriteEngine && form.MDXSpriteEngine->Engine
             ? CountBelow(*form.MDXSpriteEngine->Engine)
             : 0;
}

ResultFields GameCheckpoint(TMForm& form) {
  ResultFields f;
  f.emplace_back("screen", std::to_string(ToInt(form.ScreenState)));
  f.emplace_back("window", std::to_string(ToInt(form.WindowKind)));
  f.emplace_back("level", std::to_string(form.Level));
  f.emplace_back("score", std::to_string(form.Score));
  f.emplace_back("lives", std::to_string(form.Lives));
  f.emplace_back("time", std::to_string(form.TimeLeftMs));
  const TMyCarSprite* car =
      form.ScreenState == ScreenStates::kRace ? form.PlayerCar.get() : nullptr;
  f.emplace_back("carx", car ? Fixed(car->X) : std::string("-"));
  f.emplace_back("cary", car ? Fixed(car->Y) : std::string("-"));
  f.emplace_back("distance", car ? Fixed(car->Distance) : std::string("-"));
  f.emplace_back("sprites", std::to_string(CountSprites(form)));
  return f;
}

std::string FrameChecksum(const Surface& frame) {
  uint64_t h = kFnvOffset;
  const uint16_t* p = frame.Pixels();
  const size_t n = static_cast<size_t>(frame.Width()) * static_cast<size_t>(frame.Height());
  for (size_t i = 0; i < n; ++i) {
    const uint8_t bytes[2] = {static_cast<uint8_t>(p[i] & 0xFF), static_cast<uint8_t>(p[i] >> 8)};
    Mix(h, bytes, 2);
  }
  return Hex(h);
}

std::string SaveFilesChecksum(HeadlessGame& game) {
  const fs::path folder = fs::path(game.WorkDir()) / "Data" / "Save";
  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  uint64_t h = kFnvOffset;
  for (const fs::path& path : files) {
    const std::string name = path.filename().string();
    Mix(h, reinterpret_cast<const uint8_t*>(name.c_str()), name.size() + 1);
    std::ifstream in(path, std::ios::binary);
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Mix(h, reinterpret_cast<const uint8_t*>(data.data()), data.size());
  }
  return Hex(h);
}

ResultFields GameEndResults(HeadlessGame& game) {
  ResultFields f = GameCheckpoint(game.Form());
  f.emplace_back("frame", FrameChecksum(game.Platform().display->Frame()));
  f.emplace_back("saves", SaveFilesChecksum(game));
  return f;
}

GameRecorder::GameRecorder(const RecordingSetup& setup)
    : setup_(setup),
      game_(std::make_unique<HeadlessGame>(GameOptions(setup.Seed, setup.FrameRate))) {
  game_->Create();
}

void GameRecorder::Queue(const PlatformEvent& e) {
  game_->Events().Push(e);
  builder_.AddEvent(e);
}

void GameRecorder::KeyDown(int virtualKey, bool alt) {
  PlatformEvent e;
  e.kind = PlatformEvent::Kind::KeyDown;
  e.Key = virtualKey;
  e.Alt = alt;
  Queue(e);
}

void GameRecorder::KeyUp(int virtualKey, bool alt) {
  PlatformEvent e;
  e.kind = PlatformEvent::Kind::KeyUp;
  e.Key = virtualKey;
  e.Alt = alt;
  Queue(e);
}

void GameRecorder::Type(uint8_t c) {
  PlatformEvent e;
  e.kind = PlatformEvent::Kind::Char;
  e.Char = c;
  Queue(e);
}

void GameRecorder::MoveMouse(int x, int y) {
  PlatformEvent e;
  e.kind = PlatformEvent::Kind::MouseMove;
  e.X = x;
  e.Y = y;
  Queue(e);
}

void GameRecorder::Click(int x, int y) {
  PlatformEvent e;
  e.kind = PlatformEvent::Kind::MouseClick;
  e.X = x;
  e.Y = y;
  Queue(e);
}

void GameRecorder::WindowEvent(PlatformEvent::Kind kind) {
  PlatformEvent e;
  e.kind = kind;
  Queue(e);
}

bool GameRecorder::Tick(int frames) {
  for (int i = 0; i < frames; ++i) {
    if (ended_) return false;
    game_->Hold(held_);
    if (game_->RunTicks(1) != 1) {
      // The loop has ended: this frame never ran, and nothing after it will.
      ended_ = true;
      return false;
    }
    builder_.AddFrame(held_);
    if (builder_.Frames() % setup_.CheckEvery == 0) {
      checks_.push_back({builder_.Frames(), GameCheckpoint(game_->Form())});
    }
  }
  return true;
}

bool GameRecorder::TickUntil(const std::function<bool()>& done, int maxFrames) {
  for (int i = 0; i < maxFrames; ++i) {
    if (!Tick()) return done();
    if (done()) return true;
  }
  return false;
}

RecordedGame GameRecorder::Finish() {
  RecordedGame r;
  r.Seed = setup_.Seed;
  r.FrameRate = setup_.FrameRate;
  r.Runs = std::move(builder_.Runs());
  r.Checks = std::move(checks_);
  if (r.Runs.empty()) throw std::logic_error("a recording needs at least one frame");
  // Events queued after the last frame are left out: no tick delivered them.
  FormDestroy(game_->Form());
  r.End = {r.TotalFrames(), GameEndResults(*game_)};
  if (!r.Checks.empty() && r.Checks.back().Frame == r.End.Frame) r.Checks.pop_back();
  return r;
}

ReplayResult ReplayRecordedGame(const RecordedGame& recording) {
  ReplayResult result;
  HeadlessGame game(GameOptions(recording.Seed, recording.FrameRate));
  game.Create();
  RecordingFeeder feeder(recording);
  size_t nextCheck = 0;
  const int64_t total = recording.TotalFrames();
  while (!feeder.Done()) {
    const int64_t frame = feeder.FeedNext(game.Events(), *game.Platform().input);
    if (game.RunTicks(1) != 1) {
      result.Message = "frame " + std::to_string(frame) + ": the game ended with " +
                       std::to_string(total - frame + 1) + " recorded frames still to play";
      return result;
    }
    result.FramesRun = frame;
    if (nextCheck < recording.Checks.size() && recording.Checks[nextCheck].Frame == frame) {
      const std::string diff =
          Differences(recording.Checks[nextCheck].Fields, GameCheckpoint(game.Form()));
      if (!diff.empty()) {
        result.Message = "frame " + std::to_string(frame) + ": " + diff;
        return result;
      }
      ++nextCheck;
    }
  }
  FormDestroy(game.Form());
  const std::string diff = Differences(recording.End.Fields, GameEndResults(game));
  if (!diff.empty()) {
    result.Message = "end (frame " + std::to_string(total) + "): " + diff;
    return result;
  }
  result.Passed = true;
  return result;
}

}  // namespace vontra
