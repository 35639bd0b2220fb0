#pragma once
#include <SDL.h>

#include <deque>
#include <memory>

#include "platform/events.h"
#include "platform/sdl/sdl_session.h"

namespace vontra {

// Turns SDL's events into the game's: virtual-key codes, Windows-1251 characters, surface
// pixels, and the window's close, minimise and focus changes. Joystick plugging is handled
// here too, since it arrives as events; the presses of a mapped pad (A or the right trigger,
// B, Start, anything else) arrive as pad presses, and unplugging the pad in use is reported.
// Key auto-repeat is passed on marked as such; any mouse button clicks.
class SdlEventSource : public IEventSource {
 public:
  explicit SdlEventSource(std::shared_ptr<SdlSession> session);
  bool Poll(PlatformEvent& event) override;
  bool Wait(PlatformEvent& event, int timeoutMs) override;

  // The translation of one SDL event, appended to out (one SDL event can give several).
  void Translate(const SDL_Event& e, std::deque<PlatformEvent>& out);

 private:
  bool PopPending(PlatformEvent& event);
  void TranslateKey(SDL_Keycode sym, SDL_Scancode scancode, bool down, bool alt, bool repeat,
                    std::deque<PlatformEvent>& out);
  void TranslatePadAxis(Uint8 axis, Sint16 value, std::deque<PlatformEvent>& out);
  bool FromDrivingPad(SDL_JoystickID id) const;

  std::shared_ptr<SdlSession> session_;
  std::deque<PlatformEvent> pending_;
  bool axisPushed_[SDL_CONTROLLER_AXIS_MAX] = {};
  Uint32 mouseButtonsDown_ = 0;
};

}  // namespace vontra
