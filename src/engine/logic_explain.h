// Words for a step of the human-style solver: a sentence or two in the
// player's language, and the one-line form for programs.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "engine/logic_step.h"

namespace logic {

// How a digit appears in the text: the play screen draws the stone the
// player sees for it, the command line writes "[6]".
using DigitWriter = std::function<std::string(int digit)>;
// The language table: the text for a key of the "coach" group; an empty
// answer falls back to the built-in English.
using TextTable = std::function<std::string(std::string_view key)>;

// The English text of a key ("" for an unknown key).
std::string_view EnglishText(std::string_view key);

// Names the technique and says what follows and why.
std::string ExplainStep(const Step& step, const DigitWriter& digit, const TextTable& texts);
// The technique's name in the table's language.
std::string TechniqueName(Technique technique, const TextTable& texts);
// The grade's name in the table's language.
std::string GradeText(Grade grade, const TextTable& texts);
// "hidden_single_line r4c7=6 r4c2-6": key, placements, eliminations.
std::string StepLine(const Step& step);

}  // namespace logic
