#include "platform/headless/headless_platform.h"

#include <memory>

namespace vontra {

HeadlessPlatform MakeHeadlessPlatform(const HeadlessOptions& options) {
  HeadlessPlatform h;
  auto clock = std::make_unique<HeadlessClock>(options.Seed);
  auto display = std::make_unique<HeadlessDisplay>(*clock, options.FrameRate);
  auto window = std::make_unique<HeadlessWindow>();
  auto input = std::make_unique<HeadlessInput>(*window);
  auto events = std::make_unique<HeadlessEvents>(*clock);
  auto pointer = std::make_unique<HeadlessPointer>();
  auto files = std::make_unique<HeadlessFiles>(options.WorkDir);
  auto http = std::make_unique<HeadlessHttp>();
  auto shell = std::make_unique<HeadlessShell>();
  auto fonts = std::make_unique<FixedMetricsRasterizer>();
  auto audio = std::make_unique<HeadlessAudioDevice>(options.SoundCard);
  auto music = std::make_unique<HeadlessMusicPlayer>();

  h.clock = clock.get();
  h.display = display.get();
  h.window = window.get();
  h.input = input.get();
  h.events = events.get();
  h.pointer = pointer.get();
  h.files = files.get();
  h.http = http.get();
  h.shell = shell.get();
  h.fonts = fonts.get();
  h.audio = audio.get();
  h.music = music.get();

  h.platform.clock = std::move(clock);
  h.platform.display = std::move(display);
  h.platform.window = std::move(window);
  h.platform.input = std::move(input);
  h.platform.events = std::move(events);
  h.platform.pointer = std::move(pointer);
  h.platform.files = std::move(files);
  h.platform.http = std::move(http);
  h.platform.shell = std::move(shell);
  h.platform.fonts = std::move(fonts);
  h.platform.audio = std::move(audio);
  h.platform.music = std::move(music);
  return h;
}

}  // namespace vontra
