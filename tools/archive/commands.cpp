#include "commands.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <vector>

#include "assets/archive_writer.h"
#include "assets/asset_error.h"
#include "assets/picture_collection.h"
#include "assets/wave_collection.h"
#include "assets/wave_writer.h"
#include "manifest.h"
#include "png_io.h"

namespace vontra::archive_tool {

namespace fs = std::filesystem;

namespace {

// A failure already worded for the user: "FILE: message".
struct ToolError : std::runtime_error {
  ToolError(const std::string& file, const std::string& message)
      : std::runtime_error(file + ": " + message) {}
};

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in || fs::is_directory(path)) throw ToolError(path, "cannot open file");
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
  if (in.bad()) throw ToolError(path, "cannot read file");
  return bytes;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw ToolError(path, "cannot write file");
}

// Loads whichever kind of archive the file is. A file that is neither reports the error of
// the kind its extension suggests (".dxw" sounds, anything else images).
struct Archive {
  bool sounds = false;
  TPictureCollection pictures;
  TWaveCollection waves;
};

void LoadArchive(const std::string& path, Archive& a) {
  const std::vector<uint8_t> bytes = ReadFile(path);
  std::string imageError;
  try {
    a.pictures.LoadFromMemory(bytes);
    a.pictures.Prepare();
    return;
  } catch (const AssetError& e) {
    imageError = e.what();
  }
  try {
    a.waves.LoadFromMemory(bytes);
    a.sounds = true;
    return;
  } catch (const AssetError& e) {
    const bool wantSounds = fs::path(path).extension() == ".dxw";
    throw ToolError(path, wantSounds ? e.what() : imageError);
  }
}

// A file name for an item: letters, digits, '_', '-' and '.', unique within the folder.
std::string FileNameFor(const std::string& name, std::set<std::string>& used) {
  std::string base;
  for (char c : name) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '_' || c == '-' || c == '.';
    base += ok ? c : '_';
  }
  if (base.empty() || base.find_first_not_of('.') == std::string::npos) base = "_" + base;
  std::string candidate = base;
  for (int n = 2; used.count(candidate); ++n) candidate = base + "~" + std::to_string(n);
  used.insert(candidate);
  return candidate;
}

std::vector<uint8_t> WaveFile(const TWave& wave) {
  std::vector<uint8_t> out{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
  auto chunk = [&](const char* id, const std::vector<uint8_t>& body) {
    out.insert(out.end(), id, id + 4);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(body.size() >> (8 * i)));
    out.insert(out.end(), body.begin(), body.end());
  };
  chunk("fmt ", wave.Format);
  chunk("data", wave.Data);
  const size_t size = out.size() - 8;
  for (int i = 0; i < 4; ++i)
    out[4 + static_cast<size_t>(i)] = static_cast<uint8_t>(size >> (8 * i));
  return out;
}

int Report(std::ostream& err, const std::exception& e) {
  err << e.what() << "\n";
  return 1;
}

}  // namespace

int ListCommand(const std::string& file, std::ostream& out, std::ostream& err) {
  try {
    Archive a;
    LoadArchive(file, a);
    if (a.sounds) {
      for (int i = 0; i < a.waves.Count(); ++i) {
        const auto& s = a.waves.Items(i);
        out << s.Name() << "\tsound\t" << s.Wave.Channels() << "\t" << s.Wave.SamplesPerSec()
            << "\t" << s.Wave.BitsPerSample() << "\t" << s.Wave.LengthMs() << "\t"
            << (s.Looped() ? 1 : 0) << "\n";
      }
      return 0;
    }
    for (int i = 0; i < a.pictures.Count(); ++i) {
      const auto& p = a.pictures.Items(i);
      out << p.Name() << "\tpicture\t";
      if (p.Picture.Empty()) {
        out << "0\t0\t0\t0\t0\n";
        continue;
      }
      out << p.Picture.Width << "\t" << p.Picture.Height << "\t" << p.Width() << "\t" << p.Height()
          << "\t" << p.PatternCount() << "\n";
    }
    return 0;
  } catch (const std::exception& e) {
    return Report(err, e);
  }
}

int ExtractCommand(const std::string& file, const std::string& dir, std::ostream& err) {
  try {
    Archive a;
    LoadArchive(file, a);
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir)) throw ToolError(dir, "cannot create folder");
    std::set<std::string> used{"manifest"};
    std::string manifest = a.sounds ? "sounds\n" : "images\n";
    if (a.sounds) {
      for (int i = 0; i < a.waves.Count(); ++i) {
        const auto& s = a.waves.Items(i);
        const std::string name = FileNameFor(s.Name(), used) + ".wav";
        WriteFile((fs::path(dir) / name).string(), WaveFile(s.Wave));
        manifest += FormatManifestSound({s.Name(), name, s.Looped(), s.MaxPlayingCount()}) + "\n";
      }
    } else {
      for (int i = 0; i < a.pictures.Count(); ++i) {
        const auto& p = a.pictures.Items(i);
        if (p.Picture.Empty()) {
          manifest += "# " + p.Name() + ": empty picture, not extracted\n";
          continue;
        }
        const std::string name = FileNameFor(p.Name(), used) + ".png";
        const std::string path = (fs::path(dir) / name).string();
        if (std::string e = WritePng(path, p.Picture); !e.empty()) throw ToolError(path, e);
        manifest += FormatManifestPicture({p.Name(), name, p.PatternWidth, p.PatternHeight,
                                           p.SkipWidth, p.SkipHeight, p.Transparent,
                                           p.TransparentColor, p.SystemMemory}) +
                    "\n";
      }
    }
    WriteFile((fs::path(dir) / "manifest.txt").string(),
              std::vector<uint8_t>(manifest.begin(), manifest.end()));
    return 0;
  } catch (const std::exception& e) {
    return Report(err, e);
  }
}

int PackCommand(const std::string& manifestPath, const std::string& outFile, std::ostream& err) {
  try {
    const std::vector<uint8_t> text = ReadFile(manifestPath);
    Manifest m;
    try {
      m = ParseManifest(std::string(text.begin(), text.end()));
    } catch (const std::runtime_error& e) {
      throw ToolError(manifestPath, e.what());
    }
    const fs::path base = fs::path(manifestPath).parent_path();
    const std::string component = fs::path(outFile).stem().string();
    std::vector<uint8_t> archive;
    if (m.sounds) {
      std::vector<SoundEntry> entries;
      for (const ManifestSound& s : m.soundItems) {
        const std::string path = (base / s.file).string();
        std::vector<uint8_t> riff = ReadFile(path);
        try {
          DecodeRiffWave(riff);
        } catch (const AssetError& e) {
          throw ToolError(path, e.what());
        }
        entries.push_back({s.name, s.looped, s.maxPlayingCount, std::move(riff)});
      }
      archive = WriteSoundArchive(entries, component);
    } else {
      std::vector<PictureEntry> entries;
      for (const ManifestPicture& p : m.pictures) {
        const std::string path = (base / p.file).string();
        PictureEntry e;
        if (std::string message = ReadPng(path, e.Picture); !message.empty())
          throw ToolError(path, message);
        e.Name = p.name;
        e.PatternWidth = p.frameWidth;
        e.PatternHeight = p.frameHeight;
        e.SkipWidth = p.skipWidth;
        e.SkipHeight = p.skipHeight;
        e.SystemMemory = p.systemMemory;
        e.Transparent = p.transparent;
        e.TransparentColor = p.transparentColor;
        entries.push_back(std::move(e));
      }
      archive = WriteImageArchive(entries, component);
    }
    WriteFile(outFile, archive);
    return 0;
  } catch (const std::exception& e) {
    return Report(err, e);
  }
}

}  // namespace vontra::archive_tool
