#include "platform/sdl/sdl_event_source.h"

#include "platform/cp1251.h"
#include "platform/display.h"
#include "platform/sdl/joystick_axis.h"
#include "platform/sdl/sdl_key_codes.h"

namespace vontra {
namespace {

PlatformEvent Make(PlatformEvent::Kind kind) {
  PlatformEvent e;
  e.kind = kind;
  return e;
}

bool OnSurface(int x, int y) {
  return x >= 0 && x < kDisplayWidth && y >= 0 && y < kDisplayHeight;
}

// Enter, Escape and Backspace type no text in SDL; the game reads them as characters.
uint8_t CharOfKey(SDL_Scancode scancode) {
  switch (scancode) {
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER:
      return 13;
    case SDL_SCANCODE_ESCAPE:
      return 27;
    case SDL_SCANCODE_BACKSPACE:
      return 8;
    default:
      return 0;
  }
}

// The keyboard key a pad button stands for in menus and windows: A presses the selected
// button as Enter does, B backs out as Escape does. Start and the directions are read as held
// states, like the P and arrow keys they match.
SDL_Scancode KeyOfPadButton(Uint8 button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
      return SDL_SCANCODE_RETURN;
    case SDL_CONTROLLER_BUTTON_B:
      return SDL_SCANCODE_ESCAPE;
    default:
      return SDL_SCANCODE_UNKNOWN;
  }
}

}  // namespace

SdlEventSource::SdlEventSource(std::shared_ptr<SdlSession> session) : session_(std::move(session)) {
  SDL_StartTextInput();
}

bool SdlEventSource::PopPending(PlatformEvent& event) {
  if (pending_.empty()) return false;
  event = pending_.front();
  pending_.pop_front();
  return true;
}

bool SdlEventSource::Poll(PlatformEvent& event) {
  SDL_Event e;
  while (pending_.empty() && SDL_PollEvent(&e) != 0) Translate(e, pending_);
  return PopPending(event);
}

bool SdlEventSource::Wait(PlatformEvent& event, int timeoutMs) {
  if (Poll(event)) return true;
  const Uint64 deadline = SDL_GetTicks64() + static_cast<Uint64>(timeoutMs > 0 ? timeoutMs : 0);
  SDL_Event e;
  while (pending_.empty()) {
    const Uint64 now = SDL_GetTicks64();
    if (now >= deadline) break;
    if (SDL_WaitEventTimeout(&e, static_cast<int>(deadline - now)) == 0) break;
    Translate(e, pending_);
  }
  return Poll(event);
}

void SdlEventSource::Translate(const SDL_Event& e, std::deque<PlatformEvent>& out) {
  switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      TranslateKey(e.key.keysym.sym, e.key.keysym.scancode, e.type == SDL_KEYDOWN,
                   (e.key.keysym.mod & KMOD_ALT) != 0, out);
      break;
    case SDL_TEXTINPUT: {
      // Left Alt with a letter is a menu shortcut, not typing (AltGr still types).
      if ((SDL_GetModState() & KMOD_LALT) != 0) break;
      for (char c : Utf8ToCp1251(e.text.text)) {
        if (static_cast<uint8_t>(c) < 32) continue;
        PlatformEvent t = Make(PlatformEvent::Kind::Char);
        t.Char = static_cast<uint8_t>(c);
        out.push_back(t);
      }
      break;
    }
    case SDL_MOUSEMOTION:
      // With letterboxing, positions over the bars fall outside the picture.
      if (OnSurface(e.motion.x, e.motion.y)) {
        PlatformEvent m = Make(PlatformEvent::Kind::MouseMove);
        m.X = e.motion.x;
        m.Y = e.motion.y;
        out.push_back(m);
      }
      break;
    case SDL_MOUSEBUTTONUP:
      if (e.button.button == SDL_BUTTON_LEFT && OnSurface(e.button.x, e.button.y)) {
        PlatformEvent m = Make(PlatformEvent::Kind::MouseClick);
        m.X = e.button.x;
        m.Y = e.button.y;
        out.push_back(m);
      }
      break;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
          out.push_back(Make(PlatformEvent::Kind::CloseRequest));
          break;
        case SDL_WINDOWEVENT_MINIMIZED:
          out.push_back(Make(PlatformEvent::Kind::Minimize));
          break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          out.push_back(Make(PlatformEvent::Kind::Activate));
          break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          out.push_back(Make(PlatformEvent::Kind::Deactivate));
          break;
        default:
          break;
      }
      break;
    case SDL_QUIT:
      out.push_back(Make(PlatformEvent::Kind::Quit));
      break;
    case SDL_JOYDEVICEADDED:
      session_->OpenJoystickIfNone();
      break;
    case SDL_JOYDEVICEREMOVED:
      if (session_->JoystickRemoved(e.jdevice.which)) {
        triggerPulled_ = false;
        out.push_back(Make(PlatformEvent::Kind::PadUnplugged));
      }
      break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      if (FromDrivingPad(e.cbutton.which)) {
        const SDL_Scancode key = KeyOfPadButton(e.cbutton.button);
        if (key != SDL_SCANCODE_UNKNOWN) {
          TranslateKey(SDL_GetKeyFromScancode(key), key, e.type == SDL_CONTROLLERBUTTONDOWN, false,
                       out);
        }
      }
      break;
    case SDL_CONTROLLERAXISMOTION:
      // The right trigger is a second A: pulling it past half way presses Enter once.
      if (FromDrivingPad(e.caxis.which) && e.caxis.axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT) {
        const bool pulled = ScaleJoystickAxis(e.caxis.value) > 0;
        if (pulled != triggerPulled_) {
          triggerPulled_ = pulled;
          TranslateKey(SDLK_RETURN, SDL_SCANCODE_RETURN, pulled, false, out);
        }
      }
      break;
    default:
      break;
  }
}

void SdlEventSource::TranslateKey(SDL_Keycode sym, SDL_Scancode scancode, bool down, bool alt,
                                  std::deque<PlatformEvent>& out) {
  const int key = VirtualKeyCode(sym, scancode);
  if (key != 0) {
    PlatformEvent k = Make(down ? PlatformEvent::Kind::KeyDown : PlatformEvent::Kind::KeyUp);
    k.Key = key;
    k.Alt = alt;
    out.push_back(k);
  }
  // Alt+Enter switches the display and is no Enter press; key repeat types again.
  const uint8_t c = CharOfKey(scancode);
  if (down && c != 0 && !alt) {
    PlatformEvent t = Make(PlatformEvent::Kind::Char);
    t.Char = c;
    out.push_back(t);
  }
}

bool SdlEventSource::FromDrivingPad(SDL_JoystickID id) const {
  return session_->Controller() != nullptr && SDL_JoystickInstanceID(session_->Joystick()) == id;
}

}  // namespace vontra
