#pragma once
// One game on the headless display with the real faces and the built data, driven tick by
// tick, whose frames can be written out as bitmaps.
#include <functional>
#include <memory>
#include <string>

#include "app/mform.h"
#include "platform/headless/headless_platform.h"

namespace vontra {

class SceneSession {
 public:
  SceneSession(const std::string& dataDir, int frameRate, uint32_t seed);
  ~SceneSession();

  TMForm& Form() { return *form_; }
  HeadlessPlatform& Platform() { return platform_; }

  void Create();
  // Runs ticks until `done` holds or `maxTicks` ran; false when it never held.
  bool RunUntil(const std::function<bool()>& done, int maxTicks);
  void RunTicks(int ticks);
  // Moves the pointer onto slot's button and clicks it.
  void ClickSlot(int slot);
  // Writes the last presented frame as a 24-bit bitmap.
  bool WriteFrame(const std::string& path) const;

 private:
  HeadlessPlatform platform_;
  std::unique_ptr<TMForm> form_;
};

}  // namespace vontra
