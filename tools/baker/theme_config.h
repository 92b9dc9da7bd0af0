// A reader for the shipped theme configuration files, enough for the
// baker's previews and checks: every element with its attributes and text,
// as a tree. The game reads these files with its own XML module.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace baker {

struct ConfigNode {
  std::string name;
  std::map<std::string, std::string> attributes;  // names upper-cased
  std::string text;
  std::vector<std::shared_ptr<ConfigNode>> children;

  // First child with that name, letter case ignored; null when none.
  const ConfigNode* Child(const std::string& name) const;
  std::string Attr(const std::string& name, const std::string& fallback = "") const;
  int IntAttr(const std::string& name, int fallback = 0) const;
};

// The root element, or null when the file cannot be read or is malformed.
std::shared_ptr<ConfigNode> ReadConfig(const std::string& path);

// %THEMEDIR% and %BASETHEME% as the game replaces them.
std::string ResolveThemePath(const std::string& value, const std::string& themeDir);

}  // namespace baker
