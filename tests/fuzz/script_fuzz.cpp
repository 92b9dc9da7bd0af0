// Arbitrary text as a headless script. The reader either refuses it with a
// message naming the line, or its commands, written out again, read back
// to the same commands.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "drawing/headless.h"
#include "drawing/key_map.h"

namespace {

using drawing::ScriptCommand;

std::string Written(const std::vector<ScriptCommand>& commands) {
  std::string text;
  for (const ScriptCommand& c : commands) {
    switch (c.kind) {
      case ScriptCommand::kWait: text += "wait " + std::to_string(c.a); break;
      case ScriptCommand::kMove: text += "move " + std::to_string(c.a) + " " + std::to_string(c.b); break;
      case ScriptCommand::kClick: text += "click " + std::to_string(c.a) + " " + std::to_string(c.b); break;
      case ScriptCommand::kRightClick: text += "rclick " + std::to_string(c.a) + " " + std::to_string(c.b); break;
      case ScriptCommand::kKey: text += "key " + std::to_string(c.a); break;
      case ScriptCommand::kKeyDown: text += "keydown " + std::to_string(c.a); break;
      case ScriptCommand::kKeyUp: text += "keyup " + std::to_string(c.a); break;
      case ScriptCommand::kClock: text += "clock " + std::to_string(c.a); break;
      case ScriptCommand::kType: text += "type " + drawing::Utf8FromLatin1(c.text); break;
      case ScriptCommand::kShot: text += "shot " + c.text; break;
      case ScriptCommand::kTexts: text += "texts " + c.text; break;
      case ScriptCommand::kHideText: text += "hidetext"; break;
      case ScriptCommand::kQuit: text += "quit"; break;
    }
    text += '\n';
  }
  return text;
}

bool Same(const ScriptCommand& x, const ScriptCommand& y) {
  return x.kind == y.kind && x.a == y.a && x.b == y.b && x.text == y.text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string source(reinterpret_cast<const char*>(data), size);
  std::vector<ScriptCommand> commands;
  std::string error;
  if (!drawing::ParseScript(source, commands, error)) {
    if (error.rfind("line ", 0) != 0) std::abort();
    return 0;
  }
  if (!error.empty()) std::abort();
  int last_line = 0;
  for (const ScriptCommand& c : commands) {
    if (c.line <= last_line) std::abort();
    last_line = c.line;
  }
  std::vector<ScriptCommand> again;
  if (!drawing::ParseScript(Written(commands), again, error)) std::abort();
  if (again.size() != commands.size()) std::abort();
  for (size_t i = 0; i < commands.size(); ++i)
    if (!Same(commands[i], again[i])) std::abort();
  return 0;
}
