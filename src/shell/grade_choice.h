// The game menu's grade choice. "Any" leaves the puzzle to the difficulty
// slider's levels, as it always was; a grade asks for a puzzle built to it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/logic_explain.h"
#include "engine/logic_step.h"

// The grades a game can be asked for, in the list's order after "any". Easy
// is the levels' own ground, so it is no choice of its own.
inline constexpr std::array<logic::Grade, 4> kChoosableGrades{logic::Grade::kMedium, logic::Grade::kHard,
                                                              logic::Grade::kExpert, logic::Grade::kExtreme};

// The grade at a position of the list (0 "any"; -1, nothing picked yet, is
// "any" too); nothing for "any" or a position past the list.
std::optional<logic::Grade> ChosenGrade(int listPosition);

// The list's entries top down, in the player's language.
std::vector<std::string> GradeChoiceTexts(const logic::TextTable& texts);

// The level the score formula takes: the game's level, or for a graded game
// its grade's.
int ScoreLevelOf(int level, std::optional<logic::Grade> graded);
