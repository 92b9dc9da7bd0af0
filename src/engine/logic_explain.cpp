#include "engine/logic_explain.h"

#include <algorithm>
#include <array>
#include <utility>

#include "engine/logic_grid.h"

namespace logic {

namespace {

// Keys of the "coach" group with their English texts. Placeholders: %T the
// technique, %D the digit, %C the placed cell, %U and %V units, %P the
// pattern's cells, %S a set of digits, %E what is removed.
constexpr std::pair<std::string_view, std::string_view> kEnglish[] = {
    {"COACH_ROW", "row %1"},
    {"COACH_COLUMN", "column %1"},
    {"COACH_BOX", "box %1"},
    {"COACH_AND", "and"},
    {"COACH_ROWS", "rows %1"},
    {"COACH_COLUMNS", "columns %1"},
    {"COACH_CELL", "row %1, column %2"},
    {"COACH_CELLS_IN_ROW", "row %1, columns %2"},
    {"COACH_FROM", "%D from %P"},
    {"COACH_FULL_HOUSE", "The cell in %C is the last empty cell of %U, so it takes the missing %D."},
    {"COACH_NAKED_SINGLE", "Every digit but %D is already in the row, column or box of the cell in %C, so it is %D."},
    {"COACH_HIDDEN_SINGLE", "In %U, only the cell in %C can hold %D."},
    {"COACH_LOCKED", "In %U, %D can only be where it meets %V, so no other cell of %V can hold %D."},
    {"COACH_NAKED_SUBSET", "In %U, the cells in %P hold only %S between them, so no other cell of %U can hold those digits."},
    {"COACH_HIDDEN_SUBSET", "In %U, the digits %S fit only in the cells in %P, so those cells can hold nothing else."},
    {"COACH_FISH", "%T on %D: in the lines %U, %D lies only in the lines %V, so no other cell of %V can hold %D."},
    {"COACH_FINNED_FISH", "%T on %D: in the lines %U, %D lies only in the lines %V or in the fin's box, so cells of %V in that box can lose %D."},
    {"COACH_PATTERN", "%T on the cells in %P."},
    {"COACH_CHAIN", "%T: if %D is not in %C, the links of the chain through %P force the other end, so one of the two ends holds it."},
    {"COACH_UNIQUE", "%T on the cells in %P: the puzzle has one solution, so these four cells cannot end as the same pair twice."},
    {"COACH_NO_STEP", "No logical step found: the solution has %D in %C."},
    {"COACH_PLACE", "So the cell in %C is %D."},
    {"COACH_REMOVE", "So these can go: %E."},
};

std::string Lookup(std::string_view key, const TextTable& texts) {
  if (texts) {
    std::string text = texts(key);
    if (!text.empty()) return text;
  }
  return std::string(EnglishText(key));
}

void Replace(std::string& text, std::string_view what, const std::string& with) {
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
}

std::string UnitName(int unit, const TextTable& texts) {
  std::string text = Lookup(unit < 9 ? "COACH_ROW" : unit < 18 ? "COACH_COLUMN" : "COACH_BOX", texts);
  Replace(text, "%1", std::to_string(unit % 9 + 1));
  return text;
}

std::string List(const std::vector<std::string>& items, const TextTable& texts) {
  std::string text;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += i + 1 == items.size() ? " " + Lookup("COACH_AND", texts) + " " : ", ";
    text += items[i];
  }
  return text;
}

// Numbers from 1 as a list: "2, 5 and 7".
std::string Numbers(const std::vector<int>& numbers, const TextTable& texts) {
  std::vector<std::string> items;
  for (int n : numbers) items.push_back(std::to_string(n + 1));
  return List(items, texts);
}

// Cells in words a player reads on the board: "row 4, column 7". Within
// `unit` (a row or column all of them lie in) only the other coordinate is
// named: "column 7", "columns 2 and 5". Otherwise row by row, the rows
// apart by semicolons: "row 1, columns 2 and 5; row 3, column 4".
std::string CellWords(std::vector<uint8_t> cells, int unit, const TextTable& texts) {
  std::sort(cells.begin(), cells.end());
  cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
  if (cells.empty()) return {};
  const bool in_unit = unit >= 0 && unit < 18 && std::all_of(cells.begin(), cells.end(), [&](int c) {
    return unit < 9 ? RowOf(c) == unit : ColOf(c) == unit - 9;
  });
  if (in_unit) {
    std::vector<int> across;
    for (int c : cells) across.push_back(unit < 9 ? ColOf(c) : RowOf(c));
    if (across.size() == 1) return UnitName(unit < 9 ? 9 + across[0] : across[0], texts);
    std::string text = Lookup(unit < 9 ? "COACH_COLUMNS" : "COACH_ROWS", texts);
    Replace(text, "%1", Numbers(across, texts));
    return text;
  }
  std::string text;
  for (size_t i = 0; i < cells.size();) {
    const int row = RowOf(cells[i]);
    std::vector<int> columns;
    for (; i < cells.size() && RowOf(cells[i]) == row; ++i) columns.push_back(ColOf(cells[i]));
    std::string part = Lookup(columns.size() == 1 ? "COACH_CELL" : "COACH_CELLS_IN_ROW", texts);
    Replace(part, "%1", std::to_string(row + 1));
    Replace(part, "%2", Numbers(columns, texts));
    text += (text.empty() ? "" : "; ") + part;
  }
  return text;
}

std::string CellWords(int cell, int unit, const TextTable& texts) {
  return CellWords(std::vector<uint8_t>{static_cast<uint8_t>(cell)}, unit, texts);
}

std::string Removals(const Step& step, const DigitWriter& digit, const TextTable& texts) {
  std::vector<std::string> parts;
  for (int d = 1; d <= 9; ++d) {
    std::vector<uint8_t> cells;
    for (const Candidate& e : step.eliminations)
      if (e.digit == d) cells.push_back(e.cell);
    if (cells.empty()) continue;
    std::string part = Lookup("COACH_FROM", texts);
    Replace(part, "%D", digit(d));
    Replace(part, "%P", CellWords(cells, -1, texts));
    parts.push_back(part);
  }
  return List(parts, texts);
}

std::string_view SentenceKey(Technique t) {
  using enum Technique;
  switch (t) {
    case kFullHouse: return "COACH_FULL_HOUSE";
    case kNakedSingle: return "COACH_NAKED_SINGLE";
    case kHiddenSingleBox:
    case kHiddenSingleLine: return "COACH_HIDDEN_SINGLE";
    case kPointing:
    case kClaiming: return "COACH_LOCKED";
    case kNakedPair:
    case kNakedTriple:
    case kNakedQuad: return "COACH_NAKED_SUBSET";
    case kHiddenPair:
    case kHiddenTriple:
    case kHiddenQuad: return "COACH_HIDDEN_SUBSET";
    case kXWing:
    case kSwordfish:
    case kJellyfish: return "COACH_FISH";
    case kFinnedXWing:
    case kSashimiXWing:
    case kFinnedSwordfish:
    case kSashimiSwordfish:
    case kFinnedJellyfish:
    case kSashimiJellyfish: return "COACH_FINNED_FISH";
    case kXChain:
    case kXYChain:
    case kAlternatingChain: return "COACH_CHAIN";
    case kUniqueRectangle1:
    case kUniqueRectangle2:
    case kUniqueRectangle3:
    case kUniqueRectangle4: return "COACH_UNIQUE";
    case kNoLogicalStep: return "COACH_NO_STEP";
    default: return "COACH_PATTERN";
  }
}

bool IsFish(Technique t) {
  const std::string_view key = SentenceKey(t);
  return key == "COACH_FISH" || key == "COACH_FINNED_FISH";
}

}  // namespace

std::string_view EnglishText(std::string_view key) {
  for (const auto& [k, text] : kEnglish)
    if (k == key) return text;
  return {};
}

std::string TechniqueName(Technique technique, const TextTable& texts) {
  std::string key = "COACH_T_" + std::string(Info(technique).key);
  if (texts) {
    std::string text = texts(key);
    if (!text.empty()) return text;
  }
  return std::string(Info(technique).name);
}

std::string GradeText(Grade grade, const TextTable& texts) {
  if (texts) {
    std::string text = texts("COACH_GRADE_" + std::string(GradeKey(grade)));
    if (!text.empty()) return text;
  }
  return std::string(GradeName(grade));
}

std::string ExplainStep(const Step& step, const DigitWriter& digit, const TextTable& texts) {
  std::string text = Lookup(SentenceKey(step.technique), texts);
  const Candidate first = !step.placements.empty()   ? step.placements[0]
                          : !step.candidates.empty() ? step.candidates[0]
                          : !step.eliminations.empty() ? step.eliminations[0]
                                                      : Candidate{};
  // The digits the pattern's candidates carry, for subsets.
  unsigned digits = 0;
  for (const Candidate& c : step.candidates) digits |= Bit(c.digit);
  std::vector<std::string> digit_texts;
  for (unsigned d = digits; d; d &= d - 1) digit_texts.push_back(digit(std::countr_zero(d) + 1));

  std::string units_a, units_b;
  if (IsFish(step.technique)) {
    const size_t half = step.units.size() / 2;
    std::vector<std::string> a, b;
    for (size_t i = 0; i < step.units.size(); ++i) (i < half ? a : b).push_back(UnitName(step.units[i], texts));
    units_a = List(a, texts);
    units_b = List(b, texts);
  } else {
    if (!step.units.empty()) units_a = UnitName(step.units[0], texts);
    if (step.units.size() > 1) units_b = UnitName(step.units[1], texts);
  }
  Replace(text, "%T", TechniqueName(step.technique, texts));
  Replace(text, "%U", units_a);
  Replace(text, "%V", units_b);
  // Singles and subsets name their cells within their one unit.
  const bool one_unit = !IsFish(step.technique) && step.units.size() == 1 &&
                        (step.technique <= Technique::kHiddenQuad);
  const int context = one_unit ? step.units[0] : -1;
  Replace(text, "%P", CellWords(step.cells, context, texts));
  Replace(text, "%S", List(digit_texts, texts));
  Replace(text, "%C", first.digit ? CellWords(first.cell, context, texts) : "");
  Replace(text, "%D", first.digit ? digit(first.digit) : "");
  if (step.technique != Technique::kNoLogicalStep && step.technique != Technique::kNakedSingle &&
      step.technique != Technique::kFullHouse && step.technique != Technique::kHiddenSingleBox &&
      step.technique != Technique::kHiddenSingleLine) {
    for (const Candidate& p : step.placements) {
      std::string then = Lookup("COACH_PLACE", texts);
      Replace(then, "%C", CellWords(p.cell, -1, texts));
      Replace(then, "%D", digit(p.digit));
      text += " " + then;
    }
  }
  if (!step.eliminations.empty()) {
    std::string then = Lookup("COACH_REMOVE", texts);
    Replace(then, "%E", Removals(step, digit, texts));
    text += " " + then;
  }
  return text;
}

std::string StepLine(const Step& step) {
  std::string line(Info(step.technique).key);
  for (const Candidate& p : step.placements) line += " " + CellName(p.cell) + "=" + std::to_string(p.digit);
  for (const Candidate& e : step.eliminations) line += " " + CellName(e.cell) + "-" + std::to_string(e.digit);
  return line;
}

}  // namespace logic
