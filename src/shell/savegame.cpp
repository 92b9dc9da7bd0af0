#include "shell/savegame.h"

#include <algorithm>
#include <cstring>

#include "drawing/files.h"
#include "drawing/messages.h"
#include "engine/graded_setup.h"
#include "shell/game_code.h"
#include "shell/savegame_checks.h"
#include "shell/savegame_fields.h"
#include "support/xml_document.h"
#include "support/xml_text_writer.h"

namespace {

// A refusal while reading; its text is the log line's reason.
struct Refused {
  std::string why;
};

std::string Num(long long n) { return std::to_string(n); }

void Set(const xmlNodePtr& node, const std::string& name, const std::string& value) {
  node->AddAttribute(name, value);
}

// Cell contents in a history step: "digit,state,notes", e.g. "0,0,135".
std::string CellText(const PlayCell& cell) {
  return Num(cell.digit) + "," + Num(cell.state) + "," + NoteDigits(cell.notes);
}

std::string NumberList(const std::array<int, 15>& slots) {
  std::string text;
  for (size_t i = 1; i < slots.size(); ++i) text += (i > 1 ? " " : "") + Num(slots[i]);
  return text;
}

// The element's numbers of the one list, written as the reader takes them.
void WriteNumbers(const xmlNodePtr& node, const char* element, const TSavedGame& game) {
  for (const TSaveNumber& number : SaveNumbers()) {
    if (std::strcmp(number.element, element) != 0) continue;
    const int value = number.derived ? number.derived(game) : std::clamp(number.get(game), number.low, number.high);
    Set(node, number.attribute, Num(value));
  }
}

// --- reading ---

const std::string* Find(const xmlNode& node, const std::string& name) {
  const std::string* found = nullptr;
  for (const xmlAttributePtr& attribute : node.AttributeList()) {
    if (attribute->Name != name) continue;
    if (found) throw Refused{"attribute " + name + " given twice"};
    found = &attribute->Value;
  }
  return found;
}

const std::string& Text(const xmlNode& node, const std::string& name) {
  const std::string* value = Find(node, name);
  if (!value) throw Refused{node.Name + " lacks " + name};
  return *value;
}

// Plain decimal digits only, within [low, high]: no sign games, no overflow.
int Number(const std::string& text, long long low, long long high, const std::string& what) {
  if (text.empty() || text.size() > 10) throw Refused{what + " is no number"};
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') throw Refused{what + " is no number"};
    value = value * 10 + (c - '0');
  }
  if (value < low || value > high) throw Refused{what + " out of range"};
  return int(value);
}

int Number(const xmlNode& node, const std::string& name, long long low, long long high) {
  return Number(Text(node, name), low, high, node.Name + " " + name);
}

NoteSet Notes(const std::string& text) {
  NoteSet notes = 0;
  int last = 0;
  for (char c : text) {
    const int digit = c - '0';
    // Ascending and without repeats, as written.
    if (digit < 1 || digit > 9 || digit <= last) throw Refused{"notes \"" + drawing::LogValue(text) + "\""};
    notes |= NoteBit(digit);
    last = digit;
  }
  return notes;
}

PlayCell CellFromText(const std::string& text) {
  const size_t first = text.find(',');
  const size_t second = first == std::string::npos ? first : text.find(',', first + 1);
  if (second == std::string::npos) throw Refused{"cell \"" + drawing::LogValue(text) + "\""};
  PlayCell cell;
  cell.digit = Number(text.substr(0, first), 0, 9, "digit");
  cell.state = Number(text.substr(first + 1, second - first - 1), 0, 2, "state");
  cell.notes = Notes(text.substr(second + 1));
  if (!ValidPlayCell(cell)) throw Refused{"cell \"" + drawing::LogValue(text) + "\""};
  return cell;
}

std::array<int, 15> SlotList(const std::string& text) {
  std::array<int, 15> slots{};
  size_t slot = 1, start = 0;
  while (start <= text.size()) {
    size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    if (slot >= slots.size()) throw Refused{"mapping too long"};
    slots[slot++] = Number(text.substr(start, end - start), 0, 14, "mapping");
    start = end + 1;
  }
  if (slot != slots.size()) throw Refused{"mapping too short"};
  return slots;
}

bool ValidSolution(const int (&solution)[9][9]) {
  for (int i = 0; i < 9; ++i) {
    int column = 0, row = 0, box = 0;
    for (int j = 0; j < 9; ++j) {
      const int d[3] = {solution[i][j], solution[j][i], solution[i / 3 * 3 + j / 3][i % 3 * 3 + j % 3]};
      for (int digit : d)
        if (digit < 1 || digit > 9) return false;
      column |= 1 << d[0];
      row |= 1 << d[1];
      box |= 1 << d[2];
    }
    if (column != 0x3FE || row != 0x3FE || box != 0x3FE) return false;
  }
  return true;
}

void ReadNumbers(const xmlNode& node, const char* element, TSavedGame& game) {
  for (const TSaveNumber& number : SaveNumbers())
    if (std::strcmp(number.element, element) == 0)
      number.set(game, Number(node, number.attribute, number.low, number.high));
}

// The score's factors follow the game's own state, never the file's word:
// a hand-made file cannot score as another game, and a save an older build
// wrote with a stale factor still continues, now scored as its game is.
void TakeDerivedNumbers(TSavedGame& game) {
  for (const TSaveNumber& number : SaveNumbers())
    if (number.derived) number.set(game, number.derived(game));
}

void ReadCells(const xmlNode& root, TSavedGame& game) {
  bool seen[9][9] = {};
  int count = 0;
  for (const xmlNodePtr& child : root.ChildList()) {
    if (child->Name != "cell") continue;
    if (++count > 81) throw Refused{"more than 81 cells"};
    const int column = Number(*child, "col", 0, 8);
    const int row = Number(*child, "row", 0, 8);
    if (seen[column][row]) throw Refused{"a cell given twice"};
    seen[column][row] = true;
    PlayCell cell;
    cell.digit = Number(*child, "digit", 0, 9);
    cell.state = Number(*child, "state", 0, 2);
    cell.notes = Notes(Text(*child, "notes"));
    if (!ValidPlayCell(cell)) throw Refused{"a cell no board holds"};
    game.cells[column][row] = cell;
  }
  if (count != 81) throw Refused{"not 81 cells"};
}

void ReadSolution(const xmlNode& root, TSavedGame& game) {
  const xmlNodePtr solution = root.FindChild("solution");
  if (!solution) throw Refused{"no solution"};
  const std::string& digits = Text(*solution, "digits");
  if (digits.size() != 81) throw Refused{"solution not 81 digits"};
  for (int i = 0; i < 81; ++i) game.solution[i % 9][i / 9] = digits[size_t(i)] - '0';
  if (!ValidSolution(game.solution)) throw Refused{"the solution is no solved board"};
  bool complete = true;
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      const PlayCell& cell = game.cells[c][r];
      if (cell.state != kCellPlayer && cell.digit != game.solution[c][r]) throw Refused{"a given off the solution"};
      complete = complete && cell.digit == game.solution[c][r];
    }
  if (complete) throw Refused{"the game is finished"};
}

void ReadMixIt(const xmlNode& root, TSavedGame& game) {
  const xmlNodePtr node = root.FindChild("mixit");
  if (!node) throw Refused{"no mixit"};
  TSavedMixIt& mix = game.mixIt;
  ReadNumbers(*node, "mixit", game);
  if (mix.active && mix.interval == 0) throw Refused{"mixit interval 0"};
  if (mix.untilNext > mix.interval) throw Refused{"mixit next past its interval"};
  mix.mapping = SlotList(Text(*node, "mapping"));
  mix.preview = SlotList(Text(*node, "preview"));
}

void ReadStats(const xmlNode& root, TSavedGame& game) {
  const xmlNodePtr node = root.FindChild("stats");
  if (!node) throw Refused{"no stats"};
  ReadNumbers(*node, "stats", game);
}

void ReadHistory(const xmlNode& root, TSavedGame& game) {
  const xmlNodePtr node = root.FindChild("history");
  if (!node) throw Refused{"no history"};
  if (size_t(node->ChildCount()) > kSaveGameMaxMoves) throw Refused{"history too long"};
  game.history.reserve(size_t(node->ChildCount()));
  for (const xmlNodePtr& moveNode : node->ChildList()) {
    if (moveNode->Name != "move") throw Refused{"history holds " + drawing::LogValue(moveNode->Name)};
    if (moveNode->ChildCount() > 81) throw Refused{"a move of more than 81 cells"};
    PlayMove move;
    move.cycle = Number(*moveNode, "cycle", 0, 1) == 1;
    for (const xmlNodePtr& changeNode : moveNode->ChildList()) {
      if (changeNode->Name != "change") throw Refused{"a move holds " + drawing::LogValue(changeNode->Name)};
      CellChange change;
      change.column = Number(*changeNode, "col", 0, 8);
      change.row = Number(*changeNode, "row", 0, 8);
      change.before = CellFromText(Text(*changeNode, "before"));
      change.after = CellFromText(Text(*changeNode, "after"));
      move.changes.push_back(change);
    }
    game.history.push_back(std::move(move));
  }
  game.historyPosition = size_t(Number(*node, "position", 0, static_cast<long long>(game.history.size())));
}

void ReadSelection(const xmlNode& root, TSavedGame& game) {
  const xmlNodePtr node = root.FindChild("selection");
  if (!node) return;
  ReadNumbers(*node, "selection", game);
}

TSavedGame ReadRoot(const xmlNode& root) {
  if (root.Name != "savegame") throw Refused{"root is " + drawing::LogValue(root.Name)};
  if (Number(root, "version", 0, 1000) != kSaveGameVersion) throw Refused{"version " + drawing::LogValue(Text(root, "version"))};
  TSavedGame game;
  game.code = Text(root, "code");
  const std::optional<GameCode> code = ReadGameCode(game.code);
  if (!code || game.code.size() > 12) throw Refused{"level code " + drawing::LogValue(game.code)};
  if (const LevelCodeParts* parts = std::get_if<LevelCodeParts>(&*code)) {
    // The level is the code's; the attribute only has to agree.
    game.level = parts->level;
    game.stoneSet = parts->stone_set;
    game.seed = parts->seed;
  } else {
    game.graded = std::get<logic::GradedCode>(*code);
    game.level = kGradedGameLevel;
    game.stoneSet = Number(root, "stoneset", 1, 4);
    game.seed = int(game.graded->seed);
  }
  if (Number(root, "level", 1, 9) != game.level) throw Refused{"level and code differ"};
  ReadNumbers(root, "savegame", game);
  ReadCells(root, game);
  ReadSolution(root, game);
  ReadMixIt(root, game);
  ReadStats(root, game);
  ReadHistory(root, game);
  ReadSelection(root, game);
  TakeDerivedNumbers(game);
  if (const std::optional<std::string> fault = HistoryFault(game)) throw Refused{*fault};
  return game;
}

// What the puzzle check looks at: the code, the givens and the solution.
std::string PuzzleIdentity(const TSavedGame& game) {
  std::string identity = game.code + ":";
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      const PlayCell& cell = game.cells[c][r];
      identity += char('0' + (cell.state == kCellGiven ? cell.digit : 0));
      identity += char('0' + game.solution[c][r]);
    }
  return identity;
}

void LogRefusedSave(const std::string& path, const std::string& why) {
  drawing::Print(path + " ignored: " + why + ", " + SetRefusedSaveAside(path));
}

}  // namespace

std::string NoteDigits(NoteSet notes) {
  std::string text;
  for (int digit = 1; digit <= 9; ++digit)
    if (notes & NoteBit(digit)) text += char('0' + digit);
  return text;
}

std::string SavedGameText(const TSavedGame& game) {
  auto root = std::make_shared<xmlNode>();
  root->Name = "savegame";
  Set(root, "version", Num(kSaveGameVersion));
  Set(root, "code", game.code);
  Set(root, "level", Num(game.level));
  if (game.graded) Set(root, "stoneset", Num(game.stoneSet));
  WriteNumbers(root, "savegame", game);
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      const PlayCell& cell = game.cells[c][r];
      const xmlNodePtr node = root->AddNode("cell", AS_CHILD);
      Set(node, "col", Num(c));
      Set(node, "row", Num(r));
      Set(node, "digit", Num(cell.digit));
      Set(node, "state", Num(cell.state));
      Set(node, "notes", NoteDigits(cell.notes));
    }
  std::string digits;
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) digits += char('0' + game.solution[c][r]);
  Set(root->AddNode("solution", AS_CHILD), "digits", digits);

  const xmlNodePtr mixit = root->AddNode("mixit", AS_CHILD);
  WriteNumbers(mixit, "mixit", game);
  Set(mixit, "mapping", NumberList(game.mixIt.mapping));
  Set(mixit, "preview", NumberList(game.mixIt.preview));
  WriteNumbers(root->AddNode("stats", AS_CHILD), "stats", game);
  WriteNumbers(root->AddNode("selection", AS_CHILD), "selection", game);

  const xmlNodePtr history = root->AddNode("history", AS_CHILD);
  Set(history, "position", Num(static_cast<long long>(game.historyPosition)));
  for (const PlayMove& move : game.history) {
    const xmlNodePtr moveNode = history->AddNode("move", AS_CHILD);
    Set(moveNode, "cycle", move.cycle ? "1" : "0");
    for (const CellChange& change : move.changes) {
      const xmlNodePtr node = moveNode->AddNode("change", AS_CHILD);
      Set(node, "col", Num(change.column));
      Set(node, "row", Num(change.row));
      Set(node, "before", CellText(change.before));
      Set(node, "after", CellText(change.after));
    }
  }
  return WriteXmlText(root);
}

std::optional<TSavedGame> ReadSavedGame(const std::string& bytes, std::string& why) {
  if (long(bytes.size()) > kSaveGameMaxBytes) {
    why = "file too large";
    return std::nullopt;
  }
  try {
    const xmlDocumentPtr document = xmlDocument::Create();
    document->LoadFromBytes(bytes, kSaveGameFile);
    if (!document->RootNode()) throw Refused{"no root"};
    return ReadRoot(*document->RootNode());
  } catch (const Refused& refused) {
    why = refused.why;
  } catch (const xmlError& error) {
    why = error.what();
  }
  return std::nullopt;
}

bool WriteSavedGameFile(const TSavedGame& game, const std::string& path) {
  // Written beside the old file and renamed over it: a crash mid-write
  // leaves the previous save, never half of one.
  return drawing::WriteFileAtomically(path, SavedGameText(game));
}

std::optional<TSavedGame> LoadSavedGameFile(const std::string& path, TSaveCheck* check) {
  std::string why;
  std::string bytes;
  std::optional<TSavedGame> game;
  if (check) check->stopped = false;
  switch (drawing::ReadSmallFile(path, kSaveGameMaxBytes, bytes, why)) {
    case drawing::SmallFileRead::kMissing: return std::nullopt;
    case drawing::SmallFileRead::kRead: game = ReadSavedGame(bytes, why); break;
    case drawing::SmallFileRead::kRefused: break;
  }
  const std::string puzzle = game ? PuzzleIdentity(*game) : std::string();
  if (game && !(check && check->passed == puzzle)) {
    const auto goOn = [check](int attempt) {
      if (!check || !check->goOn || check->goOn(attempt)) return true;
      check->stopped = true;
      return false;
    };
    const std::optional<std::string> fault = PuzzleFault(*game, goOn);
    if (check && check->stopped) return std::nullopt;
    if (fault) {
      why = *fault;
      game.reset();
    } else if (check) {
      check->passed = puzzle;
    }
  }
  if (!game) LogRefusedSave(path, why);
  return game;
}

bool SavedGameFileExists(const std::string& path) { return drawing::FileType(path) == drawing::FILETYPE_FILE; }

