// One stone set of a theme: the pictures of the digits on the board.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "presentation/sprites.h"

class TStoneSkin {
 public:
  std::string Description;  // in the language in force when it was loaded or last renamed
  // Every description the theme gives, by upper-cased language name, so a
  // language change can rename the set without reloading the theme.
  std::map<std::string, std::string> Descriptions;
  TSpritesPtr Image;    // faces: frame n - 1 shows the digit n
  TSpritesPtr BGImage;  // frame 0 under the face, frame 1 over it
  int MaxColors = 0;    // number of faces
  int displaceX = 0, displaceY = 0;

  static std::shared_ptr<TStoneSkin> Create(const TSpritesPtr& image, const TSpritesPtr& bgImage, int maxColors,
                                            const std::string& description, int displaceX, int displaceY) {
    auto set = std::make_shared<TStoneSkin>();
    set->Image = image;
    set->BGImage = bgImage;
    set->MaxColors = maxColors;
    set->Description = description;
    set->displaceX = displaceX;
    set->displaceY = displaceY;
    return set;
  }

  // The description in `language`, else the English one, else the one it has.
  std::string DescriptionIn(const std::string& language) const;
};
using TStoneSkinPtr = std::shared_ptr<TStoneSkin>;
