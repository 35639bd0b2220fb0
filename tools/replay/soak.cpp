#include "soak.h"

#include <malloc.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>

#include "app/mform.h"
#include "assets/wave_collection.h"
#include "audio/sound_mixer.h"
#include "frontend/text_canvas.h"
#include "platform/audio_device.h"
#include "support/autopilot.h"
#include "support/game_recorder.h"

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's allocator statistics (GCC ships no header for them).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace vontra {

namespace {

// Bytes the program holds on its heap right now.
size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

size_t ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  size_t pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

double Mb(size_t bytes) {
  return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

}  // namespace

int RunSoak(const SoakSettings& settings) {
  const auto started = std::chrono::steady_clock::now();
  HeadlessGame::Options options;
  options.Platform.Seed = settings.Seed;
  options.Platform.FrameRate = settings.FrameRate;
  HeadlessGame game(options);
  game.Create();
  // Each sound is decoded when first played; rare ones are first heard after hundreds of
  // races. Decoding them all now keeps that bounded, once-only growth out of the heap figures.
  TWaveCollection& sounds = *game.Form().MDXWaveList;
  for (int i = 0; i < sounds.Count(); ++i) {
    sounds.Items(i).Play(*game.Form().MDXSound, false);
    sounds.Items(i).Stop();
  }

  AutopilotSettings pilotSettings;
  pilotSettings.Seed = settings.Seed;
  pilotSettings.PauseChance = 0.3;
  pilotSettings.QuitChance = 0.4;
  pilotSettings.IdleChance = 0.05;
  pilotSettings.Name = "Soak";
  Autopilot pilot(pilotSettings);
  const AutopilotHands hands{[&](const PlatformEvent& e) { game.Events().Push(e); },
                             [&](const InputStateSet& held) { game.Hold(held); }};

  int errors = 0;
  int games = 0;
  int baseline = -1;
  bool inGame = false;
  bool gameEnded = false;
  int racesAtGameStart = 0;
  int64_t frames = 0;
  int64_t lastProgressFrame = 0;
  int lastRaces = 0;
  size_t heapReference = 0;
  size_t heapFirst = 0;
  size_t heapMax = 0;
  size_t heapLast = 0;
  size_t rssMax = 0;
  int scoreOfGame = 0;

  for (;;) {
    TMForm& form = game.Form();
    const bool atMenu = form.ScreenState == ScreenStates::kMainMenu && form.MenuIntroPhase == 0 &&
                        form.WindowKind == WindowKinds::kNone;
    if (atMenu && baseline < 0) baseline = CountSprites(form);
    if (form.ScreenState == ScreenStates::kRace) {
      if (!inGame) racesAtGameStart = pilot.Races();
      inGame = true;
      scoreOfGame = form.Score;
    } else if (inGame) {
      inGame = false;
      gameEnded = true;
      ++games;
      if (form.WindowKind != WindowKinds::kNone || form.WindowFrame || form.TextCursor) {
        std::printf("ERROR: game %d ended with message window %d still open\n", games,
                    ToInt(form.WindowKind));
        ++errors;
      }
    }
    if (atMenu && gameEnded) {
      gameEnded = false;
      const int sprites = CountSprites(form);
      // The canvas keeps up to a fixed number of rendered strings (new scores are new strings):
      // bounded by design, so it is emptied before the heap is weighed.
      const size_t cached = form.Canvas->CachedStrings();
      form.Canvas->DropCache();
      const size_t heap = HeapInUse();
      const size_t rss = ResidentBytes();
      heapLast = heap;
      if (games == 1) heapFirst = heap;
      // Warm-up: the first games, and the first tenth of the races, fill what is made on first
      // use (sounds decoded when first heard, their voice copies, buffers at their peak).
      const bool warmingUp = games <= settings.WarmupGames || pilot.Races() <= settings.Races / 10;
      if (warmingUp) heapReference = std::max(heapReference, heap);
      heapMax = std::max(heapMax, heap);
      rssMax = std::max(rssMax, rss);
      std::printf(
          "game %d: %d races (%d in all), score %d, sprites %d/%d, heap %.2f MB (%zu texts "
          "dropped), rss %.1f MB\n",
          games, pilot.Races() - racesAtGameStart, pilot.Races(), scoreOfGame, sprites, baseline,
          Mb(heap), cached, Mb(rss));
      if (sprites != baseline) {
        std::printf("  ERROR: %d sprites in the tree after the game, %d before the first\n",
                    sprites, baseline);
        ++errors;
      }
      if (!warmingUp && heap > heapReference + settings.HeapMargin) {
        std::printf("  ERROR: heap %.2f MB grew past %.2f MB (after warm-up) + %.2f MB\n", Mb(heap),
                    Mb(heapReference), Mb(settings.HeapMargin));
        ++errors;
      }
      std::fflush(stdout);
      if (pilot.Races() >= settings.Races) break;
    }
    if (pilot.Races() >= settings.Races) pilot.Finish();
    if (pilot.Races() != lastRaces) {
      lastRaces = pilot.Races();
      lastProgressFrame = frames;
    }
    if (frames - lastProgressFrame > settings.StuckFrames) {
      std::printf("ERROR: no race started for %lld frames; screen %d, window %d\n",
                  static_cast<long long>(frames - lastProgressFrame), ToInt(form.ScreenState),
                  ToInt(form.WindowKind));
      ++errors;
      break;
    }
    pilot.Step(form, hands);
    if (game.RunTicks(1) != 1) {
      std::printf("ERROR: the game's loop ended at frame %lld\n", static_cast<long long>(frames));
      ++errors;
      break;
    }
    // The sound card plays one frame's worth, so voices end and are reused as they would be.
    game.Platform().audio->Pull(kMixRate / settings.FrameRate);
    ++frames;
  }

  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf(
      "soak: %d races in %d games, %lld frames (%.0f s of play) in %.1f s; heap first %.2f MB, "
      "after warm-up %.2f MB, last %.2f MB, most %.2f MB; rss most %.1f MB; %d errors\n",
      pilot.Races(), games, static_cast<long long>(frames),
      static_cast<double>(frames) / settings.FrameRate, seconds, Mb(heapFirst), Mb(heapReference),
      Mb(heapLast), Mb(heapMax), Mb(rssMax), errors);
  return errors == 0 ? 0 : 1;
}

}  // namespace vontra
