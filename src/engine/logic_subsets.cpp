// Naked and hidden pairs, triples and quads.
#include "engine/logic_techniques.h"

namespace logic {

namespace {

constexpr Technique kNaked[5] = {Technique::kNakedSingle, Technique::kNakedSingle, Technique::kNakedPair,
                                 Technique::kNakedTriple, Technique::kNakedQuad};
constexpr Technique kHidden[5] = {Technique::kHiddenSingleLine, Technique::kHiddenSingleLine,
                                  Technique::kHiddenPair, Technique::kHiddenTriple, Technique::kHiddenQuad};

// Chooses `size` of the items (each a 9-bit set) whose union has `size`
// members; `chosen` collects their indices as bits.
template <typename Accept>
bool Choose(const uint16_t* items, int count, int start, int size, int limit, unsigned chosen, unsigned joined,
            Accept&& accept) {
  if (size == 0) return accept(chosen, joined);
  for (int i = start; i <= count - size; ++i) {
    const unsigned next = joined | items[i];
    if (Count(next) > limit) continue;
    if (Choose(items, count, i + 1, size - 1, limit, chosen | (1u << i), next, accept)) return true;
  }
  return false;
}

}  // namespace

bool FindNakedSubset(const Grid& grid, int size, Step& step) {
  for (int unit = 0; unit < kUnits; ++unit) {
    uint16_t masks[9];
    uint8_t cells[9];
    int count = 0;
    for (uint8_t c : kGeo.unit_cells[unit])
      if (!grid.Value(c) && Count(grid.Candidates(c)) <= size) {
        masks[count] = grid.Candidates(c);
        cells[count++] = c;
      }
    const auto accept = [&](unsigned chosen, unsigned digits) {
      if (Count(digits) != size) return false;
      CellSet subset;
      for (int i = 0; i < count; ++i)
        if (chosen & (1u << i)) subset.Add(cells[i]);
      const CellSet others = kGeo.unit_set[unit] - subset;
      for (unsigned d = digits; d; d &= d - 1) AddEliminations(grid, others, std::countr_zero(d) + 1, step);
      if (step.eliminations.empty()) return false;
      step.technique = kNaked[size];
      AddCells(subset, step);
      step.units.push_back(static_cast<uint8_t>(unit));
      subset.ForEach([&](int c) {
        for (unsigned d = grid.Candidates(c); d; d &= d - 1)
          step.candidates.push_back({static_cast<uint8_t>(c), static_cast<uint8_t>(std::countr_zero(d) + 1)});
      });
      return true;
    };
    if (count > size && Choose(masks, count, 0, size, size, 0, 0, accept)) return true;
  }
  return false;
}

bool FindHiddenSubset(const Grid& grid, int size, Step& step) {
  for (int unit = 0; unit < kUnits; ++unit) {
    // Per digit, the unit's positions holding it (as 9 bits).
    uint16_t places[9];
    uint8_t digits[9];
    int count = 0;
    int empty = 0;
    uint16_t where[9]{};
    for (int i = 0; i < 9; ++i) {
      const uint8_t c = kGeo.unit_cells[unit][i];
      empty += grid.Value(c) == 0;
      for (unsigned d = grid.Candidates(c); d; d &= d - 1) where[std::countr_zero(d)] |= static_cast<uint16_t>(1u << i);
    }
    if (empty <= size) continue;
    for (int d = 1; d <= 9; ++d) {
      if (where[d - 1] && Count(where[d - 1]) <= size) {
        places[count] = where[d - 1];
        digits[count++] = static_cast<uint8_t>(d);
      }
    }
    const auto accept = [&](unsigned chosen, unsigned positions) {
      if (Count(positions) != size) return false;
      unsigned keep = 0;
      for (int i = 0; i < count; ++i)
        if (chosen & (1u << i)) keep |= Bit(digits[i]);
      CellSet subset;
      for (unsigned p = positions; p; p &= p - 1) subset.Add(kGeo.unit_cells[unit][std::countr_zero(p)]);
      subset.ForEach([&](int c) {
        for (unsigned d = grid.Candidates(c) & ~keep; d; d &= d - 1)
          step.eliminations.push_back({static_cast<uint8_t>(c), static_cast<uint8_t>(std::countr_zero(d) + 1)});
      });
      if (step.eliminations.empty()) return false;
      step.technique = kHidden[size];
      AddCells(subset, step);
      step.units.push_back(static_cast<uint8_t>(unit));
      subset.ForEach([&](int c) {
        for (unsigned d = grid.Candidates(c) & keep; d; d &= d - 1)
          step.candidates.push_back({static_cast<uint8_t>(c), static_cast<uint8_t>(std::countr_zero(d) + 1)});
      });
      return true;
    };
    if (Choose(places, count, 0, size, size, 0, 0, accept)) return true;
  }
  return false;
}

}  // namespace logic
