#pragma once
#include "platform/pointer.h"

namespace vontra {

// The desktop's nesting pointer counter: visible while it is at least 0.
class HeadlessPointer : public IPointer {
 public:
  int ShowCursor(bool show) override {
    ++calls_;
    counter_ += show ? 1 : -1;
    return counter_;
  }
  int Counter() const { return counter_; }
  bool Visible() const { return counter_ >= 0; }
  int Calls() const { return calls_; }

 private:
  int counter_ = 0;
  int calls_ = 0;
};

}  // namespace vontra
