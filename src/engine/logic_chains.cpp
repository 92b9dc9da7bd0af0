// X-chains (with grouped nodes), XY-chains and alternating inference
// chains: from "this node is false" the chain's links force "that node is
// true", so one of the two ends holds, and whatever contradicts both goes.
#include <algorithm>
#include <vector>

#include "engine/logic_techniques.h"

namespace logic {

namespace {

enum class Kind { kX, kXY, kAic };

constexpr int kMaxNodes[3] = {14, 14, 10};  // chain length bounds, in nodes

struct Node {
  uint8_t digit;
  CellSet cells;
  bool single;
};

class ChainGraph {
 public:
  ChainGraph(const Grid& grid, Kind kind) : grid_(grid), kind_(kind) {
    for (int c = 0; c < kCells; ++c)
      for (unsigned d = grid.Candidates(c); d; d &= d - 1) {
        cell_node_[c][std::countr_zero(d)] = static_cast<int16_t>(nodes_.size());
        nodes_.push_back({static_cast<uint8_t>(std::countr_zero(d) + 1), CellSet::Of(c), true});
      }
    if (kind != Kind::kXY) AddGroups();
    strong_.resize(nodes_.size());
    weak_.resize(nodes_.size());
    LinkDigits();
    if (kind != Kind::kX) LinkCells();
  }

  // All starts are searched breadth first side by side, one chain length
  // at a time, so the first conclusion found comes from a shortest chain.
  bool Find(Step& step) {
    const int n = static_cast<int>(nodes_.size());
    struct Search {
      int start;
      std::vector<int16_t> parent;  // per state: 2 * node + (1 when true)
      std::vector<int> frontier;
    };
    std::vector<Search> searches;
    for (int start = 0; start < n; ++start) {
      if (strong_[start].empty() || (kind_ == Kind::kXY && !nodes_[start].single)) continue;
      Search s{start, std::vector<int16_t>(2 * n, -1), {2 * start}};
      s.parent[2 * start] = static_cast<int16_t>(2 * start);
      searches.push_back(std::move(s));
    }
    const int max_nodes = kMaxNodes[static_cast<int>(kind_)];
    for (int len = 1; len < max_nodes; ++len) {
      bool any = false;
      for (Search& s : searches) {
        std::vector<int> next;
        for (int state : s.frontier) {
          const int node = state / 2;
          const bool is_true = state % 2;
          for (int16_t to : is_true ? weak_[node] : strong_[node]) {
            if (is_true ? !WeakAllowed(node, to) : !StrongAllowed(node, to)) continue;
            const int to_state = 2 * to + (is_true ? 0 : 1);
            if (s.parent[to_state] >= 0) continue;
            s.parent[to_state] = static_cast<int16_t>(state);
            next.push_back(to_state);
            if (is_true) continue;
            Step trial;
            Conclude(s.start, to, trial);
            if (!trial.Advances()) continue;
            std::vector<int> path;
            for (int st = to_state; st != 2 * s.start; st = s.parent[st]) path.push_back(st / 2);
            path.push_back(s.start);
            std::reverse(path.begin(), path.end());
            Describe(trial, path);
            step = std::move(trial);
            return true;
          }
        }
        s.frontier = std::move(next);
        any = any || !s.frontier.empty();
      }
      if (!any) break;
    }
    return false;
  }

 private:
  void AddGroups() {
    // A group: two or three places of a digit where a box meets a line.
    for (int box = 0; box < 9; ++box)
      for (int line = 0; line < 18; ++line) {
        const CellSet meet = kGeo.unit_set[18 + box] & kGeo.unit_set[line];
        if (meet.Empty()) continue;
        for (int d = 1; d <= 9; ++d) {
          const CellSet cells = meet & grid_.DigitCells(d);
          if (cells.Size() >= 2) nodes_.push_back({static_cast<uint8_t>(d), cells, false});
        }
      }
  }

  void LinkDigits() {
    const int n = static_cast<int>(nodes_.size());
    std::vector<CellSet> seen(n);
    for (int a = 0; a < n; ++a) seen[a] = SeenByAll(nodes_[a].cells);
    std::vector<int> of_digit[9];
    for (int a = 0; a < n; ++a) of_digit[nodes_[a].digit - 1].push_back(a);
    for (int d = 1; d <= 9; ++d) {
      const std::vector<int>& list = of_digit[d - 1];
      // Weak: every cell of one sees every cell of the other.
      for (size_t i = 0; i < list.size(); ++i)
        for (size_t j = i + 1; j < list.size(); ++j) {
          const int a = list[i], b = list[j];
          if ((nodes_[b].cells - seen[a]).Empty() && (nodes_[a].cells & nodes_[b].cells).Empty()) {
            weak_[a].push_back(static_cast<int16_t>(b));
            weak_[b].push_back(static_cast<int16_t>(a));
          }
        }
      if (kind_ == Kind::kXY) continue;
      // Strong: two nodes that are together every place of the digit in a unit.
      const CellSet places = grid_.DigitCells(d);
      for (int unit = 0; unit < kUnits; ++unit) {
        const CellSet in = places & kGeo.unit_set[unit];
        if (in.Size() < 2) continue;
        std::vector<int> inside;
        for (int a : list)
          if ((nodes_[a].cells - in).Empty()) inside.push_back(a);
        for (size_t i = 0; i < inside.size(); ++i)
          for (size_t j = i + 1; j < inside.size(); ++j) {
            const int a = inside[i], b = inside[j];
            if (!(nodes_[a].cells & nodes_[b].cells).Empty() || (nodes_[a].cells | nodes_[b].cells) != in) continue;
            if (std::find(strong_[a].begin(), strong_[a].end(), b) != strong_[a].end()) continue;
            strong_[a].push_back(static_cast<int16_t>(b));
            strong_[b].push_back(static_cast<int16_t>(a));
          }
      }
    }
  }

  void LinkCells() {
    for (int c = 0; c < kCells; ++c) {
      const unsigned m = grid_.Candidates(c);
      for (unsigned a = m; a; a &= a - 1)
        for (unsigned b = a & (a - 1); b; b &= b - 1) {
          const int na = cell_node_[c][std::countr_zero(a)], nb = cell_node_[c][std::countr_zero(b)];
          weak_[na].push_back(static_cast<int16_t>(nb));
          weak_[nb].push_back(static_cast<int16_t>(na));
          if (Count(m) == 2) {
            strong_[na].push_back(static_cast<int16_t>(nb));
            strong_[nb].push_back(static_cast<int16_t>(na));
          }
        }
    }
  }

  bool StrongAllowed(int from, int to) const {
    if (kind_ == Kind::kXY) return nodes_[from].cells == nodes_[to].cells;
    return true;
  }
  bool WeakAllowed(int from, int to) const {
    if (kind_ == Kind::kXY) return nodes_[from].digit == nodes_[to].digit;
    return true;
  }

  // What "a or b" removes.
  void Conclude(int a, int b, Step& step) const {
    const Node& na = nodes_[a];
    const Node& nb = nodes_[b];
    if (a == b) {
      if (na.single) step.placements.push_back({static_cast<uint8_t>(na.cells.First()), na.digit});
      return;
    }
    if (na.digit == nb.digit) {
      AddEliminations(grid_, SeenByAll(na.cells | nb.cells), na.digit, step);
      return;
    }
    if (!na.single || !nb.single) return;
    const int ca = na.cells.First(), cb = nb.cells.First();
    if (ca == cb) {
      for (unsigned d = grid_.Candidates(ca) & ~Bit(na.digit) & ~Bit(nb.digit); d; d &= d - 1)
        step.eliminations.push_back({static_cast<uint8_t>(ca), static_cast<uint8_t>(std::countr_zero(d) + 1)});
    } else if (Sees(ca, cb)) {
      if (grid_.Has(ca, nb.digit)) step.eliminations.push_back({static_cast<uint8_t>(ca), nb.digit});
      if (grid_.Has(cb, na.digit)) step.eliminations.push_back({static_cast<uint8_t>(cb), na.digit});
    }
  }

  void Describe(Step& step, const std::vector<int>& path) const {
    step.technique = kind_ == Kind::kX ? Technique::kXChain
                     : kind_ == Kind::kXY ? Technique::kXYChain
                                          : Technique::kAlternatingChain;
    CellSet cells;
    for (int node : path) {
      std::vector<Candidate> members;
      nodes_[node].cells.ForEach([&](int c) {
        members.push_back({static_cast<uint8_t>(c), nodes_[node].digit});
        step.candidates.push_back({static_cast<uint8_t>(c), nodes_[node].digit});
      });
      cells |= nodes_[node].cells;
      step.chain.push_back(std::move(members));
    }
    AddCells(cells, step);
  }

  const Grid& grid_;
  Kind kind_;
  std::vector<Node> nodes_;
  int16_t cell_node_[kCells][9]{};
  std::vector<std::vector<int16_t>> strong_, weak_;
};

}  // namespace

bool FindXChain(const Grid& grid, Step& step) { return ChainGraph(grid, Kind::kX).Find(step); }
bool FindXYChain(const Grid& grid, Step& step) { return ChainGraph(grid, Kind::kXY).Find(step); }
bool FindAlternatingChain(const Grid& grid, Step& step) { return ChainGraph(grid, Kind::kAic).Find(step); }

}  // namespace logic
