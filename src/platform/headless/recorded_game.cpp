#include "platform/headless/recorded_game.h"

#include <charconv>
#include <limits>
#include <set>
#include <sstream>

#include "platform/headless/headless_events.h"
#include "platform/headless/headless_input.h"

namespace vontra {

namespace {

constexpr const char* kMagic = "vontra-recording";
constexpr const char* kStateLetters = "UDLRPEYNF";

bool* StateFlag(InputStateSet& s, char letter) {
  switch (letter) {
    case 'U':
      return &s.Up;
    case 'D':
      return &s.Down;
    case 'L':
      return &s.Left;
    case 'R':
      return &s.Right;
    case 'P':
      return &s.Pause;
    case 'E':
      return &s.Escape;
    case 'Y':
      return &s.Yes;
    case 'N':
      return &s.No;
    case 'F':
      return &s.Fire;
    default:
      return nullptr;
  }
}

struct WindowEventName {
  const char* name;
  PlatformEvent::Kind kind;
};
constexpr WindowEventName kWindowEvents[] = {
    {"close", PlatformEvent::Kind::CloseRequest},
    {"minimize", PlatformEvent::Kind::Minimize},
    {"activate", PlatformEvent::Kind::Activate},
    {"deactivate", PlatformEvent::Kind::Deactivate},
    {"pad-unplugged", PlatformEvent::Kind::PadUnplugged},
};

struct PadButtonName {
  const char* name;
  PadButton button;
};
constexpr PadButtonName kPadButtons[] = {
    {"a", PadButton::A},
    {"b", PadButton::B},
    {"start", PadButton::Start},
    {"other", PadButton::Other},
};

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line);
  std::string w;
  while (in >> w) words.push_back(w);
  return words;
}

class Parser {
 public:
  explicit Parser(const std::string& text) : text_(text) {}

  RecordedGame Parse() {
    size_t pos = 0;
    while (pos <= text_.size()) {
      size_t end = text_.find('\n', pos);
      if (end == std::string::npos) end = text_.size();
      std::string line = text_.substr(pos, end - pos);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      ++lineNo_;
      pos = end + 1;
      if (line.empty() || line[0] == '#') continue;
      if (line.find('\t') != std::string::npos) Fail("tabs are not allowed");
      const std::vector<std::string> words = Words(line);
      if (words.empty()) continue;  // a line of spaces is blank too
      Line(words);
    }
    if (stage_ < kInputs) Fail("the header (format line, seed, rate) is incomplete");
    if (!sawEnd_) Fail("the 'end' line is missing");
    return std::move(game_);
  }

 private:
  enum Stage { kStart, kSeed, kRate, kInputs, kChecks, kDone };

  [[noreturn]] void Fail(const std::string& message) const {
    throw RecordingError(lineNo_, message);
  }

  int64_t Number(const std::string& word, int64_t min, int64_t max, const char* what) const {
    int64_t v = 0;
    const char* first = word.data();
    const char* last = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || ptr != last || word.empty()) {
      Fail(std::string(what) + " '" + word + "' is not a whole number");
    }
    if (v < min || v > max) {
      Fail(std::string(what) + " " + word + " is outside " + std::to_string(min) + ".." +
           std::to_string(max));
    }
    return v;
  }

  void Arity(const std::vector<std::string>& w, size_t min, size_t max) const {
    if (w.size() < min || w.size() > max) {
      Fail("'" + w[0] + "' takes " +
           (min == max ? std::to_string(min - 1)
                       : std::to_string(min - 1) + " or " + std::to_string(max - 1)) +
           " values, found " + std::to_string(w.size() - 1));
    }
  }

  void Line(const std::vector<std::string>& w) {
    const std::string& head = w[0];
    if (stage_ == kDone) Fail("nothing may follow the 'end' line");
    if (stage_ == kStart) {
      if (head != kMagic) Fail("a recording starts with '" + std::string(kMagic) + " 1'");
      Arity(w, 2, 2);
      const int64_t v = Number(w[1], 0, std::numeric_limits<int32_t>::max(), "version");
      if (v != kRecordingVersion) Fail("format version " + w[1] + " is not supported");
      stage_ = kSeed;
      return;
    }
    if (stage_ == kSeed) {
      if (head != "seed") Fail("'seed' must follow the format line");
      Arity(w, 2, 2);
      game_.Seed = static_cast<uint32_t>(Number(w[1], 0, 0xFFFFFFFFll, "seed"));
      stage_ = kRate;
      return;
    }
    if (stage_ == kRate) {
      if (head != "rate") Fail("'rate' must follow 'seed'");
      Arity(w, 2, 2);
      game_.FrameRate = static_cast<int>(Number(w[1], 1, 1000, "frame rate"));
      stage_ = kInputs;
      return;
    }
    if (head == "check" || head == "end") {
      Expectation(w);
      return;
    }
    if (stage_ != kInputs) Fail("inputs must come before the expected results");
    Input(w);
  }

  void Input(const std::vector<std::string>& w) {
    const std::string& head = w[0];
    PlatformEvent e;
    if (head == "hold") {
      Arity(w, 3, 3);
      RecordedRun run;
      run.Held = States(w[1]);
      run.Frames = Number(w[2], 1, 100'000'000, "frame count");
      run.Events = std::move(pending_);
      pending_.clear();
      game_.Runs.push_back(std::move(run));
      return;
    }
    if (head == "key-down" || head == "key-up") {
      const bool down = head == "key-down";
      Arity(w, 2, down ? 4 : 3);
      e.kind = down ? PlatformEvent::Kind::KeyDown : PlatformEvent::Kind::KeyUp;
      e.Key = static_cast<int>(Number(w[1], 0, 255, "key code"));
      // "alt", then "repeat" (a key-down only), each at most once.
      size_t i = 2;
      if (i < w.size() && w[i] == "alt") {
        e.Alt = true;
        ++i;
      }
      if (down && i < w.size() && w[i] == "repeat") {
        e.Repeat = true;
        ++i;
      }
      if (i < w.size()) {
        Fail(std::string("a key takes only ") + (down ? "'alt' and 'repeat'" : "'alt'") +
             " after its code, found '" + w[i] + "'");
      }
    } else if (head == "char") {
      Arity(w, 2, 3);
      e.kind = PlatformEvent::Kind::Char;
      e.Char = static_cast<uint8_t>(Number(w[1], 0, 255, "character code"));
      if (w.size() == 3) {
        if (w[2] != "repeat") Fail("a character takes only 'repeat' after its code");
        e.Repeat = true;
      }
    } else if (head == "pad") {
      Arity(w, 2, 2);
      e.kind = PlatformEvent::Kind::PadPress;
      bool found = false;
      for (const PadButtonName& n : kPadButtons) {
        if (w[1] == n.name) {
          e.Pad = n.button;
          found = true;
        }
      }
      if (!found) Fail("unknown pad button '" + w[1] + "'");
    } else if (head == "move" || head == "click") {
      Arity(w, 3, 3);
      e.kind = head == "move" ? PlatformEvent::Kind::MouseMove : PlatformEvent::Kind::MouseClick;
      e.X = static_cast<int>(Number(w[1], -100000, 100000, "x"));
      e.Y = static_cast<int>(Number(w[2], -100000, 100000, "y"));
    } else if (head == "window") {
      Arity(w, 2, 2);
      bool found = false;
      for (const WindowEventName& n : kWindowEvents) {
        if (w[1] == n.name) {
          e.kind = n.kind;
          found = true;
        }
      }
      if (!found) Fail("unknown window event '" + w[1] + "'");
    } else {
      Fail("unknown line '" + head + "'");
    }
    pendingLine_ = lineNo_;
    pending_.push_back(e);
  }

  InputStateSet States(const std::string& word) const {
    InputStateSet s;
    if (word == "-") return s;
    for (char c : word) {
      bool* flag = StateFlag(s, c);
      if (!flag) {
        Fail("held states are letters of " + std::string(kStateLetters) + " or '-', found '" +
             word + "'");
      }
      if (*flag) Fail("held state '" + std::string(1, c) + "' is given twice");
      *flag = true;
    }
    return s;
  }

  void Expectation(const std::vector<std::string>& w) {
    if (stage_ == kInputs) {
      if (!pending_.empty()) {
        lineNo_ = pendingLine_;
        Fail("events after the last frame belong to no frame");
      }
      stage_ = kChecks;
    }
    if (w.size() < 2) Fail("'" + w[0] + "' needs a frame number");
    RecordedCheck check;
    const int64_t total = game_.TotalFrames();
    check.Frame = Number(w[1], 1, std::numeric_limits<int64_t>::max(), "frame");
    if (check.Frame > total) {
      Fail("frame " + w[1] + " is past the last frame " + std::to_string(total));
    }
    if (check.Frame <= lastCheck_) Fail("checks must come in ascending frame order");
    lastCheck_ = check.Frame;
    std::set<std::string> keys;
    for (size_t i = 2; i < w.size(); ++i) {
      const size_t eq = w[i].find('=');
      if (eq == std::string::npos || eq == 0 || eq + 1 == w[i].size()) {
        Fail("expected name=value, found '" + w[i] + "'");
      }
      std::string key = w[i].substr(0, eq);
      if (!keys.insert(key).second) Fail("'" + key + "' is given twice");
      check.Fields.emplace_back(std::move(key), w[i].substr(eq + 1));
    }
    if (w[0] == "end") {
      if (check.Frame != total) {
        Fail("the end is at frame " + std::to_string(total) + ", not " + w[1]);
      }
      if (check.Fields.empty()) Fail("'end' names no results");
      game_.End = std::move(check);
      sawEnd_ = true;
      stage_ = kDone;
    } else {
      game_.Checks.push_back(std::move(check));
    }
  }

  const std::string& text_;
  RecordedGame game_;
  Stage stage_ = kStart;
  int lineNo_ = 0;
  int pendingLine_ = 0;
  std::vector<PlatformEvent> pending_;
  int64_t lastCheck_ = 0;
  bool sawEnd_ = false;
};

void WriteEvent(std::ostringstream& out, const PlatformEvent& e) {
  using Kind = PlatformEvent::Kind;
  switch (e.kind) {
    case Kind::KeyDown:
    case Kind::KeyUp:
      out << (e.kind == Kind::KeyDown ? "key-down " : "key-up ") << e.Key << (e.Alt ? " alt" : "")
          << (e.kind == Kind::KeyDown && e.Repeat ? " repeat" : "") << '\n';
      return;
    case Kind::Char:
      out << "char " << int(e.Char) << (e.Repeat ? " repeat" : "") << '\n';
      return;
    case Kind::PadPress:
      for (const PadButtonName& n : kPadButtons) {
        if (n.button == e.Pad) {
          out << "pad " << n.name << '\n';
          return;
        }
      }
      throw std::invalid_argument("this pad button cannot be recorded");
    case Kind::MouseMove:
    case Kind::MouseClick:
      out << (e.kind == Kind::MouseMove ? "move " : "click ") << e.X << ' ' << e.Y << '\n';
      return;
    default:
      for (const WindowEventName& n : kWindowEvents) {
        if (n.kind == e.kind) {
          out << "window " << n.name << '\n';
          return;
        }
      }
      // A quit from outside is not the player's input and cannot be replayed.
      throw std::invalid_argument("this event cannot be recorded");
  }
}

void WriteCheck(std::ostringstream& out, const char* head, const RecordedCheck& c) {
  out << head << ' ' << c.Frame;
  for (const auto& [key, value] : c.Fields) out << ' ' << key << '=' << value;
  out << '\n';
}

}  // namespace

RecordingError::RecordingError(int line, const std::string& message)
    : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}

int64_t RecordedGame::TotalFrames() const {
  int64_t total = 0;
  for (const RecordedRun& r : Runs) total += r.Frames;
  return total;
}

RecordedGame ParseRecordedGame(const std::string& text) {
  return Parser(text).Parse();
}

std::string HeldStatesText(const InputStateSet& held) {
  std::string s;
  InputStateSet copy = held;
  for (const char* c = kStateLetters; *c; ++c) {
    if (*StateFlag(copy, *c)) s += *c;
  }
  return s.empty() ? "-" : s;
}

std::string WriteRecordedGame(const RecordedGame& game) {
  std::ostringstream out;
  out << kMagic << ' ' << kRecordingVersion << '\n';
  out << "seed " << game.Seed << '\n';
  out << "rate " << game.FrameRate << '\n';
  for (const RecordedRun& run : game.Runs) {
    for (const PlatformEvent& e : run.Events) WriteEvent(out, e);
    out << "hold " << HeldStatesText(run.Held) << ' ' << run.Frames << '\n';
  }
  for (const RecordedCheck& c : game.Checks) WriteCheck(out, "check", c);
  WriteCheck(out, "end", game.End);
  return out.str();
}

void RecordingBuilder::AddFrame(const InputStateSet& held) {
  ++frames_;
  if (pending_.empty() && !runs_.empty() && runs_.back().Held == held) {
    ++runs_.back().Frames;
    return;
  }
  RecordedRun run;
  run.Events = std::move(pending_);
  pending_.clear();
  run.Held = held;
  runs_.push_back(std::move(run));
}

int64_t RecordingFeeder::FeedNext(HeadlessEvents& events, HeadlessInput& input) {
  const RecordedRun& run = game_.Runs.at(run_);
  if (inRun_ == 0) {
    for (const PlatformEvent& e : run.Events) events.Push(e);
  }
  input.Set(run.Held);
  if (++inRun_ >= run.Frames) {
    ++run_;
    inRun_ = 0;
  }
  return ++frame_;
}

}  // namespace vontra
