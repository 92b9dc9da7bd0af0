#include "drawing/headless.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>

#include "drawing/durable_write.h"
#include "drawing/files.h"
#include "drawing/graphics.h"
#include "drawing/key_map.h"
#include "drawing/messages.h"
#include "drawing/platform.h"
#include "drawing/renderer.h"
#include "drawing/text_runs.h"

namespace drawing {

namespace {

bool ParseInt(const std::string& word, int& out) {
  if (word.empty() || word.size() > 10) return false;
  size_t i = (word[0] == '-') ? 1 : 0;
  if (i == word.size()) return false;
  long long v = 0;
  for (; i < word.size(); ++i) {
    if (word[i] < '0' || word[i] > '9') return false;
    v = v * 10 + (word[i] - '0');
  }
  if (word[0] == '-') v = -v;
  if (v < -2147483648LL || v > 2147483647LL) return false;
  out = int(v);
  return true;
}

void SaveTextRuns(const std::string& path) {
  std::string lines;
  for (const TextRun& run : LastFrameTextRuns()) {
    lines += std::to_string(run.x0) + " " + std::to_string(run.y0) + " " + std::to_string(run.x1) + " " +
             std::to_string(run.y1) + " " + run.text + "\n";
  }
  if (!WriteFileAtomically(path, lines)) Print("headless: could not save " + path);
}

// Window pixel of a game coordinate: the first pixel whose game position
// is at or past it, so the game reads the coordinate back exactly.
int ToWindow(double window_of_game) { return int(std::ceil(window_of_game - 1e-9)); }

class HeadlessPlatform : public Platform {
 public:
  explicit HeadlessPlatform(std::vector<ScriptCommand> commands) : commands_(commands.begin(), commands.end()) {
    if (!commands_.empty() && commands_.front().kind == ScriptCommand::kClock) {
      clock_ = commands_.front().a;
      commands_.pop_front();
    }
  }

  void Poll(InputState& input) override { (void)input; }
  int Millis() override { return clock_; }
  void Sleep(int ms) override {
    // The clock wraps from 2^31 - 1 to 0 as the real one does.
    if (ms > 0) clock_ = int((static_cast<long long>(clock_) + ms) % (1LL << 31));
  }
  bool IsVirtual() const override { return true; }

  void BeforeUpdate(InputState& input) override {
    while (steps_.empty()) {
      if (commands_.empty()) {
        input.terminate = true;  // the end of the script ends the program
        return;
      }
      ScriptCommand c = commands_.front();
      commands_.pop_front();
      Run(c, input);
    }
    auto step = std::move(steps_.front());
    steps_.pop_front();
    if (step) step(input);
  }

 private:
  void MovePointer(InputState& input, int x, int y) {
    DisplayFit fit = CurrentFit();
    input.mouse_x = ToWindow(fit.ToWindowX(x));
    input.mouse_y = ToWindow(fit.ToWindowY(y));
  }

  // A press held for three updates, released before the fourth.
  void Press(std::function<void(InputState&)> down, std::function<void(InputState&)> up) {
    steps_.push_back(std::move(down));
    steps_.push_back(nullptr);
    steps_.push_back(nullptr);
    steps_.push_back(std::move(up));
  }

  void PressKey(int key) {
    Press([key](InputState& in) { in.PressKey(key); }, [key](InputState& in) { in.ReleaseKey(key); });
  }

  // A character as a keyboard types it: its key (if it has one) goes down
  // together with the character.
  void TypeChar(char c) {
    const int key = ScriptKeyForChar(c);
    Press(
        [key, c](InputState& in) {
          if (key) in.PressKey(key);
          in.TypeText(std::string(1, c));
        },
        [key](InputState& in) {
          if (key) in.ReleaseKey(key);
        });
  }

  void Run(const ScriptCommand& c, InputState& input) {
    switch (c.kind) {
      case ScriptCommand::kWait:
        for (int i = 0; i < c.a; ++i) steps_.push_back(nullptr);
        break;
      case ScriptCommand::kMove: MovePointer(input, c.a, c.b); break;
      case ScriptCommand::kClick:
      case ScriptCommand::kRightClick: {
        int button = c.kind == ScriptCommand::kClick ? 1 : 2;
        int x = c.a, y = c.b;
        Press(
            [this, button, x, y](InputState& in) {
              MovePointer(in, x, y);
              in.PressButton(button);
            },
            [button](InputState& in) { in.ReleaseButton(button); });
        break;
      }
      case ScriptCommand::kKey: PressKey(c.a); break;
      case ScriptCommand::kKeyDown: input.PressKey(c.a); break;
      case ScriptCommand::kKeyUp: input.ReleaseKey(c.a); break;
      case ScriptCommand::kType:
        for (char ch : c.text) TypeChar(ch);
        break;
      case ScriptCommand::kShot: {
        Renderer* r = CurrentRenderer();
        PixmapPtr frame = r ? r->LastFrame() : nullptr;
        if (!frame || !SavePixmapPNG(*frame, c.text, 6)) Print("headless: could not save " + c.text);
        break;
      }
      case ScriptCommand::kTexts: SaveTextRuns(c.text); break;
      case ScriptCommand::kHideText: break;  // taken when the platform starts
      case ScriptCommand::kQuit: input.terminate = true; break;
      case ScriptCommand::kClock: break;  // taken when the platform starts
    }
  }

  std::deque<ScriptCommand> commands_;
  std::deque<std::function<void(InputState&)>> steps_;
  int clock_ = 1000;
};

}  // namespace

int ScriptKeyForChar(char c) {
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  if (c >= 'A' && c <= 'Z') return c;
  if (c >= '0' && c <= '9') return c;
  if (c == ' ') return 32;
  return 0;
}

bool ParseScript(const std::string& source, std::vector<ScriptCommand>& out, std::string& error) {
  std::istringstream in(source);
  std::string raw;
  int number = 0;
  while (std::getline(in, raw)) {
    ++number;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    size_t start = raw.find_first_not_of(" \t");
    if (start == std::string::npos || raw[start] == '#') continue;
    std::string line = raw.substr(start);
    std::istringstream words(line);
    std::string verb, w1, w2, extra;
    words >> verb >> w1 >> w2;
    bool has_extra = bool(words >> extra);
    ScriptCommand c{ScriptCommand::kWait, 0, 0, "", number};
    bool ok = false;
    if (verb == "wait") {
      c.kind = ScriptCommand::kWait;
      ok = ParseInt(w1, c.a) && c.a >= 0 && w2.empty();
    } else if (verb == "move" || verb == "click" || verb == "rclick") {
      c.kind = verb == "move" ? ScriptCommand::kMove : verb == "click" ? ScriptCommand::kClick : ScriptCommand::kRightClick;
      ok = ParseInt(w1, c.a) && ParseInt(w2, c.b) && !has_extra;
    } else if (verb == "key" || verb == "keydown" || verb == "keyup") {
      c.kind = verb == "key" ? ScriptCommand::kKey : verb == "keydown" ? ScriptCommand::kKeyDown : ScriptCommand::kKeyUp;
      ok = ParseInt(w1, c.a) && c.a >= 1 && c.a <= 255 && w2.empty();
    } else if (verb == "type") {
      c.kind = ScriptCommand::kType;
      const std::string utf8 = line.size() > 5 ? line.substr(5) : "";
      c.text = Latin1FromUtf8(utf8);
      // Every character must survive: no stray bytes, nothing outside Latin-1.
      ok = line.size() > 5 && line[4] == ' ' && Utf8FromLatin1(c.text) == utf8;
    } else if (verb == "clock") {
      c.kind = ScriptCommand::kClock;
      ok = out.empty() && ParseInt(w1, c.a) && c.a >= 0 && w2.empty();
    } else if (verb == "shot") {
      c.kind = ScriptCommand::kShot;
      c.text = w1;
      ok = !w1.empty() && w2.empty();
    } else if (verb == "texts") {
      c.kind = ScriptCommand::kTexts;
      c.text = w1;
      ok = !w1.empty() && w2.empty();
    } else if (verb == "hidetext") {
      c.kind = ScriptCommand::kHideText;
      ok = w1.empty();
    } else if (verb == "quit") {
      c.kind = ScriptCommand::kQuit;
      ok = w1.empty();
    }
    if (!ok) {
      error = "line " + std::to_string(number) + ": cannot run \"" + LogValue(line) + "\"";
      return false;
    }
    out.push_back(std::move(c));
  }
  return true;
}

void SetHeadlessScale(int scale) { SetForcedRenderScale(scale); }

bool StartHeadless(const std::string& script_path, std::string& error) {
  std::string source;
  if (!ReadWholeFile(script_path, source)) {
    error = "cannot read script " + script_path;
    return false;
  }
  std::vector<ScriptCommand> commands;
  if (!ParseScript(source, commands, error)) {
    error = script_path + ", " + error;
    return false;
  }
  // Shots land where the script was started, also when the game keeps its
  // own files in the player's folder.
  for (ScriptCommand& c : commands) {
    std::error_code ec;
    if (c.kind != ScriptCommand::kShot && c.kind != ScriptCommand::kTexts) continue;
    const std::filesystem::path where = std::filesystem::absolute(c.text, ec);
    if (!ec) c.text = where.string();
  }
  const auto uses = [&](ScriptCommand::Kind kind) {
    return std::any_of(commands.begin(), commands.end(), [kind](const ScriptCommand& c) { return c.kind == kind; });
  };
  RecordTextRuns(uses(ScriptCommand::kTexts));
  HideText(uses(ScriptCommand::kHideText));
  SetForcedSoftware(true);
  SetPlatform(std::make_unique<HeadlessPlatform>(std::move(commands)));
  return true;
}

}  // namespace drawing
