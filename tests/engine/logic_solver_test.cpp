#include "engine/logic_solver.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/logic_count.h"
#include "engine/logic_explain.h"
#include "engine/logic_techniques.h"
#include "reference_engine.h"

namespace {

using namespace logic;

struct Position {
  const char* technique;  // its key
  const char* board;      // digits only: the candidates follow from them
  int steps = 0;          // solver steps to take first, for patterns that need earlier eliminations
};

// Boards on which the technique, and no simpler one, advances; found by
// running the solver over qqwing's expert puzzles and graded puzzles.
const Position kPositions[] = {
    {"alternating_chain", ".16...3......385.63.562....63.84.152..2.6...34.13.2.6.5932867..168..4235724513689"},
    {"bug_plus_one", "19.7...3.7..193.5.3..2..917934825761627419385851367294283571649579684123416932578"},
    {"claiming", "...39.6.5..5.67.39...5..724.59.7.34646195327837.6..951..4..5..7.....95.252...6493"},
    {"empty_rectangle", "962578143173462859845..1726.8...65145.471.268216854397..1.8.475.581.7.32.....5.81"},
    {"finned_swordfish", "6.3.8.79587.935.1.5196...8.198.6.527735218469..675983198.....5..518...72.6.5...48"},
    {"finned_x_wing", "75......686...3..5243516789486..519.327691854195....679741685..538429671612357948"},
    {"full_house", "7.59368...6..5.7........5.....1.5..7572.....13.18.7.5.25.......6185...7.4396....5"},
    {"hidden_pair", "...39.6.5..5.67.39...5..724.5..7.34646195327837.6..951..4..5..7.....95.252...64.3"},
    {"hidden_quad", "3758924166183472954296..7..781..4...9342...7.25678....163......8.21.....5.7...1.."},
    {"hidden_single_box", "...9368...6..5.7..............1.5.....2.....13..8.7.5.25........18....7...96....5"},
    {"hidden_single_line", "..59368...6..5.7........5.....1.5..7572.....13.18.7.5.25........185...7...96....5"},
    {"hidden_triple", "1..459.62..2.76.4..6421...7.49761.3878..42.1..1..8..746..124.9.42.69.....91.37426"},
    {"naked_pair", "6452398171925873643786142..91.825....23796.81.861439.223.478....5.962....6.351.2."},
    {"naked_quad", "862197453..9543628354268197.23.16.45..63592.1....24..6...47...2...68...9...93...4"},
    {"naked_single", "7.59368...6..5.7........5.....1.5..7572.....13.18.7.5.25........185...7...96....5"},
    {"naked_triple", "7.325469....1.6...2..3.7.......45..747..39.5....712...14.963...397528164..54713.9"},
    {"pointing", "7259368148642517..1937845629861.5..7572.6..813418.7.56257.1.6.86185.2.7.439678125"},
    {"skyscraper", "1.2573..4..51942.7.74628...2.7.418..819256473.4..87..27284653914.1739.28...81274."},
    {"swordfish", "1..982357758643192239517684.8.291..59.13758.657.8649.1315.28.69....3951889.1562.3"},
    {"two_string_kite", "1.2573..4..51942....4628...2.7.418..819256473.4..87..27284653914.1739.28...81274."},
    {"unique_rectangle_1", ".1..7.592742695...5392184761.4.5.....5..3...4..3.2..5.465.8.127..1547638387162945"},
    {"unique_rectangle_2", "734168259829537641615294738..63.5......8..36.3..6.....543712986961483572278956413"},
    {"unique_rectangle_3", ".6..17....3...86.779...6...249175368376489251185263479624891735813752946957634..2"},
    {"unique_rectangle_4", "27..38.545384.17..49.5.7...982745613645..3287317286.4.8593.247.764.59...123.74..."},
    {"w_wing", "153647928.6.815437..439265169..382144..1.9.63.31.64.89.1.456372346..18955..983146"},
    {"x_wing", "1..459.62..2.76.4..6421...7.49761.3878..42.1..1..8...46..124.9.42.69.....91.37426"},
    {"xy_chain", "....954.22.5.43..1.4912835.527964813496381725138572.4.9..45.2.885423.16..7281.5.4"},
    {"xy_wing", ".3..9.547.4...73217523149868.4......5..4.8....63.7.458386...794495783612..7649835"},
    {"xyz_wing", "8.791.2..956.82.14.12.5....5291684376834751921742395...685.3.21.958.1.....16.78.."},
    {"sashimi_x_wing", "..1.4....63..274.......5....2.4..5.13...7.2.45.8.6.7....3.1...7.....8...75.......", 28},
    {"simple_colouring", "2..1......36...8...49.......1.......67.4.......8...36.4..98..1....7..6...9..1.78.", 25},
    {"sashimi_swordfish", "....8.....8.726.5.2..5....7.....9.2....3.5.86.5.....136.......2..2.1.....3...8.7.", 20},
    {"jellyfish", "8......5...9.4..377..5....69...348......51..........1..91......4....35...3..96.7.", 33},
    {"finned_jellyfish", "6.21.3..7..192.3..9..7...........9.1.......7.1.....64.7....64...9..7.2...45.1..3.", 26},
    {"sashimi_jellyfish", ".69.....1..4...82.8.2.4.76............8..729.....9...4.1..52...2....19....5679...", 28},
    {"x_chain", "..8...7..93....28...74.....4....59....938.5.2..5.96..43...2...5....4..9.......3..", 24},
    {"als_xz", "....12.....176.94.76..3...2.....345...9.......4......1......3.4.7....69..34..9.17", 20},
};

Technique ByKey(const std::string& key) {
  for (int t = 0; t < kTechniqueCount; ++t)
    if (Info(static_cast<Technique>(t)).key == key) return static_cast<Technique>(t);
  ADD_FAILURE() << "no technique " << key;
  return Technique::kNoLogicalStep;
}

TEST(LogicSolver, EachTechniqueIsTheSimplestStepOnItsPosition) {
  std::array<bool, kTechniqueCount> seen{};
  for (const Position& p : kPositions) {
    SCOPED_TRACE(p.technique);
    std::optional<Grid> grid = Grid::FromText(p.board);
    ASSERT_TRUE(grid);
    std::array<uint8_t, kCells> solution{};
    ASSERT_EQ(CountSolutions(grid->Values(), 2, &solution), 1);
    for (int i = 0; i < p.steps; ++i) ApplyStep(*grid, *NextStep(*grid, &solution));
    const std::optional<Step> step = NextStep(*grid, &solution);
    ASSERT_TRUE(step);
    EXPECT_EQ(Info(step->technique).key, p.technique);
    seen[static_cast<int>(ByKey(p.technique))] = true;
    EXPECT_TRUE(step->Advances());
    for (const Candidate& c : step->placements) EXPECT_EQ(solution[c.cell], c.digit);
    for (const Candidate& c : step->eliminations) {
      EXPECT_NE(solution[c.cell], c.digit);
      EXPECT_TRUE(grid->Has(c.cell, c.digit));
    }
    // The proof names cells that are open and candidates that are there.
    EXPECT_FALSE(step->cells.empty());
    for (uint8_t c : step->cells) EXPECT_EQ(grid->Value(c), 0);
    for (const Candidate& c : step->candidates) EXPECT_TRUE(grid->Has(c.cell, c.digit));
  }
  for (int t = 0; t < kTechniqueCount - 1; ++t)
    EXPECT_TRUE(seen[t]) << "no position for " << Info(static_cast<Technique>(t)).key;
}

// Players read rows and columns, not "r4c7": cells are named in words, in
// the table's language, while the line for programs keeps r4c7.
TEST(LogicSolver, ExplanationsNameCellsInWords) {
  const auto cell = [](int row, int col) { return static_cast<uint8_t>((row - 1) * 9 + col - 1); };
  const auto digit = [](int d) { return "<" + std::to_string(d) + ">"; };
  const TextTable german = [](std::string_view key) -> std::string {
    if (key == "COACH_CELL") return "Zeile %1, Spalte %2";
    if (key == "COACH_CELLS_IN_ROW") return "Zeile %1, Spalten %2";
    if (key == "COACH_ROW") return "Zeile %1";
    if (key == "COACH_AND") return "und";
    if (key == "COACH_PATTERN") return "%T auf den Feldern in %P.";
    if (key == "COACH_REMOVE") return "Also entfallen: %E.";
    if (key == "COACH_FROM") return "%D aus %P";
    return "";
  };
  Step pair;  // a naked pair in row 4, one cell in another row losing a digit
  pair.technique = Technique::kNakedPair;
  pair.units = {3};
  pair.cells = {cell(4, 5), cell(4, 2)};
  pair.candidates = {{cell(4, 2), 1}, {cell(4, 2), 2}, {cell(4, 5), 1}, {cell(4, 5), 2}};
  pair.eliminations = {{cell(4, 7), 1}, {cell(4, 9), 1}, {cell(4, 9), 2}};
  Step wing;  // cells over several rows, no unit of their own
  wing.technique = Technique::kXYWing;
  wing.cells = {cell(1, 2), cell(1, 5), cell(3, 4)};
  wing.candidates = {{cell(1, 2), 3}};
  wing.eliminations = {{cell(3, 2), 3}};
  struct Case {
    const Step* step;
    TextTable texts;
    std::string want;
  } cases[] = {
      {&pair, {},
       "In row 4, the cells in columns 2 and 5 hold only <1> and <2> between them, so no other cell of row 4 "
       "can hold those digits. So these can go: <1> from row 4, columns 7 and 9 and <2> from row 4, column 9."},
      {&wing, {}, "XY-Wing on the cells in row 1, columns 2 and 5; row 3, column 4. So these can go: <3> from row 3, column 2."},
      {&wing, german,
       "XY-Wing auf den Feldern in Zeile 1, Spalten 2 und 5; Zeile 3, Spalte 4. Also entfallen: <3> aus Zeile 3, Spalte 2."},
  };
  for (const Case& c : cases) EXPECT_EQ(ExplainStep(*c.step, digit, c.texts), c.want);
  EXPECT_EQ(StepLine(pair), "naked_pair r4c7-1 r4c9-1 r4c9-2");
}

TEST(LogicSolver, ProofsOfThePlainPatterns) {
  // Hidden single in a line: the unit and the cell that proves it.
  const Grid single = *Grid::FromText(
      "..59368...6..5.7........5.....1.5..7572.....13.18.7.5.25........185...7...96....5");
  const Step s = *NextStep(single);
  ASSERT_EQ(s.technique, Technique::kHiddenSingleLine);
  ASSERT_EQ(s.units.size(), 1u);
  const std::string text = ExplainStep(s, [](int d) { return "<" + std::to_string(d) + ">"; }, {});
  const int unit = s.units[0];
  // Within its line the cell is named by the other coordinate alone.
  EXPECT_EQ(text, "In row 1, only the cell in column 1 can hold <7>.");
  EXPECT_EQ(unit, 0);
  EXPECT_EQ(s.placements[0].cell, 0);
  EXPECT_TRUE(kGeo.unit_set[unit].Has(s.placements[0].cell));

  // X-Wing: two base lines and two cover lines; the eliminations lie in
  // the cover lines outside the bases, and the fish cells in both.
  Grid fish = *Grid::FromText(
      "1..459.62..2.76.4..6421...7.49761.3878..42.1..1..8...46..124.9.42.69.....91.37426");
  const Step x = *NextStep(fish);
  ASSERT_EQ(x.technique, Technique::kXWing);
  ASSERT_EQ(x.units.size(), 4u);
  const CellSet bases = kGeo.unit_set[x.units[0]] | kGeo.unit_set[x.units[1]];
  const CellSet covers = kGeo.unit_set[x.units[2]] | kGeo.unit_set[x.units[3]];
  EXPECT_EQ(x.cells.size(), 4u);
  for (uint8_t c : x.cells) EXPECT_TRUE(bases.Has(c) && covers.Has(c));
  for (const Candidate& e : x.eliminations) EXPECT_TRUE(covers.Has(e.cell) && !bases.Has(e.cell));
}

TEST(LogicSolver, LinesForProgramsAndGrades) {
  Step step;
  step.technique = Technique::kXWing;
  step.eliminations = {{30, 6}, {31, 6}};
  EXPECT_EQ(StepLine(step), "x_wing r4c4-6 r4c5-6");
  step = {};
  step.technique = Technique::kNakedSingle;
  step.placements = {{33, 6}};
  EXPECT_EQ(StepLine(step), "naked_single r4c7=6");

  struct Case {
    const char* puzzle;
    Grade grade;
    bool solved;
  };
  const Case cases[] = {
      {".....31..81..9264.653.1..8..38925....6438.9.5..5.76.2....15..9..8..3756..71.4...2", Grade::kEasy, true},
      {"..1.4....63..274.......5....2.4..5.13...7.2.45.8.6.7....3.1...7.....8...75.......", Grade::kExpert, true},
      // A well-known puzzle beyond chains of bounded length.
      {"8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..", Grade::kExtreme, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.puzzle);
    const Rating r = RatePuzzle(*Grid::FromText(c.puzzle));
    EXPECT_EQ(r.grade, c.grade);
    EXPECT_EQ(r.solved, c.solved);
    int counted = 0;
    for (int t = 0; t < kTechniqueCount - 1; ++t) counted += r.counts[t];
    EXPECT_EQ(counted, r.steps);
  }
  // A ceiling stops at the first board that needs more.
  const Rating capped = RatePuzzle(*Grid::FromText(cases[1].puzzle), Grade::kMedium);
  EXPECT_TRUE(capped.above_ceiling);
  EXPECT_EQ(capped.grade, Grade::kHard);
  EXPECT_FALSE(RatePuzzle(*Grid::FromText(cases[0].puzzle), Grade::kEasy).above_ceiling);
}

TEST(LogicSolver, NoLogicalStepFallsBackToTheSolution) {
  const Grid hard = *Grid::FromText(
      "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..");
  Grid board = hard;
  std::optional<Step> step;
  while ((step = NextStep(board)) && step->technique != Technique::kNoLogicalStep) ApplyStep(board, *step);
  ASSERT_TRUE(step);
  ASSERT_EQ(step->placements.size(), 1u);
  std::array<uint8_t, kCells> solution{};
  ASSERT_EQ(CountSolutions(hard.Values(), 2, &solution), 1);
  EXPECT_EQ(step->placements[0].digit, solution[step->placements[0].cell]);
}

}  // namespace

// The counter prunes branches (a digit with no place left in a unit) and
// follows forced digits alone: the counts must stay exact below the limit.
TEST(LogicSolver, CountsSolutionsExactly) {
  std::array<uint8_t, kCells> solved{};
  ASSERT_EQ(CountSolutions(std::array<uint8_t, kCells>{}, 3, &solved), 3);
  ASSERT_EQ(CountSolutions(solved, 2), 1);
  // Clearing a rectangle whose two digits swap across two boxes leaves
  // exactly two solutions.
  std::array<uint8_t, kCells> two = solved;
  bool cleared = false;
  for (int r1 = 0; r1 < 9 && !cleared; ++r1)
    for (int r2 = (r1 / 3 + 1) * 3; r2 < 9 && !cleared; ++r2)
      for (int c1 = 0; c1 < 9 && !cleared; ++c1)
        for (int c2 = c1 + 1; c2 < 9 && c2 / 3 == c1 / 3 && !cleared; ++c2)
          if (solved[r1 * 9 + c1] == solved[r2 * 9 + c2] && solved[r1 * 9 + c2] == solved[r2 * 9 + c1]) {
            for (int c : {r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1, r2 * 9 + c2}) two[c] = 0;
            cleared = true;
          }
  ASSERT_TRUE(cleared);
  EXPECT_EQ(CountSolutions(two, 5), 2);
  // Boards with many solutions, against the plain counter of the tests.
  uint32_t draw = 12345;
  for (int cleared_cells : {45, 50, 54, 58}) {
    std::array<uint8_t, kCells> values = solved;
    for (int k = 0; k < cleared_cells; ++k) {
      draw = draw * 1103515245u + 12345u;
      values[(draw >> 16) % kCells] = 0;
    }
    Board board{};
    for (int c = 0; c < kCells; ++c) board[ColOf(c)][RowOf(c)] = values[c];
    EXPECT_EQ(CountSolutions(values, 20), reference::CountSolutions(board, 20)) << cleared_cells;
  }
  // Row 1 needs 1 and 2 in its first two cells, but both columns already
  // hold a 1: no cell is left without candidates, yet 1 has no place.
  const std::optional<Grid> none = Grid::FromText(
      "..3456789"
      "........."
      "........."
      "1........"
      "........."
      "........."
      ".1......."
      "........."
      ".........");
  ASSERT_TRUE(none);
  EXPECT_EQ(CountSolutions(none->Values(), 2), 0);
}
