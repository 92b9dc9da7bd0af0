#include "engine/logic_solver.h"

#include <algorithm>
#include <iterator>

#include "engine/exact_solver.h"
#include "engine/logic_techniques.h"

namespace logic {

namespace {

using Finder = bool (*)(const Grid&, Step&);
using DigitFinder = bool (*)(const Grid&, Step&, unsigned digits);

struct Entry {
  Grade grade;
  Finder find;
  DigitFinder find_digits = nullptr;  // for techniques on one digit at a time
};

// In the order of Technique, simplest first; a finder may report a
// neighbouring technique (finned fish that turn out sashimi).
constexpr Entry kLadder[] = {
    {Grade::kEasy, FindFullHouse},
    {Grade::kEasy, FindNakedSingle},
    {Grade::kEasy, [](const Grid& g, Step& s) { return FindHiddenSingle(g, true, s); }},
    {Grade::kEasy, [](const Grid& g, Step& s) { return FindHiddenSingle(g, false, s); }},
    {Grade::kMedium, FindPointing},
    {Grade::kMedium, FindClaiming},
    {Grade::kMedium, [](const Grid& g, Step& s) { return FindNakedSubset(g, 2, s); }},
    {Grade::kMedium, [](const Grid& g, Step& s) { return FindHiddenSubset(g, 2, s); }},
    {Grade::kMedium, [](const Grid& g, Step& s) { return FindNakedSubset(g, 3, s); }},
    {Grade::kMedium, [](const Grid& g, Step& s) { return FindHiddenSubset(g, 3, s); }},
    {Grade::kMedium, [](const Grid& g, Step& s) { return FindNakedSubset(g, 4, s); }},
    {Grade::kMedium, [](const Grid& g, Step& s) { return FindHiddenSubset(g, 4, s); }},
    {Grade::kHard, nullptr, [](const Grid& g, Step& s, unsigned d) { return FindBasicFish(g, 2, s, d); }},
    {Grade::kHard, nullptr, [](const Grid& g, Step& s, unsigned d) { return FindBasicFish(g, 3, s, d); }},
    {Grade::kHard, nullptr, FindSkyscraper},
    {Grade::kHard, nullptr, FindTwoStringKite},
    {Grade::kHard, FindXYWing},
    {Grade::kHard, FindXYZWing},
    {Grade::kHard, FindWWing},
    {Grade::kHard, nullptr, FindEmptyRectangle},
    {Grade::kHard, [](const Grid& g, Step& s) { return FindUniqueRectangle(g, 1, s); }},
    {Grade::kHard, [](const Grid& g, Step& s) { return FindUniqueRectangle(g, 2, s); }},
    {Grade::kHard, [](const Grid& g, Step& s) { return FindUniqueRectangle(g, 4, s); }},
    {Grade::kHard, [](const Grid& g, Step& s) { return FindUniqueRectangle(g, 3, s); }},
    {Grade::kHard, nullptr, [](const Grid& g, Step& s, unsigned d) { return FindFinnedFish(g, 2, s, d); }},
    {Grade::kHard, FindSimpleColouring},
    {Grade::kHard, nullptr, [](const Grid& g, Step& s, unsigned d) { return FindFinnedFish(g, 3, s, d); }},
    {Grade::kHard, nullptr, [](const Grid& g, Step& s, unsigned d) { return FindBasicFish(g, 4, s, d); }},
    {Grade::kHard, FindBugPlusOne},
    {Grade::kHard, nullptr, [](const Grid& g, Step& s, unsigned d) { return FindFinnedFish(g, 4, s, d); }},
    {Grade::kExpert, nullptr, FindXChain},
    {Grade::kExpert, FindXYChain},
    {Grade::kExpert, FindAlternatingChain},
    {Grade::kExpert, FindAlsXz},
};

std::optional<std::array<uint8_t, kCells>> ExactSolution(const Grid& grid) {
  Board board{};
  for (int c = 0; c < kCells; ++c) board[ColOf(c)][RowOf(c)] = grid.Value(c);
  const std::vector<Board> found = FindSolutions(board, 1);
  if (found.empty()) return std::nullopt;
  std::array<uint8_t, kCells> solution{};
  for (int c = 0; c < kCells; ++c) solution[c] = found[0][ColOf(c)][RowOf(c)];
  return solution;
}

static_assert(std::size(kLadder) <= kTechniqueCount);

// Runs one rung of the ladder, leaving out the digits the memo shows
// unchanged since this rung last failed on them.
bool TryEntry(const Grid& grid, size_t rung, SearchMemo* memo, Step& step) {
  const Entry& entry = kLadder[rung];
  if (!entry.find_digits) return entry.find(grid, step);
  if (!memo) return entry.find_digits(grid, step, kAll);
  unsigned digits = 0;
  for (int d = 1; d <= 9; ++d)
    if (!(memo->known[rung] & Bit(d)) || memo->failed_on[rung][d - 1] != grid.DigitCells(d)) digits |= Bit(d);
  if (digits && entry.find_digits(grid, step, digits)) return true;
  for (int d = 1; d <= 9; ++d) memo->failed_on[rung][d - 1] = grid.DigitCells(d);
  memo->known[rung] = kAll;
  return false;
}

}  // namespace

std::optional<Step> NextStep(const Grid& grid, const std::array<uint8_t, kCells>* solution, Grade ceiling,
                             SearchMemo* memo) {
  if (grid.Solved() || grid.Broken()) return std::nullopt;
  for (size_t rung = 0; rung < std::size(kLadder); ++rung) {
    if (kLadder[rung].grade > ceiling) break;
    Step step;
    if (TryEntry(grid, rung, memo, step)) return step;
  }
  Step step;
  step.technique = Technique::kNoLogicalStep;
  if (ceiling < Grade::kExtreme) return step;
  std::optional<std::array<uint8_t, kCells>> found;
  if (!solution) {
    found = ExactSolution(grid);
    if (found) solution = &*found;
  }
  int best = -1;
  for (int c = 0; c < kCells; ++c)
    if (!grid.Value(c) && (best < 0 || Count(grid.Candidates(c)) < Count(grid.Candidates(best)))) best = c;
  if (solution && best >= 0) {
    step.placements.push_back({static_cast<uint8_t>(best), (*solution)[best]});
    step.cells.push_back(static_cast<uint8_t>(best));
  }
  return step;
}

void ApplyStep(Grid& grid, const Step& step) {
  for (const Candidate& e : step.eliminations) grid.Eliminate(e.cell, e.digit);
  for (const Candidate& p : step.placements)
    if (!grid.Value(p.cell)) grid.Place(p.cell, p.digit);
}

Rating RatePuzzle(const Grid& givens, Grade ceiling) {
  Rating rating;
  Grid grid = givens;
  SearchMemo memo;
  for (;;) {
    const std::optional<Step> step = NextStep(grid, nullptr, std::min(ceiling, Grade::kExpert), &memo);
    if (!step) break;
    if (step->technique == Technique::kNoLogicalStep) {
      if (ceiling < Grade::kExtreme) {
        rating.grade = static_cast<Grade>(static_cast<int>(ceiling) + 1);
        rating.above_ceiling = true;
        return rating;
      }
      rating.grade = Grade::kExtreme;
      rating.score = Info(Technique::kNoLogicalStep).score;
      ++rating.counts[static_cast<int>(Technique::kNoLogicalStep)];
      return rating;
    }
    const TechniqueInfo& info = Info(step->technique);
    ++rating.counts[static_cast<int>(step->technique)];
    ++rating.steps;
    if (info.grade > rating.grade) rating.grade = info.grade;
    if (info.score > rating.score) rating.score = info.score;
    ApplyStep(grid, *step);
  }
  rating.solved = grid.Solved();
  return rating;
}

std::vector<Step> SolveSteps(Grid grid) {
  std::vector<Step> steps;
  SearchMemo memo;
  for (;;) {
    std::optional<Step> step = NextStep(grid, nullptr, Grade::kExpert, &memo);
    if (!step) break;
    steps.push_back(std::move(*step));
    if (steps.back().technique == Technique::kNoLogicalStep) break;
    ApplyStep(grid, steps.back());
  }
  return steps;
}

}  // namespace logic
