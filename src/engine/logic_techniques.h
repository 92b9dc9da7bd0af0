// The finders of the human-style solver, one family per file. Each looks
// for the first instance of its technique that advances the board and, if
// it finds one, fills the step and returns true.
#pragma once

#include "engine/logic_grid.h"
#include "engine/logic_step.h"

namespace logic {

// logic_singles.cpp
bool FindFullHouse(const Grid& grid, Step& step);
bool FindNakedSingle(const Grid& grid, Step& step);
bool FindHiddenSingle(const Grid& grid, bool boxes, Step& step);
// logic_intersections.cpp
bool FindPointing(const Grid& grid, Step& step);
bool FindClaiming(const Grid& grid, Step& step);
// logic_subsets.cpp: size 2 to 4
bool FindNakedSubset(const Grid& grid, int size, Step& step);
bool FindHiddenSubset(const Grid& grid, int size, Step& step);
// Techniques on one digit at a time search only the digits of `digits`
// (bit d - 1 for digit d): the solver leaves out digits whose places have
// not changed since the technique last found nothing on them.
// logic_fish.cpp: size 2 (X-Wing) to 4 (Jellyfish); finned also finds sashimi
bool FindBasicFish(const Grid& grid, int size, Step& step, unsigned digits = kAll);
bool FindFinnedFish(const Grid& grid, int size, Step& step, unsigned digits = kAll);
// logic_single_digit.cpp
bool FindSkyscraper(const Grid& grid, Step& step, unsigned digits = kAll);
bool FindTwoStringKite(const Grid& grid, Step& step, unsigned digits = kAll);
bool FindEmptyRectangle(const Grid& grid, Step& step, unsigned digits = kAll);
// logic_wings.cpp
bool FindXYWing(const Grid& grid, Step& step);
bool FindXYZWing(const Grid& grid, Step& step);
bool FindWWing(const Grid& grid, Step& step);
// logic_colouring.cpp
bool FindSimpleColouring(const Grid& grid, Step& step);
// logic_uniqueness.cpp: type 1 to 4
bool FindUniqueRectangle(const Grid& grid, int type, Step& step);
bool FindBugPlusOne(const Grid& grid, Step& step);
// logic_chains.cpp
bool FindXChain(const Grid& grid, Step& step, unsigned digits = kAll);
bool FindXYChain(const Grid& grid, Step& step);
bool FindAlternatingChain(const Grid& grid, Step& step);
// logic_als.cpp
bool FindAlsXz(const Grid& grid, Step& step);

// Shared by the finders: every candidate of the digit in the cells, in
// cell order; and the cells of a set as a list.
void AddEliminations(const Grid& grid, CellSet cells, int digit, Step& step);
void AddCells(CellSet cells, Step& step);
void AddCandidates(const Grid& grid, CellSet cells, int digit, Step& step);

}  // namespace logic
