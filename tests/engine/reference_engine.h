// A deliberately plain implementation of the engine's rules, written from
// the rules alone: byte boards, candidate lists rebuilt from scratch, one
// real engine object per search step and the standard library's MT19937.
// The tests hold the fast engine to exactly its results.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "engine/board.h"

namespace reference {

struct Engine {
  Board cells{};
  int sum = 0, per_scan = 0, per_count = 0;

  int Possibilities(int x, int y) const {
    if (cells[x][y]) return 0;
    int mask = 511;
    for (int i = 0; i < 9; ++i) {
      if (i != y && cells[x][i]) mask &= ~(1 << (cells[x][i] - 1));
      if (i != x && cells[i][y]) mask &= ~(1 << (cells[i][y] - 1));
    }
    for (int i = x / 3 * 3; i < x / 3 * 3 + 3; ++i)
      for (int j = y / 3 * 3; j < y / 3 * 3 + 3; ++j)
        if ((i != x || j != y) && cells[i][j]) mask &= ~(1 << (cells[i][j] - 1));
    return mask;
  }

  int ReturnPossibility(int x, int y) const {
    const int mask = Possibilities(x, y);
    if (mask == 0) return -1;
    int count = 0, digit = 0;
    for (int d = 1; d <= 9; ++d)
      if (mask & (1 << (d - 1))) ++count, digit = d;
    return count == 1 ? digit : 0;
  }

  bool Solved() const {
    for (int x = 0; x < 9; ++x)
      for (int y = 0; y < 9; ++y)
        if (!cells[x][y]) return false;
    for (int a = 0; a < 81; ++a)
      for (int b = a + 1; b < 81; ++b) {
        const int xa = a / 9, ya = a % 9, xb = b / 9, yb = b % 9;
        const bool peers = xa == xb || ya == yb || (xa / 3 == xb / 3 && ya / 3 == yb / 3);
        if (peers && cells[xa][ya] == cells[xb][yb]) return false;
      }
    return true;
  }

  bool ScanPass() {
    int col[9][9] = {}, row[9][9] = {}, box[9][9] = {};
    for (int x = 0; x < 9; ++x)
      for (int y = 0; y < 9; ++y)
        if (int d = cells[x][y]) col[x][d - 1] = row[y][d - 1] = box[x / 3 + 3 * (y / 3)][d - 1] = 1;
    const auto others = [](int v, int& a, int& b) {
      if (v % 3 == 0) a = v + 1, b = v + 2;
      else if (v % 3 == 1) a = v - 1, b = v + 1;
      else a = v - 1, b = v - 2;
    };
    for (int x = 0; x < 9; ++x)
      for (int y = 0; y < 9; ++y) {
        if (cells[x][y]) continue;
        int x1, x2, y1, y2;
        others(x, x1, x2);
        others(y, y1, y2);
        for (int d = 0; d < 9; ++d)
          if (col[x1][d] && col[x2][d] && row[y1][d] && row[y2][d] && !box[x / 3 + 3 * (y / 3)][d]) {
            cells[x][y] = static_cast<uint8_t>(d + 1);
            ++per_scan, ++sum;
            return true;
          }
      }
    return false;
  }

  bool CountFill() {
    for (;;) {
      bool changed = false;
      for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 9; ++y) {
          if (cells[x][y]) continue;
          const int r = ReturnPossibility(x, y);
          if (r == -1) return false;
          if (r == 0) continue;
          cells[x][y] = static_cast<uint8_t>(r);
          ++per_count, ++sum;
          ScanPass();
          changed = true;
        }
      if (!changed) return true;
    }
  }

  bool TrivialFill() {
    sum = per_scan = per_count = 0;
    return CountFill();
  }
};

// The search's environment: the game's guess limit and level, the shared
// search value, and a hook standing for the creation of an engine object.
struct SearchRules {
  int limit = 0;
  int level = 1;
  int search_value = 0;
  void (*create_engine)() = nullptr;
};

inline int Solve(const Engine& from, std::vector<Board>& list, int depth, SearchRules& rules) {
  rules.create_engine();
  Engine copy;
  copy.cells = from.cells;
  if (copy.Solved()) {
    list.push_back(copy.cells);
    ++rules.search_value;
    return depth;
  }
  if (!copy.TrivialFill()) {
    rules.search_value = 0;
    return 0;
  }
  if (copy.Solved()) {
    list.push_back(copy.cells);
    ++rules.search_value;
    return depth;
  }
  if (depth >= 100) return 0;
  if (!(rules.level == 9 || copy.per_count + copy.per_scan > rules.limit)) return rules.search_value;
  const int mask = copy.Possibilities(0, 0);
  for (int d = 1; d <= 9; ++d) {
    if (!(mask & (1 << (d - 1)))) continue;
    copy.cells[0][0] = static_cast<uint8_t>(d);
    const int r = Solve(copy, list, depth + 1, rules) + 1;
    if (r > rules.search_value) rules.search_value = r;
  }
  return rules.search_value;
}

// The 30 random digits of one attempt; counts the draws when asked.
inline Board PlaceDigits(uint32_t seed, int* draws = nullptr) {
  std::mt19937 twister(seed);
  const auto draw = [&twister, draws] {
    if (draws) ++*draws;
    return twister();
  };
  Engine e;
  for (int n = 0; n < 30; ++n) {
    int x, y, mask;
    do {
      x = static_cast<int>(draw() % 9);
      y = static_cast<int>(draw() % 9);
      mask = e.Possibilities(x, y);
    } while (mask == 0);
    int d;
    do d = 1 + static_cast<int>(draw() % 9);
    while (!(mask & (1 << (d - 1))));
    e.cells[x][y] = static_cast<uint8_t>(d);
  }
  return e.cells;
}

inline bool Accepts(int level, int depth) {
  return level == 0 || level == 9 || (level >= 1 && level <= 7 && depth == level) || (level == 8 && depth >= 8);
}

struct Generated {
  bool accepted = false;
  int level = 0;
  int tries = 0;
  int seed = 0;
  int min_depth = 0;
  int search_value = 0;
  Board puzzle{};
  Board solution{};
  std::vector<Board> last_solutions;  // of the last attempt
};

// The attempt loop as the rules state it, without the fixed-seed shortcut.
inline Generated Generate(int level, int fixed_seed, int fresh_base, SearchRules rules, int max_tries = 500000) {
  Generated g;
  g.level = level;
  for (;;) {
    const bool quit = g.tries > max_tries;
    rules.search_value = 0;
    ++g.tries;
    g.seed = fixed_seed ? fixed_seed : fresh_base + g.tries;
    Engine e;
    e.cells = PlaceDigits(static_cast<uint32_t>(g.seed));
    std::vector<Board> list;
    g.min_depth = Solve(e, list, 1, rules);
    if (g.tries % 65000 == 0) g.level = g.level > 0 ? g.level - 1 : 0;
    g.search_value = rules.search_value;
    g.puzzle = e.cells;
    g.last_solutions = list;
    if (list.size() == 1 && Accepts(g.level, g.min_depth)) {
      g.accepted = !quit;
      g.solution = list[0];
      return g;
    }
    if (quit) return g;
  }
}

inline int Reduce(Board& puzzle, SearchRules& rules) {
  Engine e;
  e.cells = puzzle;
  int marks[9][9] = {};
  bool all_needed = true;
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y) {
      const uint8_t d = e.cells[x][y];
      if (!d) continue;
      e.cells[x][y] = 0;
      std::vector<Board> list;
      Solve(e, list, 1, rules);
      if (list.size() > 1) marks[x][y] = 1;
      if (list.size() == 1) all_needed = false;
      e.cells[x][y] = d;
    }
  if (all_needed) return 0;
  int removed = 0;
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y) {
      const uint8_t d = e.cells[x][y];
      if (!d || marks[x][y]) continue;
      e.cells[x][y] = 0;
      std::vector<Board> list;
      Solve(e, list, 1, rules);
      if (list.size() == 1) {
        ++removed;
      } else {
        e.cells[x][y] = d;
      }
    }
  puzzle = e.cells;
  return removed;
}

// Counts solutions up to `limit`, branching on the empty cell with the
// fewest candidates.
inline int CountSolutions(Board& b, int limit) {
  Engine e;
  e.cells = b;
  int best_x = -1, best_y = -1, best_count = 10, best_mask = 0;
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y) {
      if (b[x][y]) continue;
      const int mask = e.Possibilities(x, y);
      int count = 0;
      for (int d = 0; d < 9; ++d) count += (mask >> d) & 1;
      if (count < best_count) best_x = x, best_y = y, best_count = count, best_mask = mask;
    }
  if (best_x < 0) return 1;
  int found = 0;
  for (int d = 1; d <= 9 && found < limit; ++d) {
    if (!(best_mask & (1 << (d - 1)))) continue;
    b[best_x][best_y] = static_cast<uint8_t>(d);
    found += CountSolutions(b, limit - found);
  }
  b[best_x][best_y] = 0;
  return found;
}

}  // namespace reference
