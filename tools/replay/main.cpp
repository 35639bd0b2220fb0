// vontra-replay: recorded games and the soak.
//
//   vontra-replay play FILE...        replays each recording; fails with the first divergence
//   vontra-replay record NAME FILE    plays the scripted game NAME and writes its recording
//   vontra-replay record-all DIR      re-records every scripted game into DIR/NAME.txt
//   vontra-replay list                the scripted games
//   vontra-replay soak RACES [SEED]   the autopilot plays game after game (see README, "Soak")
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "soak.h"
#include "support/game_recorder.h"

namespace {

using namespace vontra;

int Usage() {
  std::cerr << "usage: vontra-replay play FILE...\n"
               "       vontra-replay record NAME FILE\n"
               "       vontra-replay record-all DIR\n"
               "       vontra-replay list\n"
               "       vontra-replay soak RACES [SEED]\n";
  return 2;
}

bool ReadText(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  text = s.str();
  return true;
}

// 0 passed, 1 diverged, 2 unreadable or malformed.
int Play(const std::string& path) {
  std::string text;
  if (!ReadText(path, text)) {
    std::cerr << path << ": cannot be read\n";
    return 2;
  }
  RecordedGame recording;
  try {
    recording = ParseRecordedGame(text);
  } catch (const RecordingError& e) {
    std::cerr << path << ": " << e.what() << '\n';
    return 2;
  }
  const ReplayResult result = ReplayRecordedGame(recording);
  if (!result.Passed) {
    std::cerr << path << ": diverged at " << result.Message << '\n';
    return 1;
  }
  std::cout << path << ": as recorded (" << result.FramesRun << " frames)\n";
  return 0;
}

const RecordingScenario* FindScenario(const std::string& name) {
  for (const RecordingScenario& s : RecordingScenarios()) {
    if (name == s.Name) return &s;
  }
  return nullptr;
}

int Record(const RecordingScenario& scenario, const std::string& path) {
  RecordedGame recording;
  try {
    GameRecorder recorder(scenario.Setup);
    scenario.Play(recorder);
    recording = recorder.Finish();
  } catch (const std::exception& e) {
    std::cerr << scenario.Name << ": " << e.what() << '\n';
    return 1;
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << "# " << scenario.Name << ": " << scenario.Summary << "\n"
      << "# Made by: vontra-replay record " << scenario.Name << " FILE\n"
      << WriteRecordedGame(recording);
  out.close();
  if (!out) {
    std::cerr << path << ": cannot be written\n";
    return 1;
  }
  std::cout << path << ": recorded " << recording.TotalFrames() << " frames\n";
  // A recording that does not replay as it was made is of no use: check it at once.
  return Play(path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  if (command == "play" && argc >= 3) {
    int worst = 0;
    for (int i = 2; i < argc; ++i) worst = std::max(worst, Play(argv[i]));
    return worst;
  }
  if (command == "record" && argc == 4) {
    const RecordingScenario* s = FindScenario(argv[2]);
    if (!s) {
      std::cerr << "no scripted game named " << argv[2] << '\n';
      return 2;
    }
    return Record(*s, argv[3]);
  }
  if (command == "record-all" && argc == 3) {
    int worst = 0;
    for (const RecordingScenario& s : RecordingScenarios()) {
      worst = std::max(worst, Record(s, std::string(argv[2]) + "/" + s.Name + ".txt"));
    }
    return worst;
  }
  if (command == "list" && argc == 2) {
    for (const RecordingScenario& s : RecordingScenarios()) {
      std::cout << s.Name << "  " << s.Summary << '\n';
    }
    return 0;
  }
  if (command == "soak" && (argc == 3 || argc == 4)) {
    SoakSettings settings;
    settings.Races = std::atoi(argv[2]);
    if (argc == 4) settings.Seed = static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10));
    if (settings.Races < 1) return Usage();
    return RunSoak(settings);
  }
  return Usage();
}
