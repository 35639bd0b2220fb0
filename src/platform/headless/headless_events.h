#pragma once
#include <deque>

#include "platform/events.h"
#include "platform/headless/headless_clock.h"

namespace vontra {

// Events queued by the test; the message loop drains them before each tick.
class HeadlessEvents : public IEventSource {
 public:
  explicit HeadlessEvents(HeadlessClock& clock) : clock_(clock) {}
  // With nothing queued, the wait passes on the headless clock.
  bool Wait(PlatformEvent& event, int timeoutMs) override {
    if (Poll(event)) return true;
    clock_.SleepMs(timeoutMs);
    return false;
  }
  bool Poll(PlatformEvent& event) override {
    if (queue_.empty()) return false;
    event = queue_.front();
    queue_.pop_front();
    return true;
  }

  void Push(const PlatformEvent& event) { queue_.push_back(event); }
  void KeyDown(int key, bool alt = false, bool repeat = false) {
    PlatformEvent e = Key(PlatformEvent::Kind::KeyDown, key, alt);
    e.Repeat = repeat;
    Push(e);
  }
  void KeyUp(int key, bool alt = false) { Push(Key(PlatformEvent::Kind::KeyUp, key, alt)); }
  // repeat: made by the keyboard's auto-repeat of a held key.
  void Char(uint8_t c, bool repeat = false) {
    PlatformEvent e;
    e.kind = PlatformEvent::Kind::Char;
    e.Char = c;
    e.Repeat = repeat;
    Push(e);
  }
  void Pad(PadButton button) {
    PlatformEvent e;
    e.kind = PlatformEvent::Kind::PadPress;
    e.Pad = button;
    Push(e);
  }
  void MouseMove(int x, int y) { Push(Mouse(PlatformEvent::Kind::MouseMove, x, y)); }
  void Click(int x, int y) { Push(Mouse(PlatformEvent::Kind::MouseClick, x, y)); }
  void Simple(PlatformEvent::Kind kind) {
    PlatformEvent e;
    e.kind = kind;
    Push(e);
  }
  size_t Pending() const { return queue_.size(); }

 private:
  static PlatformEvent Key(PlatformEvent::Kind kind, int key, bool alt) {
    PlatformEvent e;
    e.kind = kind;
    e.Key = key;
    e.Alt = alt;
    return e;
  }
  static PlatformEvent Mouse(PlatformEvent::Kind kind, int x, int y) {
    PlatformEvent e;
    e.kind = kind;
    e.X = x;
    e.Y = y;
    return e;
  }
  HeadlessClock& clock_;
  std::deque<PlatformEvent> queue_;
};

}  // namespace vontra
