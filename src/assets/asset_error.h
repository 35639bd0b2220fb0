#pragma once
#include <stdexcept>
#include <string>

namespace vontra {

// A failed archive load or name lookup; what() is the message for the caller.
class AssetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reading past the end of a file or of a value: a truncated or damaged archive.
inline constexpr const char* kStreamReadError = "Stream read error";
inline constexpr const char* kInvalidStreamFormat = "Invalid stream format";
inline constexpr const char* kInvalidPropertyValue = "Invalid property value";
inline constexpr const char* kDibInvalid = "DIB is invalid";
inline constexpr const char* kWaveInvalid = "Wave is invalid";
inline constexpr const char* kPixelFormatInvalid = "PixelFormat in invalid";

}  // namespace vontra
