// The elements of a theme's "settings" section: sprites, fonts, the ambient
// effect, the colours and the stone sets.
#include <algorithm>
#include <array>
#include <map>

#include "drawing/image.h"
#include "presentation/game_skin.h"
#include "presentation/image_fonts.h"
#include "presentation/number_text.h"
#include "presentation/picture_files.h"
#include "presentation/theme_host.h"
#include "support/localization.h"
#include "support/text_util.h"
#include "support/xml_node.h"

namespace {

struct SpriteElement {
  const char* name;  // element and sprite name
  const char* defaultFile;
  bool big;
};
constexpr SpriteElement kSpriteElements[] = {
    {"STARTSCREEN", "startscreen.png", true},
    {"BACKGROUND", "bg.png", true},
    {"FIELD", "field.png", true},
    {"TIME", "time.png", false},
    {"HIGHSCORE", "highcore.png", false},
    {"MIXIT_BG", "mixit_bg.png", false},
    {"MIXIT_FRONT", "mixit_front.png", false},
    {"MIXIT_MARK", "mixit_mark.png", false},
    {"LEVEL_BG", "level_bg.png", false},
    {"LEVEL_FRONT", "level_front.png", false},
    {"LEVEL_MARK", "level_mark.png", false},
    {"RECTANGLE", "rectangle.png", false},
    {"PARTICLE1", "gfx_fx_star0.png", false},
    {"SMALLIMAGEFONT", "smallimagefont.png", false},
    {"IMAGEFONT", "imagefont.png", false},
    {"GUI_SLIDER", "gui_slider.png", false},
    {"GUI_INPUT", "gui_input.png", false},
    {"GUI_BUTTON", "gui_button.png", false},
    {"GUI_DROPDOWN", "gui_dropdown.png", false},
};

// Colour elements and the game colours they make.
constexpr std::array<std::pair<const char*, const char*>, 9> kColourElements = {{
    {"HIGHSCORE", "highscore"},
    {"STONES_PRESET", "stones_preset"},
    {"STONES_PROPOSED", "stones_proposed"},
    {"STONES_MARKED", "stones_marked"},
    {"ACTIVE_FIELD", "active_field"},
    {"TIME", "time"},
    {"HIGHLIGHT", "highlight"},
    {"CONFLICT", "conflict"},
    {"SELECTION", "selection"},
}};

std::string BasePicture(const std::string& file) { return std::string(TGameSkin::kBaseTheme) + "/" + file; }

// The base theme's picture cut into `frames` equal cells across, for a
// stone set whose element names no picture of its own.
TSpritesPtr BaseStrip(TSpritesPack& pack, const std::string& name, const std::string& file, int frames) {
  const drawing::ImagePtr whole = LoadImageChecked(BasePicture(file), 0);
  drawing::ImagePtr strip;
  int frameW = 0, frameH = 0;
  if (whole) {
    frameW = whole->width / frames;
    frameH = whole->height;
    strip = LoadAnimImageChecked(BasePicture(file), frameW, frameH, 0, frames, 0);
  }
  if (!strip) frames = 0;
  return pack.AddAnimSprite(strip, "", name, 0, 0, 0, 0, 0, frameW, frameH, frames, -1, 0, 0);
}

}  // namespace

void TGameSkin::LoadSettingsElement(const xmlNodePtr& element) {
  const std::string name = UpperAscii(element->Name);
  for (const SpriteElement& sprite : kSpriteElements) {
    if (name == sprite.name) {
      XML_LoadSprite(element, sprite.name, sprite.defaultFile, 0, 0, 0, sprite.big, true);
      return;
    }
  }
  if (name == "EFFECT1") {
    XML_LoadEffect(element, name);
  } else if (name == "COLORS") {
    XML_LoadColors(element);
  } else if (name == "STONES1" || name == "STONES2" || name == "STONES3" || name == "STONES4") {
    XML_LoadStones(element, name);
  }
}

TSpritesPtr TGameSkin::XML_LoadSprite(const xmlNodePtr& node, const std::string& spriteName,
                                      const std::string& defaultFile, int defaultFrames, int defaultFrameW,
                                      int defaultFrameH, bool big, bool reuse) {
  const std::string name = UpperAscii(spriteName);
  std::string path;
  int x = 0, y = 0, textx = 0, texty = 0, frameW = 0, frameH = 0, frames = 0;
  float dx = 0, dy = 0;
  for (const xmlAttributePtr& attribute : node->AttributeList()) {
    const std::string key = UpperAscii(attribute->Name);
    const std::string& value = attribute->Value;
    if (key == "IMAGE") path = ReplaceVariables(value);
    if (key == "X") x = ParseWholeNumber(value);
    if (key == "Y") y = ParseWholeNumber(value);
    if (key == "DX") dx = ParseDecimalNumber(value);
    if (key == "DY") dy = ParseDecimalNumber(value);
    if (key == "TEXTX") textx = ParseWholeNumber(value);
    if (key == "TEXTY") texty = ParseWholeNumber(value);
    if (key == "FRAME_W") frameW = ParseWholeNumber(value);
    if (key == "FRAME_H") frameH = ParseWholeNumber(value);
    if (key == "FRAMES") frames = ParseWholeNumber(value);
    if (key == "CHARSPACING") {
      // Font elements load their font here; the IMAGE must come first.
      if (name == "SMALLIMAGEFONT") {
        SmallImageFont = LoadVantoImageFont(path, drawing::SMOOTHFONT, ParseWholeNumber(value));
        if (!SmallImageFont) throw ThemeError("SmallImagefont nicht gefunden");
        return nullptr;
      }
      if (name == "IMAGEFONT") {
        ImageFont = LoadVantoImageFont(path, drawing::SMOOTHFONT, ParseWholeNumber(value));
        if (!ImageFont) throw ThemeError("Imagefont nicht gefunden");
        return nullptr;
      }
    }
  }

  drawing::ImagePtr image;
  if (frames != 0) {
    if (reuse) image = SpritesPack->FindDuplicate(path).plain;
    if (!image) image = LoadAnimImageChecked(path, frameW, frameH, 0, frames, 0);
    if (!image) {
      image = LoadAnimImageChecked(BasePicture(defaultFile), defaultFrameW, defaultFrameH, 0, defaultFrames, 0);
      frameW = defaultFrameW;
      frameH = defaultFrameH;
      frames = defaultFrames;
    }
    return SpritesPack->AddAnimSprite(image, path, name, float(x), float(y), dx, dy, 0, frameW, frameH, frames, -1,
                                      float(textx), float(texty));
  }
  if (reuse && !big) image = SpritesPack->FindDuplicate(path).plain;
  if (!image) image = LoadImageChecked(path, 0);
  if (!image) image = LoadImageChecked(BasePicture(defaultFile), drawing::DEFAULT_IMAGE_FLAGS);
  if (big) {
    return SpritesPack->AddBigSprite(image, path, name, float(x), float(y), dx, dy, 0, 0, 0, 1, -1, float(textx),
                                     float(texty));
  }
  return SpritesPack->AddSprite(image, path, name, float(x), float(y), dx, dy, 0, 0, -1, float(textx), float(texty));
}

void TGameSkin::XML_LoadEffect(const xmlNodePtr& node, const std::string& name) {
  std::string path, type;
  int amount = 0, time = 0, lifetime = 0;
  for (const xmlAttributePtr& attribute : node->AttributeList()) {
    const std::string key = UpperAscii(attribute->Name);
    if (key == "IMAGE") path = ReplaceVariables(attribute->Value);
    if (key == "TYPE") type = attribute->Value;
    if (key == "AMOUNT") amount = ParseWholeNumber(attribute->Value);
    if (key == "TIME") time = ParseWholeNumber(attribute->Value);
    if (key == "PARTICLELIFETIME") lifetime = ParseWholeNumber(attribute->Value);
  }
  if (UpperAscii(name) != "EFFECT1") return;
  effect1_enabled = 1;
  effect1_image = LoadImageChecked(path, drawing::DEFAULT_IMAGE_FLAGS);
  effect1_type = type;
  effect1_amount = amount;
  effect1_time = std::clamp(time, 0, kMaxEffectTime);
  effect1_particlelifetime = lifetime;
}

void TGameSkin::XML_LoadColorAttributes(const xmlNodePtr& node, int& r, int& g, int& b) {
  for (const xmlAttributePtr& attribute : node->AttributeList()) {
    const std::string key = UpperAscii(attribute->Name);
    if (key == "R") r = ParseWholeNumber(attribute->Value);
    if (key == "G") g = ParseWholeNumber(attribute->Value);
    if (key == "B") b = ParseWholeNumber(attribute->Value);
  }
}

void TGameSkin::XML_LoadColors(const xmlNodePtr& node) {
  TGameColor::All().clear();
  // One set of components for the whole element: a child that leaves one
  // out keeps the value of the colour before it.
  int r = 0, g = 0, b = 0;
  for (const xmlNodePtr& child : node->ChildList()) {
    const std::string name = UpperAscii(child->Name);
    for (const auto& [element, colour] : kColourElements) {
      if (name != element) continue;
      XML_LoadColorAttributes(child, r, g, b);
      TGameColor::Create(colour, r, g, b);
    }
  }
}

void TGameSkin::XML_LoadStones(const xmlNodePtr& node, const std::string& setName) {
  const std::string language = UpperAscii(Localization::Language());
  std::string described, english;
  std::map<std::string, std::string> descriptions;
  int displaceX = 0, displaceY = 0;
  TSpritesPtr faces, background;
  for (const xmlNodePtr& child : node->ChildList()) {
    const std::string name = UpperAscii(child->Name);
    if (name == "STONESBG") background = XML_LoadSprite(child, "STONESBG", "stonesbg.png", 0, 0, 0, false, false);
    if (name == "STONES") faces = XML_LoadSprite(child, "STONES", "stones_numbers.png", 0, 0, 0, false, false);
    if (name == "DESCRIPTION") {
      for (const xmlAttributePtr& attribute : child->AttributeList()) {
        const std::string key = UpperAscii(attribute->Name);
        descriptions[key] = attribute->Value;
        if (key == language) described = attribute->Value;
        if (key == "ENGLISH") english = attribute->Value;
      }
    }
    if (name == "DISPLACE") {
      for (const xmlAttributePtr& attribute : child->AttributeList()) {
        const std::string key = UpperAscii(attribute->Name);
        if (key == "X") displaceX = ParseWholeNumber(attribute->Value);
        if (key == "Y") displaceY = ParseWholeNumber(attribute->Value);
      }
    }
  }
  // A set without usable pictures gets the base theme's: nine faces and the
  // two-frame background, so the board always has stones to draw.
  if (!faces || faces->image.empty()) {
    SpritesPack->Remove(faces);
    faces = BaseStrip(*SpritesPack, "STONES", "stones_numbers.png", 9);
  }
  if (!background || background->image.empty()) {
    SpritesPack->Remove(background);
    background = BaseStrip(*SpritesPack, "STONESBG", "stonesbg.png", 2);
  }
  if (described.empty()) described = english;
  SpritesPack->Remove(faces);
  SpritesPack->Remove(background);

  const std::string upper = UpperAscii(setName);
  const int slot = upper.size() == 7 ? upper.back() - '1' : -1;
  if (upper.rfind("STONES", 0) != 0 || slot < 0 || slot >= int(StoneSkin.size())) return;
  StoneSkin[size_t(slot)] = TStoneSkin::Create(faces, background, faces->frames, described, displaceX, displaceY);
  StoneSkin[size_t(slot)]->Descriptions = std::move(descriptions);
  if (ThemeHost* host = CurrentThemeHost()) host->SetStoneSetCaption(slot + 1, described);
}
