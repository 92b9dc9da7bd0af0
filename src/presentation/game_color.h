// Named colours of the current theme (digits, timer, highscore), kept in one
// global list shared by all themes.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TGameColor {
 public:
  int r = 0, g = 0, b = 0;
  std::string name;

  static std::vector<std::shared_ptr<TGameColor>>& All();
  // Appends a new colour to the global list.
  static std::shared_ptr<TGameColor> Create(const std::string& name, int r, int g, int b);
  // Case-insensitive; an unknown name gives the last colour (none for an empty list).
  static std::shared_ptr<TGameColor> GetGameColor(const std::string& name);
  // Case-insensitive; none for an unknown name.
  static std::shared_ptr<TGameColor> Find(const std::string& name);
  // Makes the named colour the drawing colour; an unknown name changes nothing.
  static void SetGameColor(const std::string& name);
};
using TGameColorPtr = std::shared_ptr<TGameColor>;
