#pragma once
// A fresh game window on the headless platform with small hand-made image lists, for the tests
// of sprites that look their pictures up through the form.
#include <gtest/gtest.h>

#include <memory>

#include "app/mform.h"
#include "assets/picture_collection.h"
#include "platform/headless/headless_audio_device.h"
#include "platform/headless/headless_platform.h"
#include "sprites/sprite_engine.h"
#include "sprites/test_pictures.h"

namespace vontra {

class FormFixture : public ::testing::Test {
 protected:
  FormFixture() {
    form.MDXImageList = std::make_unique<TPictureCollection>();
    form.MDXImageList3 = std::make_unique<TPictureCollection>();
    headless.display->Initialize();
  }
  TSpriteEngine& Root() { return form.MDXSpriteEngine->Root(); }
  Surface& Frame() { return headless.display->DrawSurface(); }

  HeadlessPlatform headless = MakeHeadlessPlatform();
  TMForm form{headless.platform};
  // A sound card the tests pull, so what the player would hear can be measured.
  HeadlessAudioDevice* soundCard = headless.audio;
};

}  // namespace vontra
