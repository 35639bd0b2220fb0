// Feeds arbitrary text to the recorded-game parser: every failure must be a RecordingError,
// never a crash, hang or leak. A recording it accepts must write out as text that parses to
// the same recording (the recorder writes and the replayer reads the same files).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/headless/recorded_game.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vontra;
  RecordedGame game;
  try {
    game = ParseRecordedGame(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const RecordingError&) {
    return 0;
  }
  const std::string written = WriteRecordedGame(game);
  try {
    const RecordedGame again = ParseRecordedGame(written);
    if (WriteRecordedGame(again) != written || again.TotalFrames() != game.TotalFrames()) {
      abort();
    }
  } catch (const RecordingError&) {
    abort();  // the writer produced what the reader refuses
  }
  return 0;
}
