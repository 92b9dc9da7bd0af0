#include "presentation/game_color.h"

#include "drawing/graphics.h"
#include "support/text_util.h"

std::vector<TGameColorPtr>& TGameColor::All() {
  static std::vector<TGameColorPtr> all;
  return all;
}

TGameColorPtr TGameColor::Create(const std::string& name, int r, int g, int b) {
  auto colour = std::make_shared<TGameColor>();
  colour->name = name;
  colour->r = r;
  colour->g = g;
  colour->b = b;
  All().push_back(colour);
  return colour;
}

namespace {

TGameColorPtr FindColour(const std::string& name) {
  const std::string wanted = UpperAscii(name);
  for (const TGameColorPtr& colour : TGameColor::All()) {
    if (UpperAscii(colour->name) == wanted) return colour;
  }
  return nullptr;
}

}  // namespace

TGameColorPtr TGameColor::Find(const std::string& name) { return FindColour(name); }

TGameColorPtr TGameColor::GetGameColor(const std::string& name) {
  if (TGameColorPtr colour = FindColour(name)) return colour;
  return All().empty() ? nullptr : All().back();
}

void TGameColor::SetGameColor(const std::string& name) {
  if (TGameColorPtr colour = FindColour(name)) drawing::SetColor(colour->r, colour->g, colour->b);
}
