#include "manifest.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace vontra::archive_tool {

namespace {

[[noreturn]] void Fail(int line, const std::string& what) {
  throw std::runtime_error("line " + std::to_string(line) + ": " + what);
}

int ParseInt(const std::string& s, int line) {
  size_t used = 0;
  int v = 0;
  try {
    v = std::stoi(s, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != s.size() || s.empty()) Fail(line, "not a number: " + s);
  return v;
}

void ParsePair(const std::string& s, int line, int& a, int& b) {
  const size_t x = s.find('x');
  if (x == std::string::npos) Fail(line, "expected WIDTHxHEIGHT: " + s);
  a = ParseInt(s.substr(0, x), line);
  b = ParseInt(s.substr(x + 1), line);
}

uint32_t ParseHex(const std::string& s, int line) {
  std::string digits = s.rfind("0x", 0) == 0 ? s.substr(2) : s;
  size_t used = 0;
  unsigned long v = 0;
  try {
    v = std::stoul(digits, &used, 16);
  } catch (const std::exception&) {
    used = 0;
  }
  if (digits.empty() || used != digits.size() || v > 0xFFFFFFFFul) Fail(line, "bad colour: " + s);
  return static_cast<uint32_t>(v);
}

}  // namespace

Manifest ParseManifest(const std::string& text) {
  Manifest m;
  std::istringstream in(text);
  std::string raw;
  int lineNo = 0;
  bool kindSeen = false;
  while (std::getline(in, raw)) {
    ++lineNo;
    if (const size_t hash = raw.find('#'); hash != std::string::npos) raw.resize(hash);
    std::istringstream line(raw);
    std::vector<std::string> words;
    for (std::string w; line >> w;) words.push_back(w);
    if (words.empty()) continue;
    if (!kindSeen) {
      if (words.size() != 1 || (words[0] != "images" && words[0] != "sounds"))
        Fail(lineNo, "the first line must be \"images\" or \"sounds\"");
      m.sounds = words[0] == "sounds";
      kindSeen = true;
      continue;
    }
    const std::string& kind = words[0];
    if (words.size() < 3) Fail(lineNo, "expected: " + kind + " NAME FILE [options]");
    if (kind == "picture" && !m.sounds) {
      ManifestPicture p{words[1], words[2]};
      for (size_t i = 3; i < words.size(); ++i) {
        const std::string& o = words[i];
        if (o.rfind("frame=", 0) == 0) {
          ParsePair(o.substr(6), lineNo, p.frameWidth, p.frameHeight);
        } else if (o.rfind("skip=", 0) == 0) {
          ParsePair(o.substr(5), lineNo, p.skipWidth, p.skipHeight);
        } else if (o == "key=none") {
          p.transparent = false;
        } else if (o.rfind("key=", 0) == 0) {
          const uint32_t rgb = ParseHex(o.substr(4), lineNo);
          if (rgb > 0xFFFFFF) Fail(lineNo, "key takes RRGGBB: " + o);
          p.transparentColor = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
        } else if (o.rfind("colorref=", 0) == 0) {
          p.transparentColor = ParseHex(o.substr(9), lineNo);
        } else if (o == "systemmemory") {
          p.systemMemory = true;
        } else {
          Fail(lineNo, "unknown option " + o);
        }
      }
      m.pictures.push_back(p);
    } else if (kind == "sound" && m.sounds) {
      ManifestSound s{words[1], words[2]};
      for (size_t i = 3; i < words.size(); ++i) {
        const std::string& o = words[i];
        if (o == "looped") {
          s.looped = true;
        } else if (o.rfind("max=", 0) == 0) {
          s.maxPlayingCount = ParseInt(o.substr(4), lineNo);
        } else {
          Fail(lineNo, "unknown option " + o);
        }
      }
      m.soundItems.push_back(s);
    } else {
      Fail(lineNo,
           "unexpected \"" + kind + "\" in an " + (m.sounds ? "sounds" : "images") + " manifest");
    }
  }
  if (!kindSeen) Fail(lineNo, "empty manifest");
  return m;
}

std::string FormatManifestPicture(const ManifestPicture& p) {
  std::string out = "picture " + p.name + " " + p.file;
  out += " frame=" + std::to_string(p.frameWidth) + "x" + std::to_string(p.frameHeight);
  if (p.skipWidth || p.skipHeight)
    out += " skip=" + std::to_string(p.skipWidth) + "x" + std::to_string(p.skipHeight);
  char colour[32];
  if (!p.transparent) {
    out += " key=none";
  } else if (p.transparentColor > 0xFFFFFF) {
    std::snprintf(colour, sizeof colour, " colorref=0x%08X", p.transparentColor);
    out += colour;
  } else {
    const uint32_t c = p.transparentColor;
    std::snprintf(colour, sizeof colour, " key=%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF,
                  (c >> 16) & 0xFF);
    out += colour;
  }
  if (p.systemMemory) out += " systemmemory";
  return out;
}

std::string FormatManifestSound(const ManifestSound& s) {
  std::string out = "sound " + s.name + " " + s.file;
  if (s.looped) out += " looped";
  if (s.maxPlayingCount) out += " max=" + std::to_string(s.maxPlayingCount);
  return out;
}

}  // namespace vontra::archive_tool
