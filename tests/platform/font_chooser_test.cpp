#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/sdl/font_faces.h"

namespace vontra {
namespace {

namespace fs = std::filesystem;

// The system's file for a family, to copy into a private font folder.
std::string SystemFile(const char* family, bool bold) {
  const FontFace face = FindFontFace(family, bold);
  EXPECT_EQ(face.Family, family) << "the build machine lacks " << family;
  return face.File;
}

struct ConfigDeleter {
  void operator()(FcConfig* c) const { FcConfigDestroy(c); }
};
using ConfigPtr = std::unique_ptr<FcConfig, ConfigDeleter>;

// A fontconfig configuration that knows only the given files, and can give one of them
// another family name, as if that family were installed.
class FontFolder {
 public:
  FontFolder() : dir_(fs::temp_directory_path() / ("vontra-fonts-" + std::to_string(getpid()))) {
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "fonts");
  }
  ~FontFolder() { fs::remove_all(dir_); }

  void Add(const std::string& file) {
    fs::create_symlink(file, dir_ / "fonts" / fs::path(file).filename());
  }
  // Scanned fonts of `family` are named `as` instead.
  void Rename(const std::string& family, const std::string& as) {
    rename_ = "<match target=\"scan\"><test name=\"family\"><string>" + family +
              "</string></test><edit name=\"family\" mode=\"assign_replace\"><string>" + as +
              "</string></edit></match>";
  }
  ConfigPtr Config() const {
    const std::string xml = "<?xml version=\"1.0\"?><fontconfig><dir>" + (dir_ / "fonts").string() +
                            "</dir><cachedir>" + (dir_ / "cache").string() + "</cachedir>" +
                            rename_ + "</fontconfig>";
    ConfigPtr config(FcConfigCreate());
    EXPECT_TRUE(FcConfigParseAndLoadFromMemory(
        config.get(), reinterpret_cast<const FcChar8*>(xml.c_str()), FcTrue));
    EXPECT_TRUE(FcConfigBuildFonts(config.get()));
    return config;
  }
  std::string Path(const std::string& file) const {
    return (dir_ / "fonts" / fs::path(file).filename()).string();
  }

 private:
  fs::path dir_;
  std::string rename_;
};

enum class Installed { Named, StandIn, DejaVuOnly, Nothing };

struct ChooserCase {
  const char* family;
  bool bold;
  const char* standIn;  // family of the stand-in
  bool standInBold;     // the stand-in's file is its bold or black cut
  const char* dejaVu;   // the DejaVu family it falls back to
  bool dejaVuBold;
};

const ChooserCase kFamilies[] = {
    {"Arial", false, "Liberation Sans", false, "DejaVu Sans", false},
    {"Arial", true, "Liberation Sans", true, "DejaVu Sans", true},
    {"Times New Roman", true, "Liberation Serif", true, "DejaVu Sans", true},
    {"Arial Black", false, "Roboto", true, "DejaVu Sans", true},
    {"DS Crystal", false, "Jura", false, "DejaVu Sans Mono", false},
};

// Named face, then its stand-in, then DejaVu, then nothing: for every face the game's styles
// name, with only some of them installed.
TEST(FontChooser, TakesTheNamedFaceThenItsStandInThenDejaVu) {
  const std::string dejaVuSans = SystemFile("DejaVu Sans", false);
  const std::string dejaVuSansBold = SystemFile("DejaVu Sans", true);
  const std::string dejaVuMono = SystemFile("DejaVu Sans Mono", false);
  const std::string dejaVuSerif = SystemFile("DejaVu Serif", false);
  for (const ChooserCase& c : kFamilies) {
    const std::string standIn = c.standIn == std::string("Roboto")
                                    ? FindFontFace("Arial Black", false).File  // Roboto's black cut
                                    : SystemFile(c.standIn, c.standInBold);
    const std::string dejaVu = c.dejaVu == std::string("DejaVu Sans Mono")
                                   ? dejaVuMono
                                   : (c.dejaVuBold ? dejaVuSansBold : dejaVuSans);
    for (Installed installed :
         {Installed::Named, Installed::StandIn, Installed::DejaVuOnly, Installed::Nothing}) {
      SCOPED_TRACE(testing::Message() << c.family << (c.bold ? " bold" : "") << ", case "
                                      << static_cast<int>(installed));
      FontFolder folder;
      if (installed == Installed::Named) {
        // DejaVu Serif under the game's family name stands for the real face.
        folder.Add(dejaVuSerif);
        folder.Rename("DejaVu Serif", c.family);
      }
      if (installed == Installed::Named || installed == Installed::StandIn) folder.Add(standIn);
      if (installed != Installed::Nothing) {
        for (const std::string& f : {dejaVuSans, dejaVuSansBold, dejaVuMono}) folder.Add(f);
      }
      ConfigPtr config = folder.Config();
      const FontFace face = FindFontFace(c.family, c.bold, config.get());
      switch (installed) {
        case Installed::Named:
          EXPECT_EQ(face.Family, c.family);
          EXPECT_EQ(face.File, folder.Path(dejaVuSerif));
          break;
        case Installed::StandIn:
          EXPECT_EQ(face.Family, c.standIn);
          EXPECT_EQ(face.File, folder.Path(standIn));
          EXPECT_EQ(face.Heavy, c.standInBold);
          break;
        case Installed::DejaVuOnly:
          EXPECT_EQ(face.Family, c.dejaVu);
          EXPECT_EQ(face.File, folder.Path(dejaVu));
          break;
        case Installed::Nothing:
          EXPECT_EQ(face.File, "");
          break;
      }
      const std::string missing = MissingFontsMessage(config.get());
      if (installed == Installed::Nothing) {
        EXPECT_NE(missing.find("fonts-liberation2"), std::string::npos) << missing;
      } else {
        EXPECT_EQ(missing, "");
      }
    }
  }
}

// A machine with none of the game's families but another face that draws Russian still shows
// the texts, in that face; one without Cyrillic at all does not count as usable.
TEST(FontChooser, AnyFaceWithRussianLettersIsTheLastResort) {
  const std::string serif = SystemFile("DejaVu Serif", false);
  FontFolder folder;
  folder.Add(serif);
  folder.Rename("DejaVu Serif", "Some Cyrillic Face");
  ConfigPtr config = folder.Config();
  const FontFace face = FindFontFace("Arial", false, config.get());
  EXPECT_EQ(face.File, folder.Path(serif));
  EXPECT_EQ(face.Family, "Some Cyrillic Face");
  EXPECT_EQ(MissingFontsMessage(config.get()), "");
}

}  // namespace
}  // namespace vontra
