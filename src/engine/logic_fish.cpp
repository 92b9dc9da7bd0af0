// X-Wing, Swordfish and Jellyfish, plain, finned and sashimi.
#include "engine/logic_techniques.h"

namespace logic {

namespace {

constexpr Technique kBasic[5] = {Technique::kXWing, Technique::kXWing, Technique::kXWing, Technique::kSwordfish,
                                 Technique::kJellyfish};
constexpr Technique kFinned[5] = {Technique::kFinnedXWing, Technique::kFinnedXWing, Technique::kFinnedXWing,
                                  Technique::kFinnedSwordfish, Technique::kFinnedJellyfish};
constexpr Technique kSashimi[5] = {Technique::kSashimiXWing, Technique::kSashimiXWing, Technique::kSashimiXWing,
                                   Technique::kSashimiSwordfish, Technique::kSashimiJellyfish};

// The cell on line `line` at position `pos` (rows when !columns).
int At(bool columns, int line, int pos) { return columns ? pos * 9 + line : line * 9 + pos; }
int LineUnit(bool columns, int line) { return columns ? 9 + line : line; }

struct FishSearch {
  const Grid& grid;
  int size;
  bool finned;
  Step& step;
  unsigned digits;
  int digit = 0;
  bool columns = false;
  uint16_t places[9]{};  // per base line: positions holding the digit

  bool Run() {
    for (digit = 1; digit <= 9; ++digit) {
      if (!(digits & Bit(digit))) continue;
      for (int orientation = 0; orientation < 2; ++orientation) {
        columns = orientation == 1;
        for (int line = 0; line < 9; ++line) {
          places[line] = 0;
          for (int pos = 0; pos < 9; ++pos)
            if (grid.Has(At(columns, line, pos), digit)) places[line] |= static_cast<uint16_t>(1u << pos);
        }
        if (Bases(0, size, 0, 0)) return true;
      }
    }
    return false;
  }

  bool Bases(int start, int left, unsigned chosen, unsigned joined) {
    if (left == 0) return finned ? Covers(chosen, joined) : Basic(chosen, joined);
    for (int line = start; line < 9; ++line) {
      const int n = Count(places[line]);
      if (n == 0 || (!finned && (n < 2 || n > size))) continue;
      const unsigned next = joined | places[line];
      if (Count(next) > (finned ? size + 3 : size)) continue;
      // Lines only add positions, so once every stack leaves too many
      // positions outside it, no fin can complete this fish.
      if (finned && !FinsFit(next)) continue;
      if (Bases(line + 1, left - 1, chosen | (1u << line), next)) return true;
    }
    return false;
  }

  bool FinsFit(unsigned joined) const {
    for (unsigned stack = 7; stack < 512; stack <<= 3)
      if (Count(joined & ~stack) <= size) return true;
    return false;
  }

  bool Basic(unsigned bases, unsigned cover) {
    if (Count(cover) != size) return false;
    return Report(bases, cover, CellSet{}, kBasic[size]);
  }

  bool Covers(unsigned bases, unsigned joined) {
    if (Count(joined) <= size) return false;  // no fin: a plain fish
    // Fins share a box, so the positions outside the cover lie in one
    // stack of three: the cover is every other joined position plus some
    // of that stack's.
    for (unsigned pick = 0; pick < 24; ++pick) {
      const unsigned stack = 7u << (3 * (pick / 8));
      if (Count(joined & ~stack) > size) {  // no pick of this stack fits
        pick |= 7;
        continue;
      }
      const unsigned sub = ((pick % 8) << (3 * (pick / 8))) & stack;
      if ((sub & joined) != sub) continue;
      const unsigned cover = (joined & ~stack) | sub;
      if (Count(cover) != size) continue;
      bool sashimi = false;
      bool empty_base = false;
      unsigned fin_lines = 0;
      for (unsigned b = bases; b; b &= b - 1) {
        const int line = std::countr_zero(b);
        const int inside = Count(places[line] & cover);
        empty_base = empty_base || inside == 0;
        sashimi = sashimi || inside == 1;
        if (places[line] & ~cover) fin_lines |= 1u << line;
      }
      if (empty_base) continue;
      // The fins lie in the stack; in one box when their lines share a band.
      const unsigned band = 7u << (3 * (std::countr_zero(fin_lines) / 3));
      if (fin_lines & ~band) continue;
      CellSet fins;
      for (unsigned b = fin_lines; b; b &= b - 1) {
        const int line = std::countr_zero(b);
        for (unsigned f = places[line] & ~cover; f; f &= f - 1) fins.Add(At(columns, line, std::countr_zero(f)));
      }
      if (Report(bases, cover, fins, sashimi ? kSashimi[size] : kFinned[size])) return true;
    }
    return false;
  }

  bool Report(unsigned bases, unsigned cover, CellSet fins, Technique technique) {
    CellSet base_cells, cover_cells;
    for (int line = 0; line < 9; ++line)
      if (bases & (1u << line)) base_cells |= kGeo.unit_set[LineUnit(columns, line)];
    for (unsigned c = cover; c; c &= c - 1) cover_cells |= kGeo.unit_set[LineUnit(!columns, std::countr_zero(c))];
    CellSet targets = (cover_cells - base_cells) & grid.DigitCells(digit);
    if (!fins.Empty()) targets &= kGeo.unit_set[18 + BoxOfCell(fins.First())];
    if (targets.Empty()) return false;
    step.technique = technique;
    AddEliminations(grid, targets, digit, step);
    const CellSet fish = base_cells & grid.DigitCells(digit);
    AddCells(fish, step);
    AddCandidates(grid, fish, digit, step);
    for (int line = 0; line < 9; ++line)
      if (bases & (1u << line)) step.units.push_back(static_cast<uint8_t>(LineUnit(columns, line)));
    for (unsigned c = cover; c; c &= c - 1)
      step.units.push_back(static_cast<uint8_t>(LineUnit(!columns, std::countr_zero(c))));
    return true;
  }
};

}  // namespace

bool FindBasicFish(const Grid& grid, int size, Step& step, unsigned digits) {
  return FishSearch{grid, size, false, step, digits}.Run();
}
bool FindFinnedFish(const Grid& grid, int size, Step& step, unsigned digits) {
  return FishSearch{grid, size, true, step, digits}.Run();
}

}  // namespace logic
