#pragma once
#include <SDL.h>

#include <deque>
#include <memory>

#include "platform/events.h"
#include "platform/sdl/sdl_session.h"

namespace vontra {

// Turns SDL's events into the game's: virtual-key codes, Windows-1251 characters, surface
// pixels, and the window's close, minimise and focus changes. Joystick plugging is handled
// here too, since it arrives as events; a mapped pad's A (or right trigger) and B arrive as
// the Enter and Escape keys they stand for, and unplugging the pad in use is reported.
class SdlEventSource : public IEventSource {
 public:
  explicit SdlEventSource(std::shared_ptr<SdlSession> session);
  bool Poll(PlatformEvent& event) override;
  bool Wait(PlatformEvent& event, int timeoutMs) override;

  // The translation of one SDL event, appended to out (one SDL event can give several).
  void Translate(const SDL_Event& e, std::deque<PlatformEvent>& out);

 private:
  bool PopPending(PlatformEvent& event);
  void TranslateKey(SDL_Keycode sym, SDL_Scancode scancode, bool down, bool alt,
                    std::deque<PlatformEvent>& out);
  bool FromDrivingPad(SDL_JoystickID id) const;

  std::shared_ptr<SdlSession> session_;
  std::deque<PlatformEvent> pending_;
  bool triggerPulled_ = false;
};

}  // namespace vontra
