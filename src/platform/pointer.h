#pragma once

namespace vontra {

// The mouse pointer with the desktop's nesting show counter.
class IPointer {
 public:
  virtual ~IPointer() = default;
  // Adds (show) or subtracts (hide) one and returns the new display counter; the pointer is
  // visible while the counter is at least 0.
  virtual int ShowCursor(bool show) = 0;
};

}  // namespace vontra
