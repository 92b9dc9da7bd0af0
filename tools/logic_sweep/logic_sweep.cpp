// Soundness and coverage sweep of the human-style solver: reads puzzles
// (81 characters a line) and checks every step of every logical solution
// against the unique solution: each placement must be the solution's digit
// and no elimination may remove it. Prints the counts, the share solved by
// logic alone, the grades and the rating times; exits 1 on any unsound step.
//
//   qqwing --generate 2000 --difficulty expert --one-line | logic_sweep
//
// With --examples it prints instead, per technique, the first board (its
// digits only) on which that technique is the simplest step: test positions.
// With --trace it prints every step of every puzzle, one line each, so two
// builds of the solver can be compared step for step with diff.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "engine/logic_count.h"
#include "engine/logic_explain.h"
#include "engine/logic_solver.h"

int main(int argc, char** argv) {
  using namespace logic;
  const bool examples = argc > 1 && std::string(argv[1]) == "--examples";
  const bool trace = argc > 1 && std::string(argv[1]) == "--trace";
  std::array<bool, kTechniqueCount> shown{};
  std::array<std::string, kTechniqueCount> replay;  // "puzzle steps" where only the candidates show it
  int puzzles = 0, refused = 0, unsound = 0, solved = 0;
  long steps = 0;
  std::array<int, kGradeCount> grades{};
  std::array<long, kTechniqueCount> used{};
  std::vector<double> micros;
  std::string line;
  while (std::getline(std::cin, line)) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (line.empty()) continue;
    std::optional<Grid> grid = Grid::FromText(line);
    std::array<uint8_t, kCells> solution{};
    if (!grid || CountSolutions(grid->Values(), 2, &solution) != 1) {
      ++refused;
      continue;
    }
    ++puzzles;
    const auto t0 = std::chrono::steady_clock::now();
    const Rating rating = RatePuzzle(*grid);
    micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
    ++grades[static_cast<int>(rating.grade)];
    Grid board = *grid;
    bool stuck = false;
    int puzzle_steps = 0;
    SearchMemo memo;
    while (!board.Solved() && !stuck) {
      const std::optional<Step> step = NextStep(board, &solution, Grade::kExpert, &memo);
      if (!step || step->technique == Technique::kNoLogicalStep) {
        stuck = true;
        break;
      }
      ++steps;
      if (trace) std::printf("%s\n", StepLine(*step).c_str());
      ++used[static_cast<int>(step->technique)];
      if (examples && !shown[static_cast<int>(step->technique)]) {
        // The same technique must come first on the digits alone.
        const std::optional<Step> fresh = NextStep(*Grid::FromValues(board.Values()), &solution, Grade::kExpert);
        if (fresh && fresh->technique == step->technique) {
          shown[static_cast<int>(step->technique)] = true;
          std::printf("%s %s\n", std::string(Info(step->technique).key).c_str(), board.Text().c_str());
        } else if (replay[static_cast<int>(step->technique)].empty()) {
          replay[static_cast<int>(step->technique)] = line + " " + std::to_string(puzzle_steps);
        }
      }
      bool bad = false;
      for (const Candidate& p : step->placements) bad = bad || solution[p.cell] != p.digit;
      for (const Candidate& e : step->eliminations) bad = bad || solution[e.cell] == e.digit;
      if (bad) {
        ++unsound;
        std::printf("UNSOUND %s %s at %s\n", std::string(Info(step->technique).key).c_str(), line.c_str(),
                    board.Text().c_str());
        stuck = true;
        break;
      }
      ApplyStep(board, *step);
      ++puzzle_steps;
    }
    if (!stuck) ++solved;
    if (trace) std::printf("%s %s %d\n", stuck ? "stuck" : "solved", std::string(GradeName(rating.grade)).c_str(),
                           rating.score);
  }
  if (examples) {
    for (int t = 0; t < kTechniqueCount; ++t)
      if (!shown[t] && !replay[t].empty())
        std::printf("%s after %s\n", std::string(Info(static_cast<Technique>(t)).key).c_str(), replay[t].c_str());
    return unsound ? 1 : 0;
  }
  std::sort(micros.begin(), micros.end());
  const auto pct = [&](double p) { return micros.empty() ? 0.0 : micros[static_cast<size_t>(p * (micros.size() - 1))]; };
  double total = 0;
  for (double m : micros) total += m;
  std::printf("puzzles %d (refused %d), steps %ld, unsound %d\n", puzzles, refused, steps, unsound);
  std::printf("solved by logic alone %d (%.1f%%)\n", solved, puzzles ? 100.0 * solved / puzzles : 0.0);
  for (int g = 0; g < kGradeCount; ++g)
    std::printf("  %-8s %d\n", std::string(GradeName(static_cast<Grade>(g))).c_str(), grades[g]);
  std::printf("rating time us: mean %.1f p50 %.1f p99 %.1f max %.1f\n", puzzles ? total / puzzles : 0.0, pct(0.5),
              pct(0.99), pct(1.0));
  for (int t = 0; t < kTechniqueCount; ++t)
    if (used[t]) std::printf("  %-22s %ld\n", std::string(Info(static_cast<Technique>(t)).key).c_str(), used[t]);
  return unsound ? 1 : 0;
}
