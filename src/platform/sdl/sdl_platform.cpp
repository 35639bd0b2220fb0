#include "platform/sdl/sdl_platform.h"

#include "platform/posix/curl_http_client.h"
#include "platform/posix/posix_files.h"
#include "platform/posix/posix_shell.h"
#include "platform/sdl/sdl_audio_device.h"
#include "platform/sdl/sdl_clock.h"
#include "platform/sdl/sdl_display.h"
#include "platform/sdl/sdl_event_source.h"
#include "platform/sdl/sdl_font_check.h"
#include "platform/sdl/sdl_font_rasterizer.h"
#include "platform/sdl/sdl_input_states.h"
#include "platform/sdl/sdl_pointer.h"
#include "platform/sdl/sdl_session.h"
#include "platform/sdl/sdl_window.h"
#include "platform/xmp/xmp_music_player.h"

namespace vontra {

std::unique_ptr<Platform> MakeSdlPlatform() {
  // A game without text cannot be played: stop before any window opens.
  RequireUsableFonts();
  auto session = std::make_shared<SdlSession>();
  auto platform = std::make_unique<Platform>();
  platform->display = std::make_unique<SdlDisplay>(session);
  platform->events = std::make_unique<SdlEventSource>(session);
  platform->input = std::make_unique<SdlInputStates>(session);
  platform->pointer = std::make_unique<SdlPointer>(session);
  platform->window = std::make_unique<SdlWindow>(session, std::make_shared<PosixFiles>());
  platform->clock = std::make_unique<SdlClock>();
  platform->files = std::make_unique<PosixFiles>();
  platform->http = std::make_unique<CurlHttpClient>();
  platform->shell = std::make_unique<PosixShell>();
  platform->fonts = std::make_unique<SdlFontRasterizer>();
  // The music player renders on the audio device's thread and switches songs under its lock.
  auto audio = std::make_unique<SdlAudioDevice>();
  platform->music = std::make_unique<XmpMusicPlayer>(*audio);
  platform->audio = std::move(audio);
  return platform;
}

}  // namespace vontra
