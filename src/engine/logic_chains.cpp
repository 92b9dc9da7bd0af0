// X-chains (with grouped nodes), XY-chains and alternating inference
// chains: from "this node is false" the chain's links force "that node is
// true", so one of the two ends holds, and whatever contradicts both goes.
#include <algorithm>
#include <memory>
#include <utility>
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

// A node's links as one flat list (compressed rows), in the order they
// were found: the search walks them in that order, which decides which
// chain is found first.
class Links {
 public:
  void Add(int from, int to) { pairs_.push_back({static_cast<int16_t>(from), static_cast<int16_t>(to)}); }
  bool Has(int from, int to, size_t since) const {
    for (size_t i = since; i < pairs_.size(); ++i)
      if (pairs_[i].first == from && pairs_[i].second == to) return true;
    return false;
  }
  size_t Size() const { return pairs_.size(); }
  // Buckets the pairs by their first node, keeping their order.
  void Freeze(int nodes) {
    begin_.assign(static_cast<size_t>(nodes) + 1, 0);
    for (const auto& [from, to] : pairs_) ++begin_[static_cast<size_t>(from) + 1];
    for (int i = 0; i < nodes; ++i) begin_[i + 1] += begin_[i];
    to_.resize(pairs_.size());
    std::vector<int> at(begin_.begin(), begin_.end() - 1);
    for (const auto& [from, to] : pairs_) to_[static_cast<size_t>(at[from]++)] = to;
  }
  const int16_t* begin(int node) const { return to_.data() + begin_[node]; }
  const int16_t* end(int node) const { return to_.data() + begin_[node + 1]; }
  bool Empty(int node) const { return begin_[node] == begin_[node + 1]; }

 private:
  std::vector<std::pair<int16_t, int16_t>> pairs_;
  std::vector<int> begin_;
  std::vector<int16_t> to_;
};

class ChainGraph {
 public:
  // An X-chain keeps to one digit, so its graph holds only `digits`.
  ChainGraph(const Grid& grid, Kind kind, unsigned digits = kAll) : grid_(grid), kind_(kind), digits_(digits) {
    nodes_.reserve(512);
    for (int c = 0; c < kCells; ++c)
      for (unsigned d = grid.Candidates(c) & digits; d; d &= d - 1) {
        cell_node_[c][std::countr_zero(d)] = static_cast<int16_t>(nodes_.size());
        nodes_.push_back({static_cast<uint8_t>(std::countr_zero(d) + 1), CellSet::Of(c), true});
      }
    if (kind != Kind::kXY) AddGroups();
    seen_.resize(nodes_.size());
    for (size_t a = 0; a < nodes_.size(); ++a)
      seen_[a] = nodes_[a].single ? kGeo.peers[nodes_[a].cells.First()] : SeenByAll(nodes_[a].cells);
    Link();
    strong_.Freeze(static_cast<int>(nodes_.size()));
    weak_.Freeze(static_cast<int>(nodes_.size()));
  }

  // All starts are searched breadth first side by side, one chain length
  // at a time, so the first conclusion found comes from a shortest chain.
  bool Find(Step& step) {
    std::vector<int> starts;
    for (int start = 0; start < static_cast<int>(nodes_.size()); ++start) {
      if (strong_.Empty(start) || (kind_ == Kind::kXY && !nodes_[start].single)) continue;
      starts.push_back(start);
    }
    // Which start concludes first is found for all starts at once; its
    // own search then yields the chain exactly as searching all would.
    const int first = FirstConcluding(starts);
    return first >= 0 && Search({first}, step);
  }

 private:
  // The searches of all starts side by side, as sets of starts per state
  // (bit s: reached from starts[s]), one chain length at a time. A state's
  // distance from a start does not depend on the order the searches run
  // in, so the shortest length with a conclusion, and at that length the
  // earliest start, are those the searches one by one would meet first.
  int FirstConcluding(const std::vector<int>& starts) const {
    const size_t states = 2 * nodes_.size();
    const size_t words = (starts.size() + 63) / 64;
    if (words == 0) return -1;
    std::vector<uint64_t> reached(states * words, 0), frontier(states * words, 0), next(states * words, 0);
    for (size_t s = 0; s < starts.size(); ++s) {
      const size_t state = 2 * static_cast<size_t>(starts[s]);
      reached[state * words + s / 64] |= uint64_t{1} << (s % 64);
      frontier[state * words + s / 64] |= uint64_t{1} << (s % 64);
    }
    const int max_nodes = kMaxNodes[static_cast<int>(kind_)];
    for (int len = 1; len < max_nodes; ++len) {
      std::fill(next.begin(), next.end(), 0);
      bool any = false;
      for (size_t state = 0; state < states; ++state) {
        const uint64_t* from = &frontier[state * words];
        bool live = false;
        for (size_t w = 0; w < words; ++w) live = live || from[w];
        if (!live) continue;
        const int node = static_cast<int>(state / 2);
        const bool is_true = state % 2;
        const Links& links = is_true ? weak_ : strong_;
        for (const int16_t* to = links.begin(node); to != links.end(node); ++to) {
          if (is_true ? !WeakAllowed(node, *to) : !StrongAllowed(node, *to)) continue;
          const size_t to_state = 2 * static_cast<size_t>(*to) + (is_true ? 0 : 1);
          uint64_t* seen = &reached[to_state * words];
          uint64_t* add = &next[to_state * words];
          for (size_t w = 0; w < words; ++w) {
            const uint64_t fresh = from[w] & ~seen[w];
            seen[w] |= fresh;
            add[w] |= fresh;
            any = any || fresh;
          }
        }
      }
      // Conclusions come with the "true" states reached at this length.
      size_t best = starts.size();
      for (size_t state = 1; state < states; state += 2) {
        const uint64_t* fresh = &next[state * words];
        for (size_t w = 0; w < words && w * 64 < best; ++w)
          for (uint64_t bits = fresh[w]; bits; bits &= bits - 1) {
            const size_t s = w * 64 + static_cast<size_t>(std::countr_zero(bits));
            if (s >= best) break;
            if (Advances(starts[s], static_cast<int>(state / 2))) {
              best = s;
              break;
            }
          }
      }
      if (best < starts.size()) return starts[best];
      if (!any) break;
      std::swap(frontier, next);
    }
    return -1;
  }

  // The searches from `starts` one chain length at a time; the first
  // conclusion found is the step.
  bool Search(const std::vector<int>& starts, Step& step) {
    const int n = static_cast<int>(nodes_.size());
    const int states = 2 * n;
    const size_t words = static_cast<size_t>(states + 63) / 64;
    const size_t searches = starts.size();
    // Per search: which states were reached, and from where (read only
    // for reached states, so left unset otherwise).
    std::vector<uint64_t> reached(searches * words, 0);
    const auto parent = std::make_unique_for_overwrite<int16_t[]>(searches * static_cast<size_t>(states));
    // The frontiers of all searches one after another; search s owns
    // [offset[s], offset[s + 1]).
    std::vector<int> frontier, next;
    std::vector<size_t> offset(searches + 1), next_offset(searches + 1);
    frontier.reserve(searches);
    for (size_t s = 0; s < searches; ++s) {
      const int state = 2 * starts[s];
      reached[s * words + static_cast<size_t>(state) / 64] |= uint64_t{1} << (state % 64);
      parent[s * static_cast<size_t>(states) + static_cast<size_t>(state)] = static_cast<int16_t>(state);
      offset[s] = frontier.size();
      frontier.push_back(state);
    }
    offset[searches] = frontier.size();
    const int max_nodes = kMaxNodes[static_cast<int>(kind_)];
    for (int len = 1; len < max_nodes; ++len) {
      next.clear();
      for (size_t s = 0; s < searches; ++s) {
        next_offset[s] = next.size();
        uint64_t* seen = &reached[s * words];
        int16_t* from = &parent[s * static_cast<size_t>(states)];
        const int start = starts[s];
        for (size_t i = offset[s]; i < offset[s + 1]; ++i) {
          const int state = frontier[i];
          const int node = state / 2;
          const bool is_true = state % 2;
          const Links& links = is_true ? weak_ : strong_;
          for (const int16_t* to = links.begin(node); to != links.end(node); ++to) {
            if (is_true ? !WeakAllowed(node, *to) : !StrongAllowed(node, *to)) continue;
            const int to_state = 2 * *to + (is_true ? 0 : 1);
            uint64_t& word = seen[to_state / 64];
            const uint64_t bit = uint64_t{1} << (to_state % 64);
            if (word & bit) continue;
            word |= bit;
            from[to_state] = static_cast<int16_t>(state);
            next.push_back(to_state);
            if (is_true || !Advances(start, *to)) continue;
            Step trial;
            Conclude(start, *to, trial);
            std::vector<int> path;
            for (int st = to_state; st != 2 * start; st = from[st]) path.push_back(st / 2);
            path.push_back(start);
            std::reverse(path.begin(), path.end());
            Describe(trial, path);
            step = std::move(trial);
            return true;
          }
        }
      }
      next_offset[searches] = next.size();
      if (next.empty()) break;
      std::swap(frontier, next);
      std::swap(offset, next_offset);
    }
    return false;
  }

  void AddGroups() {
    // A group: two or three places of a digit where a box meets a line.
    for (int box = 0; box < 9; ++box)
      for (int line = 0; line < 18; ++line) {
        const CellSet meet = kGeo.unit_set[18 + box] & kGeo.unit_set[line];
        if (meet.Empty()) continue;
        for (int d = 1; d <= 9; ++d) {
          if (!(digits_ & Bit(d))) continue;
          const CellSet cells = meet & grid_.DigitCells(d);
          if (cells.Size() >= 2) nodes_.push_back({static_cast<uint8_t>(d), cells, false});
        }
      }
  }

  // Strong links first: a node without one can end no chain and carry none
  // (a chain reaches a node's "true" only through a strong link and leaves
  // its "false" only through one), so weak links into it are left out.
  void Link() {
    const int n = static_cast<int>(nodes_.size());
    std::vector<int> of_digit[9];
    for (int a = 0; a < n; ++a) of_digit[nodes_[a].digit - 1].push_back(a);
    linked_.assign(nodes_.size(), 0);
    if (kind_ != Kind::kXY)
      for (int d = 1; d <= 9; ++d) LinkDigitStrong(d, of_digit[d - 1]);
    if (kind_ != Kind::kX) LinkCells(true);
    for (int d = 1; d <= 9; ++d) {
      std::vector<int>& list = of_digit[d - 1];
      std::erase_if(list, [&](int a) { return !linked_[a]; });
      // Weak: every cell of one sees every cell of the other.
      for (size_t i = 0; i < list.size(); ++i)
        for (size_t j = i + 1; j < list.size(); ++j) {
          const int a = list[i], b = list[j];
          if ((nodes_[b].cells - seen_[a]).Empty() && (nodes_[a].cells & nodes_[b].cells).Empty()) {
            weak_.Add(a, b);
            weak_.Add(b, a);
          }
        }
    }
    // An XY-chain leaves a cell only by its digit, so it has no use for
    // the weak links inside a cell.
    if (kind_ == Kind::kAic) LinkCells(false);
  }

  // Strong: two nodes that are together every place of the digit in a unit.
  void LinkDigitStrong(int d, const std::vector<int>& list) {
    if (list.empty()) return;
    const CellSet places = grid_.DigitCells(d);
    const size_t digit_links = strong_.Size();
    std::vector<int> groups;
    for (int a : list)
      if (!nodes_[a].single) groups.push_back(a);
    for (int unit = 0; unit < kUnits; ++unit) {
      const CellSet in = places & kGeo.unit_set[unit];
      if (in.Size() < 2) continue;
      // The nodes inside the unit in the order of their numbers: single
      // cells (numbered in cell order) before groups. At most nine cells
      // and six groups lie in one unit.
      int inside[32];
      int count = 0;
      in.ForEach([&](int c) { inside[count++] = cell_node_[c][d - 1]; });
      for (int a : groups)
        if ((nodes_[a].cells - in).Empty()) inside[count++] = a;
      for (int i = 0; i < count; ++i)
        for (int j = i + 1; j < count; ++j) {
          const int a = inside[i], b = inside[j];
          if (!(nodes_[a].cells & nodes_[b].cells).Empty() || (nodes_[a].cells | nodes_[b].cells) != in) continue;
          if (strong_.Has(a, b, digit_links)) continue;
          AddStrong(a, b);
        }
    }
  }

  // The two candidates of a two-candidate cell are strongly linked; any two
  // candidates of one cell weakly.
  void LinkCells(bool strong) {
    for (int c = 0; c < kCells; ++c) {
      const unsigned m = grid_.Candidates(c);
      if (strong && Count(m) != 2) continue;
      for (unsigned a = m; a; a &= a - 1)
        for (unsigned b = a & (a - 1); b; b &= b - 1) {
          const int na = cell_node_[c][std::countr_zero(a)], nb = cell_node_[c][std::countr_zero(b)];
          if (strong) {
            AddStrong(na, nb);
          } else if (linked_[na] && linked_[nb]) {
            weak_.Add(na, nb);
            weak_.Add(nb, na);
          }
        }
    }
  }

  void AddStrong(int a, int b) {
    strong_.Add(a, b);
    strong_.Add(b, a);
    linked_[a] = linked_[b] = 1;
  }

  bool StrongAllowed(int from, int to) const {
    if (kind_ == Kind::kXY) return nodes_[from].cells == nodes_[to].cells;
    return true;
  }
  bool WeakAllowed(int from, int to) const {
    if (kind_ == Kind::kXY) return nodes_[from].digit == nodes_[to].digit;
    return true;
  }

  // Whether "a or b" removes or places anything: Conclude without filling
  // a step, for the many chain ends that conclude nothing.
  bool Advances(int a, int b) const {
    const Node& na = nodes_[a];
    const Node& nb = nodes_[b];
    if (a == b) return na.single;
    if (na.digit == nb.digit) return !(seen_[a] & seen_[b] & grid_.DigitCells(na.digit)).Empty();
    if (!na.single || !nb.single) return false;
    const int ca = na.cells.First(), cb = nb.cells.First();
    if (ca == cb) return (grid_.Candidates(ca) & ~Bit(na.digit) & ~Bit(nb.digit)) != 0;
    return Sees(ca, cb) && (grid_.Has(ca, nb.digit) || grid_.Has(cb, na.digit));
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
  unsigned digits_;
  std::vector<Node> nodes_;
  int16_t cell_node_[kCells][9]{};
  std::vector<CellSet> seen_;  // per node: the cells seeing all of it
  Links strong_, weak_;
  std::vector<uint8_t> linked_;  // per node: has a strong link
};

}  // namespace

bool FindXChain(const Grid& grid, Step& step, unsigned digits) { return ChainGraph(grid, Kind::kX, digits).Find(step); }
bool FindXYChain(const Grid& grid, Step& step) { return ChainGraph(grid, Kind::kXY).Find(step); }
bool FindAlternatingChain(const Grid& grid, Step& step) { return ChainGraph(grid, Kind::kAic).Find(step); }

}  // namespace logic
