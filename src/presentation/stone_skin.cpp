#include "presentation/stone_skin.h"

#include "support/text_util.h"

std::string TStoneSkin::DescriptionIn(const std::string& language) const {
  const auto own = Descriptions.find(UpperAscii(language));
  if (own != Descriptions.end() && !own->second.empty()) return own->second;
  const auto english = Descriptions.find("ENGLISH");
  if (english != Descriptions.end() && !english->second.empty()) return english->second;
  return Description;
}
