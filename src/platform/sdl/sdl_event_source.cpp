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

// What a pad button says to the game. A, B and Start act on their own (A presses the selected
// button as Enter does, B backs out as Escape does, and both type in the name picker); every
// other button only says that the pad is in use.
PadButton PadButtonOf(Uint8 button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
      return PadButton::A;
    case SDL_CONTROLLER_BUTTON_B:
      return PadButton::B;
    case SDL_CONTROLLER_BUTTON_START:
      return PadButton::Start;
    default:
      return PadButton::Other;
  }
}

PlatformEvent PadPress(PadButton button) {
  PlatformEvent e = Make(PlatformEvent::Kind::PadPress);
  e.Pad = button;
  return e;
}

Uint32 MouseButtonBit(Uint8 button) {
  return button >= 1 && button <= 32 ? Uint32{1} << (button - 1) : 0;
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
                   (e.key.keysym.mod & KMOD_ALT) != 0, e.key.repeat != 0, out);
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
    case SDL_MOUSEBUTTONDOWN:
      mouseButtonsDown_ |= MouseButtonBit(e.button.button);
      break;
    case SDL_MOUSEBUTTONUP:
      // Any button clicks; buttons pressed together click once, when the last one comes up.
      mouseButtonsDown_ &= ~MouseButtonBit(e.button.button);
      if (mouseButtonsDown_ == 0 && OnSurface(e.button.x, e.button.y)) {
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
          mouseButtonsDown_ = 0;  // a release seen by another window must not hold clicks back
          out.push_back(Make(PlatformEvent::Kind::Activate));
          break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          mouseButtonsDown_ = 0;
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
        for (bool& pushed : axisPushed_) pushed = false;
        out.push_back(Make(PlatformEvent::Kind::PadUnplugged));
      }
      break;
    case SDL_CONTROLLERBUTTONDOWN:
      if (FromDrivingPad(e.cbutton.which)) out.push_back(PadPress(PadButtonOf(e.cbutton.button)));
      break;
    case SDL_CONTROLLERAXISMOTION:
      if (FromDrivingPad(e.caxis.which)) TranslatePadAxis(e.caxis.axis, e.caxis.value, out);
      break;
    default:
      break;
  }
}

void SdlEventSource::TranslateKey(SDL_Keycode sym, SDL_Scancode scancode, bool down, bool alt,
                                  bool repeat, std::deque<PlatformEvent>& out) {
  const int key = VirtualKeyCode(sym, scancode);
  if (key != 0) {
    PlatformEvent k = Make(down ? PlatformEvent::Kind::KeyDown : PlatformEvent::Kind::KeyUp);
    k.Key = key;
    k.Alt = alt;
    k.Repeat = down && repeat;
    out.push_back(k);
  }
  // Alt+Enter switches the display and is no Enter press; key repeat types again, marked as
  // a repeat so that it edits text but never clicks.
  const uint8_t c = CharOfKey(scancode);
  if (down && c != 0 && !alt) {
    PlatformEvent t = Make(PlatformEvent::Kind::Char);
    t.Char = c;
    t.Repeat = repeat;
    out.push_back(t);
  }
}

void SdlEventSource::TranslatePadAxis(Uint8 axis, Sint16 value, std::deque<PlatformEvent>& out) {
  if (axis >= SDL_CONTROLLER_AXIS_MAX) return;
  // An axis counts once when it leaves its rest: the right trigger is a second A, the sticks
  // and the left trigger say that the pad is in use (the directions are read as held states).
  // Triggers rest at the bottom of their travel and count past half way.
  const bool trigger =
      axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT || axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT;
  const int scaled = ScaleJoystickAxis(value);
  const bool pushed = trigger ? scaled > 0 : scaled != 0;
  if (pushed == axisPushed_[axis]) return;
  axisPushed_[axis] = pushed;
  if (!pushed) return;
  out.push_back(
      PadPress(axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT ? PadButton::A : PadButton::Other));
}

bool SdlEventSource::FromDrivingPad(SDL_JoystickID id) const {
  return session_->Controller() != nullptr && SDL_JoystickInstanceID(session_->Joystick()) == id;
}

}  // namespace vontra
