#include "shell/game_code.h"

std::optional<GameCode> ReadGameCode(const std::string& text) {
  if (const std::optional<logic::GradedCode> graded = logic::ReadGradedCode(text)) return *graded;
  if (const std::optional<LevelCodeParts> parts = ReadLevelCode(text)) return *parts;
  return std::nullopt;
}

std::string FormGameCode(int level, int stoneSet, int seed, const std::optional<logic::GradedCode>& graded) {
  return graded ? logic::FormGradedCode(*graded) : FormLevelCode(level, stoneSet, seed);
}
