#include "theme_config.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace baker {

namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t\r\n"), b = s.find_last_not_of(" \t\r\n");
  return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

void ReplaceAll(std::string& s, const std::string& from, const std::string& to) {
  for (size_t pos = 0; (pos = s.find(from, pos)) != std::string::npos; pos += to.size()) s.replace(pos, from.size(), to);
}

// Parses one tag body (between "<" and ">") into a node; false when malformed.
bool ParseTag(const std::string& body, ConfigNode* node) {
  size_t i = 0;
  while (i < body.size() && !std::isspace(static_cast<unsigned char>(body[i]))) ++i;
  node->name = body.substr(0, i);
  while (true) {
    while (i < body.size() && std::isspace(static_cast<unsigned char>(body[i]))) ++i;
    if (i >= body.size()) return !node->name.empty();
    size_t eq = body.find('=', i);
    if (eq == std::string::npos || eq + 1 >= body.size() || body[eq + 1] != '"') return false;
    size_t close = body.find('"', eq + 2);
    if (close == std::string::npos) return false;
    node->attributes[Upper(Trim(body.substr(i, eq - i)))] = body.substr(eq + 2, close - eq - 2);
    i = close + 1;
  }
}

}  // namespace

const ConfigNode* ConfigNode::Child(const std::string& wanted) const {
  for (const auto& c : children)
    if (Upper(c->name) == Upper(wanted)) return c.get();
  return nullptr;
}

std::string ConfigNode::Attr(const std::string& key, const std::string& fallback) const {
  auto it = attributes.find(Upper(key));
  return it == attributes.end() ? fallback : it->second;
}

int ConfigNode::IntAttr(const std::string& key, int fallback) const {
  std::string v = Attr(key);
  return v.empty() ? fallback : std::atoi(v.c_str());
}

std::shared_ptr<ConfigNode> ReadConfig(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return nullptr;
  std::stringstream ss;
  ss << in.rdbuf();
  const std::string xml = ss.str();
  std::shared_ptr<ConfigNode> root;
  std::vector<ConfigNode*> open;
  size_t pos = 0;
  while (true) {
    size_t lt = xml.find('<', pos);
    std::string text = Trim(xml.substr(pos, lt == std::string::npos ? std::string::npos : lt - pos));
    if (!text.empty()) {
      if (open.empty()) return nullptr;
      open.back()->text += text;
    }
    if (lt == std::string::npos) break;
    size_t gt = xml.find('>', lt);
    if (gt == std::string::npos) return nullptr;
    std::string body = xml.substr(lt + 1, gt - lt - 1);
    pos = gt + 1;
    if (body.empty() || body[0] == '?') continue;
    if (body[0] == '/') {
      if (open.empty() || open.back()->name != Trim(body.substr(1))) return nullptr;
      open.pop_back();
      continue;
    }
    bool selfClosing = body.back() == '/';
    if (selfClosing) body.pop_back();
    auto node = std::make_shared<ConfigNode>();
    if (!ParseTag(Trim(body), node.get())) return nullptr;
    if (open.empty()) {
      if (root) return nullptr;  // a second root
      root = node;
    } else {
      open.back()->children.push_back(node);
    }
    if (!selfClosing) open.push_back(node.get());
  }
  return open.empty() ? root : nullptr;
}

std::string ResolveThemePath(const std::string& value, const std::string& themeDir) {
  std::string s = value;
  ReplaceAll(s, "%THEMEDIR%", themeDir);
  ReplaceAll(s, "%BASETHEME%", "themes/base");
  return s;
}

}  // namespace baker
