#pragma once
#include "platform/headless/headless_window.h"
#include "platform/input_states.h"

namespace vontra {

// Held keys as the test sets them; like the real component, nothing is held while the
// window is inactive.
class HeadlessInput : public IInputStates {
 public:
  explicit HeadlessInput(const HeadlessWindow& window) : window_(window) {}
  InputStateSet Read() override {
    ++reads_;
    return window_.Active() ? states_ : InputStateSet{};
  }
  void Set(const InputStateSet& states) { states_ = states; }
  InputStateSet& States() { return states_; }
  int ReadCount() const { return reads_; }

 private:
  const HeadlessWindow& window_;
  InputStateSet states_;
  int reads_ = 0;
};

}  // namespace vontra
