#pragma once
// Everything the game asks of the machine, bundled. The SDL implementation drives the real
// window; the headless one is the test double.
#include <memory>

#include "platform/audio_device.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/events.h"
#include "platform/files.h"
#include "platform/font_rasterizer.h"
#include "platform/http_client.h"
#include "platform/input_states.h"
#include "platform/music_player.h"
#include "platform/pointer.h"
#include "platform/shell.h"
#include "platform/window.h"

namespace vontra {

struct Platform {
  std::unique_ptr<IDisplay> display;
  std::unique_ptr<IEventSource> events;
  std::unique_ptr<IInputStates> input;
  std::unique_ptr<IPointer> pointer;
  std::unique_ptr<IWindow> window;
  std::unique_ptr<IClock> clock;
  std::unique_ptr<IFiles> files;
  std::unique_ptr<IAudioDevice> audio;
  std::unique_ptr<IMusicPlayer> music;
  std::unique_ptr<IHttpClient> http;
  std::unique_ptr<IShell> shell;
  std::unique_ptr<IFontRasterizer> fonts;
};

}  // namespace vontra
