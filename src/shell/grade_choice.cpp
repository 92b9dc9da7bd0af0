#include "shell/grade_choice.h"

#include "engine/graded_puzzle.h"

std::optional<logic::Grade> ChosenGrade(int listPosition) {
  if (listPosition < 1 || listPosition > int(kChoosableGrades.size())) return std::nullopt;
  return kChoosableGrades[size_t(listPosition - 1)];
}

std::vector<std::string> GradeChoiceTexts(const logic::TextTable& texts) {
  const std::string label = texts("GRADE") + ": ";
  std::vector<std::string> entries{label + texts("GRADE_ANY")};
  for (const logic::Grade grade : kChoosableGrades) entries.push_back(label + logic::GradeText(grade, texts));
  return entries;
}

int ScoreLevelOf(int level, std::optional<logic::Grade> graded) {
  return graded ? logic::GradeScoreLevel(*graded) : level;
}
