#pragma once
// The test double for the whole machine, with typed handles so tests can script it.
#include <cstdint>
#include <string>

#include "platform/headless/fixed_metrics_rasterizer.h"
#include "platform/headless/headless_audio_device.h"
#include "platform/headless/headless_clock.h"
#include "platform/headless/headless_display.h"
#include "platform/headless/headless_events.h"
#include "platform/headless/headless_files.h"
#include "platform/headless/headless_input.h"
#include "platform/headless/headless_music_player.h"
#include "platform/headless/headless_pointer.h"
#include "platform/headless/headless_recorders.h"
#include "platform/headless/headless_window.h"
#include "platform/platform.h"

namespace vontra {

struct HeadlessOptions {
  // Frames per second the display presents at (each flip moves the clock 1000 / rate ms).
  int FrameRate = 85;
  uint32_t Seed = 1;
  // Working directory; empty makes a fresh temporary one that is removed afterwards.
  std::string WorkDir;
  // False builds a machine without a sound card: the audio device does not open.
  bool SoundCard = true;
};

struct HeadlessPlatform {
  Platform platform;
  HeadlessDisplay* display = nullptr;
  HeadlessEvents* events = nullptr;
  HeadlessInput* input = nullptr;
  HeadlessPointer* pointer = nullptr;
  HeadlessWindow* window = nullptr;
  HeadlessClock* clock = nullptr;
  HeadlessFiles* files = nullptr;
  HeadlessHttp* http = nullptr;
  HeadlessShell* shell = nullptr;
  HeadlessAudioDevice* audio = nullptr;
  HeadlessMusicPlayer* music = nullptr;
  // Null once a real rasteriser has been put in its place.
  FixedMetricsRasterizer* fonts = nullptr;
};

HeadlessPlatform MakeHeadlessPlatform(const HeadlessOptions& options = {});

}  // namespace vontra
