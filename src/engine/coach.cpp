#include "engine/coach.h"

#include "engine/logic_solver.h"

namespace {

int CellOf(int column, int row) { return row * 9 + column; }

}  // namespace

std::optional<CoachAdvice> AdviseOn(const TPlayBoard& board, const MapGrid& solution) {
  std::array<uint8_t, logic::kCells> values{};
  std::array<uint8_t, logic::kCells> answer{};
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      const int want = solution[c][r][0];
      if (want < 1 || want > 9) return std::nullopt;
      answer[size_t(CellOf(c, r))] = uint8_t(want);
    }
  // Reading order, so the first wrong digit is the one a player looks at first.
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) {
      const int digit = board.Cell(c, r).digit;
      if (digit != 0 && digit != solution[c][r][0]) return CoachAdvice{true, c, r, {}};
      values[size_t(CellOf(c, r))] = uint8_t(digit);
    }
  std::optional<logic::Grid> grid = logic::Grid::FromValues(values);
  if (!grid) return std::nullopt;
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      const int cell = CellOf(c, r);
      const NoteSet notes = board.Cell(c, r).notes;
      // Notes that rule out the solution's digit are a slip, not a deduction.
      if (grid->Value(cell) != 0 || notes == 0 || (notes & NoteBit(answer[size_t(cell)])) == 0) continue;
      grid->SetCandidates(cell, uint16_t(grid->Candidates(cell) & notes));
    }
  std::optional<logic::Step> step = logic::NextStep(*grid, &answer);
  if (!step || !step->Advances()) return std::nullopt;
  return CoachAdvice{false, 0, 0, std::move(*step)};
}

TCoach::Snapshot TCoach::Take(const TPlayBoard& board) {
  Snapshot cells{};
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) cells[size_t(CellOf(c, r))] = board.Cell(c, r);
  return cells;
}

const CoachAdvice* TCoach::Shown(const TPlayBoard& board) const {
  if (!shown_ || Take(board) != seen_) return nullptr;
  return &*shown_;
}

TCoach::Press TCoach::Ask(TPlayBoard& board, const MapGrid& solution) {
  board.Settle();
  if (const CoachAdvice* advice = Shown(board)) {
    bool changed = false;
    if (advice->wrongDigit) {
      changed = board.SetDigit(advice->column, advice->row, 0);
    } else {
      auto at = [](const logic::Candidate& c) { return CellDigit{logic::ColOf(c.cell), logic::RowOf(c.cell), c.digit}; };
      std::vector<CellDigit> placements, eliminations;
      for (const logic::Candidate& c : advice->step.placements) placements.push_back(at(c));
      for (const logic::Candidate& c : advice->step.eliminations) eliminations.push_back(at(c));
      changed = board.ApplyDeductions(placements, eliminations);
    }
    shown_.reset();
    return changed ? Press::kApplied : Press::kNothing;
  }
  shown_ = AdviseOn(board, solution);
  if (!shown_) return Press::kNothing;
  seen_ = Take(board);
  return Press::kExplained;
}
