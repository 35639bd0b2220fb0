#pragma once
#include <cstdint>

namespace vontra {

// Windows virtual-key codes and the control characters the game reacts to.
constexpr int kVkBack = 8;
constexpr int kVkReturn = 13;
constexpr int kVkControl = 17;
constexpr int kVkEscape = 27;

constexpr uint8_t kCharBackspace = 8;
constexpr uint8_t kCharEnter = 13;
constexpr uint8_t kCharEscape = 27;

}  // namespace vontra
