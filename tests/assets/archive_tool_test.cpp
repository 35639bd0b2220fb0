// Runs the real vontra-archive binary on archives made with the archive writer.
#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "archive_test_util.h"
#include "assets/archive_writer.h"
#include "assets/picture_collection.h"
#include "assets/wave_collection.h"
#include "assets/wave_writer.h"

namespace vontra {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

struct ToolRun {
  int status;
  std::string out;
};

class ArchiveTool : public testing::Test {
 protected:
  void SetUp() override {
    tool = fs::path(VONTRA_BINARY_DIR) / "vontra-archive";
    if (!fs::exists(tool)) GTEST_SKIP() << "vontra-archive not built";
    dir = fs::temp_directory_path() / ("vontra-tool-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  // Runs the tool with stdout and stderr captured together.
  ToolRun Tool(const std::string& args) {
    const fs::path out = dir / "out.txt";
    const std::string cmd = tool.string() + " " + args + " >" + out.string() + " 2>&1";
    const int raw = std::system(cmd.c_str());
    std::ifstream in(out);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1,
            std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>())};
  }
  std::string Write(const std::string& name, const Bytes& bytes) {
    const fs::path p = dir / name;
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return p.string();
  }

  fs::path tool, dir;
};

TPicture ReadPngFile(const fs::path& p) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  TPicture pic;
  if (!png_image_begin_read_from_file(&image, p.c_str())) return pic;
  image.format = PNG_FORMAT_RGB;
  Bytes rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return pic;
  pic.Width = static_cast<int>(image.width);
  pic.Height = static_cast<int>(image.height);
  for (size_t i = 0; i < rgb.size(); i += 3)
    pic.Pixels.push_back(uint32_t{rgb[i]} << 16 | uint32_t{rgb[i + 1]} << 8 | rgb[i + 2]);
  return pic;
}

TEST_F(ArchiveTool, ListsPicturesAndSoundsInFileOrder) {
  std::vector<PictureEntry> pictures{{"Strip", test::GradientPicture(100, 10), 20, 0, 5},
                                     {"Empty", {}, 8, 8},
                                     {"Whole", test::GradientPicture(7, 3)}};
  const std::string images = Write("Res1.dxg", WriteImageArchive(pictures));
  const ToolRun list = Tool("list " + images);
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out,
            "Strip\tpicture\t100\t10\t20\t10\t4\n"
            "Empty\tpicture\t0\t0\t0\t0\t0\n"
            "Whole\tpicture\t7\t3\t7\t3\t1\n");

  const Bytes ms1501(1501 * 4 + 3, 0);  // 1501 whole frames of 16-bit stereo at 1000 Hz
  const std::string sounds = Write(
      "Sounds.dxw",
      WriteSoundArchive({{"Engine", true, 0, MakeRiffWave(2, 1000, 16, ms1501)},
                         {"Shot", false, 4, MakeRiffWave(1, 22050, 8, Bytes(22050 / 2, 128))}}));
  const ToolRun sl = Tool("list " + sounds);
  EXPECT_EQ(sl.status, 0);
  EXPECT_EQ(sl.out, "Engine\tsound\t2\t1000\t16\t1501\t1\nShot\tsound\t1\t22050\t8\t500\t0\n");
}

TEST_F(ArchiveTool, ExtractThenPackGivesTheSameArchive) {
  std::vector<PictureEntry> pictures{
      {"Car/1", test::GradientPicture(12, 5), 4, 5, 0, 0, true, true, 0x00FF00FF},
      {"Road", test::GradientPicture(9, 9), 3, 3, 0, 0, false, false, 0},
      {"Sys", test::GradientPicture(2, 2), 0, 0, 0, 0, false, true, 0xFF00000F}};
  pictures[1].SkipHeight = 0;
  pictures[0].SkipWidth = 0;
  const Bytes original = WriteImageArchive(pictures, "Res3");
  const std::string file = Write("Res3.dxg", original);
  ASSERT_EQ(Tool("extract " + file + " " + (dir / "x").string()).status, 0);
  // Pictures come out as decoded; unsafe characters in names are replaced in file names.
  const TPicture car = ReadPngFile(dir / "x" / "Car_1.png");
  EXPECT_EQ(car.Width, 12);
  EXPECT_EQ(car.Pixels, pictures[0].Picture.Pixels);
  const ToolRun pack =
      Tool("pack " + (dir / "x" / "manifest.txt").string() + " " + (dir / "Res3.dxg").string());
  ASSERT_EQ(pack.status, 0) << pack.out;
  std::ifstream in(dir / "Res3.dxg", std::ios::binary);
  const Bytes repacked((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(repacked, original);

  const std::vector<int16_t> samples{1, -2, 3, -4, 5};
  const Bytes sounds = WriteSoundArchive({{"Boom", false, 2, MakeRiffWave16(1, 11025, samples)},
                                          {"Loop", true, 0, MakeRiffWave16(2, 8000, samples)}},
                                         "Sounds");
  const std::string sfile = Write("Sounds.dxw", sounds);
  ASSERT_EQ(Tool("extract " + sfile + " " + (dir / "s").string()).status, 0);
  ASSERT_EQ(Tool("pack " + (dir / "s" / "manifest.txt").string() + " " + sfile).status, 0);
  std::ifstream sin(sfile, std::ios::binary);
  EXPECT_EQ(Bytes((std::istreambuf_iterator<char>(sin)), std::istreambuf_iterator<char>()), sounds);
}

TEST_F(ArchiveTool, PacksAManifestWrittenByHand) {
  // Frames of 4 x 5 with a gap of 1, magenta key; the PNG comes from the tool's own extract.
  const std::string src =
      Write("src.dxg", WriteImageArchive({{"P", test::GradientPicture(14, 5)}}));
  ASSERT_EQ(Tool("extract " + src + " " + dir.string()).status, 0);
  std::ofstream(dir / "m.txt")
      << "# hand-written\nimages\n\npicture Bonus P.png frame=4x5 skip=1x0 key=FF00FF\n"
         "picture Plain P.png key=none systemmemory # whole picture\n";
  ASSERT_EQ(Tool("pack " + (dir / "m.txt").string() + " " + (dir / "o.dxg").string()).status, 0);
  std::ifstream in(dir / "o.dxg", std::ios::binary);
  const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  TPictureCollection list;
  list.LoadFromMemory(bytes);
  const auto& bonus = list.Find("bonus");
  EXPECT_EQ(bonus.PatternWidth, 4);
  EXPECT_EQ(bonus.SkipWidth, 1);
  EXPECT_EQ(bonus.PatternCount(), 3);
  EXPECT_EQ(bonus.TransparentColor, 0x00FF00FFu);
  EXPECT_TRUE(bonus.Transparent);
  const auto& plain = list.Find("Plain");
  EXPECT_FALSE(plain.Transparent);
  EXPECT_TRUE(plain.SystemMemory);
  EXPECT_EQ(plain.Picture.Pixels, test::GradientPicture(14, 5).Pixels);
}

TEST_F(ArchiveTool, BadInputGivesOneLineAndStatusOne) {
  const Bytes good = WriteImageArchive({{"A", test::GradientPicture(3, 3)}});
  const std::string cut = Write("cut.dxg", Bytes(good.begin(), good.begin() + 60));
  const std::string junk = Write("junk.dxw", Bytes{'R', 'I', 'F', 'F'});
  std::ofstream(dir / "bad.txt") << "images\npicture A missing.png\n";
  std::ofstream(dir / "worse.txt") << "images\npicture A a.png frame=4y5\n";
  std::ofstream(dir / "sounds.txt") << "sounds\nsound S " << cut << "\n";
  struct Case {
    std::string args, line;
  };
  const std::vector<Case> cases{
      {"list " + cut, cut + ": Stream read error\n"},
      {"list " + junk, junk + ": Invalid stream format\n"},
      {"list " + (dir / "none.dxg").string(), (dir / "none.dxg").string() + ": cannot open file\n"},
      {"extract " + cut + " " + (dir / "e").string(), cut + ": Stream read error\n"},
      {"pack " + (dir / "worse.txt").string() + " " + (dir / "o.dxg").string(),
       (dir / "worse.txt").string() + ": line 2: expected WIDTHxHEIGHT: 4y5\n"},
      {"pack " + (dir / "sounds.txt").string() + " " + (dir / "o.dxw").string(),
       cut + ": Wave is invalid\n"},
  };
  for (const Case& c : cases) {
    const ToolRun r = Tool(c.args);
    EXPECT_EQ(r.status, 1) << c.args;
    EXPECT_EQ(r.out, c.line) << c.args;
  }
  const ToolRun missing =
      Tool("pack " + (dir / "bad.txt").string() + " " + (dir / "o.dxg").string());
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(std::count(missing.out.begin(), missing.out.end(), '\n'), 1);
  EXPECT_EQ(missing.out.rfind((dir / "missing.png").string() + ": ", 0), 0u) << missing.out;
}

}  // namespace
}  // namespace vontra
