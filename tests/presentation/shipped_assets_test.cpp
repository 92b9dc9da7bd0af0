// The themes, bitmap fonts and language files the build puts into the game
// folder, loaded through the game's own loaders: no picture may come from a
// fallback by accident and no text may be missing.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "drawing/files.h"
#include "drawing/image.h"
#include "presentation/game_skin.h"
#include "presentation/image_fonts.h"
#include "presentation/stone_skin.h"
#include "presentation_test_support.h"
#include "support/localization.h"

using presentation_test::MessageCapture;
using presentation_test::SoftwareGraphicsTest;

namespace {

// The game folder: GRIDLET_GAME_DIR when set, else "game" beside the tests folder.
std::filesystem::path GameFolder() {
  if (const char* dir = std::getenv("GRIDLET_GAME_DIR")) return dir;
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "game";
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

struct SpriteElement {
  const char* name;
  const char* file;
  int frames;  // 0 for still pictures
};
const SpriteElement kSprites[] = {
    {"STARTSCREEN", "startscreen.png", 0}, {"BACKGROUND", "bg.png", 0},         {"FIELD", "field.png", 0},
    {"TIME", "time.png", 0},               {"HIGHSCORE", "highcore.png", 0},    {"MIXIT_BG", "mixit_bg.png", 0},
    {"MIXIT_FRONT", "mixit_front.png", 0}, {"MIXIT_MARK", "mixit_mark.png", 0}, {"LEVEL_BG", "level_bg.png", 0},
    {"LEVEL_FRONT", "level_front.png", 0}, {"LEVEL_MARK", "level_mark.png", 0}, {"RECTANGLE", "rectangle.png", 0},
    {"PARTICLE1", "gfx_fx_star0.png", 0},  {"GUI_SLIDER", "gui_slider.png", 8}, {"GUI_INPUT", "gui_input.png", 6},
    {"GUI_BUTTON", "gui_button.png", 18},  {"GUI_DROPDOWN", "gui_dropdown.png", 24}};

// Keys the game asks for directly, and the widget captions ("_KEY").
const char* const kKeys[] = {
    "AUTHOR", "CREATING_GRIDLET", "DATE", "DIFFICULTY", "DIFFICULTY_AVERAGE", "DIFFICULTY_EASY", "DIFFICULTY_HARD",
    "FILE_LANGUAGE", "FULLSCREEN", "GAMESETTINGS", "HIGHSCORE", "LANGUAGE", "LEVEL", "LEVELCODE", "MIXIT",
    "MIXIT_MINUTE", "MIXIT_MINUTES", "MIXIT_NEVER", "MIXIT_PHRASE_A", "MIXIT_PHRASE_B", "MIXIT_PHRASE_C", "MODE", "NO",
    "NONE", "OPTION_DISPLAY", "OPTION_LOOK", "PLAYERNAME", "PREVIEW", "REFRESHRATE_LONG", "REPEATGAME", "RESOLUTION",
    "SCORE", "SETTINGS", "SKIN", "SKINTHEME", "STONES", "THEGRIDLETWASSOLVEDFORYOU", "TIME", "TITLE", "TRIES", "URL",
    "VERSION", "YES", "YOUSOLVEDTHEGRIDLET", "LEVELCODE_INVALID", "LEVELCODE_IMPOSSIBLE",
    // captions
    "STARTGAME", "HOWTOPLAYGRIDLET", "QUITGAME", "CANCEL", "APPLY", "CLOSE", "NEWGAME", "PROPOSETURN",
    "SHOWWRONGTURNS", "SOLVEGAME", "CLEARBOARD", "SELECTNOTHING", "REFRESHRATE"};

class ShippedAssetsTest : public SoftwareGraphicsTest {
 protected:
  void SetUp() override {
    SoftwareGraphicsTest::SetUp();
    previous_ = std::filesystem::current_path();
    ASSERT_EQ(drawing::FileType((GameFolder() / "themes/base/config.xml").string()), drawing::FILETYPE_FILE)
        << "no baked game folder at " << GameFolder();
    std::filesystem::current_path(GameFolder());
    RegisterPrismFontLoader();
    // Languages found the way the game finds them at start-up.
    Localization::Dispose();
    for (const std::string& name : drawing::ReadDir("lang")) {
      if (name.size() < 6 || name.substr(name.size() - 5) != ".lang") continue;
      std::string stem = name.substr(0, name.size() - 5);
      Localization::AddLanguages(stem);
      Localization::SetLanguage(stem);
      Localization::LoadResource("lang/" + name);
      languages_.push_back(stem);
    }
    TGameColor::All().clear();
  }
  void TearDown() override {
    CurrentSkin.reset();
    Localization::Dispose();
    std::filesystem::current_path(previous_);
    SoftwareGraphicsTest::TearDown();
  }

  // Loads a theme completely, in the given language, the way the game does.
  TGameSkinPtr LoadTheme(const std::string& dir, const std::string& language) {
    Localization::SetLanguage(language);
    TGameSkinPtr theme = TGameSkin::Create(dir);
    theme->LoadConfig(0);
    return theme;
  }

  // Every character the language files use.
  std::set<int> UsedCharacters() {
    std::set<int> used;
    for (const std::string& language : languages_)
      for (unsigned char ch : ReadFile("lang/" + language + ".lang"))
        if (ch >= 32) used.insert(ch);
    return used;
  }

  std::vector<std::string> languages_;
  std::filesystem::path previous_;
};

TEST_F(ShippedAssetsTest, BothLanguagesDefineEveryKeyAndCaption) {
  ASSERT_EQ(std::set<std::string>(languages_.begin(), languages_.end()), (std::set<std::string>{"english", "german"}));
  for (const std::string& language : languages_) {
    ASSERT_EQ(Localization::SetLanguage(language), 1);
    // A missing key answers with the key itself.
    for (const char* key : kKeys) {
      std::string text = Localization::GetString(key);
      EXPECT_FALSE(text.empty()) << language << " " << key;
      EXPECT_NE(text, key) << language << " lacks " << key;
    }
    for (int level = 1; level <= 9; ++level) {
      for (const char* half : {"_A", "_B"}) {
        std::string key = "DIFFICULTY_LEVEL" + std::to_string(level) + half;
        EXPECT_NE(Localization::GetString(key), key) << language;
      }
      EXPECT_NE(Localization::GetString("DIFFICULTY_LEVEL" + std::to_string(level) + "_B").find("%1"), std::string::npos);
    }
    EXPECT_NE(Localization::GetString("MIXIT_MINUTES").find("%1"), std::string::npos) << language;
  }
  Localization::SetLanguage("german");
  EXPECT_EQ(Localization::GetString("FILE_LANGUAGE"), "Deutsch");
  EXPECT_EQ(Localization::GetString("CLOSE"), "Schlie\xDF" "en");  // one byte per character
  Localization::SetLanguage("english");
  EXPECT_EQ(Localization::GetString("FILE_LANGUAGE"), "English");
}

TEST_F(ShippedAssetsTest, BaseThemeLoadsEverySpriteFromItsOwnPicture) {
  MessageCapture messages;
  TGameSkinPtr base = LoadTheme("themes/base", "english");
  for (const SpriteElement& e : kSprites) {
    TSpritesPtr sprite = base->SpritesPack->GetSprite(e.name);
    ASSERT_TRUE(sprite) << e.name;
    ASSERT_EQ(sprite->spritename, e.name) << "no sprite of that name";
    EXPECT_EQ(sprite->spritepath, std::string("themes/base/") + e.file);
    EXPECT_FALSE(sprite->image.empty()) << e.name;
    if (e.frames) {
      ASSERT_TRUE(sprite->image.plain) << e.name;
      EXPECT_EQ(int(sprite->image.plain->frames.size()), e.frames) << e.name;
    }
  }
  for (const std::string& line : messages.log) EXPECT_EQ(line.find("Error"), std::string::npos) << line;
  EXPECT_TRUE(messages.notes.empty());
  EXPECT_TRUE(base->ImageFont && base->SmallImageFont);
  EXPECT_EQ(base->effect1_enabled, 1);
  EXPECT_EQ(base->effect1_type, "STARS");
  EXPECT_TRUE(base->effect1_image);
  EXPECT_EQ(TGameColor::All().size(), 9u);
  for (const char* mark : {"HIGHLIGHT", "CONFLICT", "SELECTION"}) EXPECT_TRUE(TGameColor::Find(mark)) << mark;
  EXPECT_NE(base->title, "Default Skin");
}

TEST_F(ShippedAssetsTest, EveryStoneSetHasNineFacesAndTwoBackgroundFrames) {
  for (const char* dir : {"themes/base", "themes/winter"}) {
    for (const std::string& language : languages_) {
      TGameSkinPtr theme = LoadTheme(dir, language);
      const char* names[4] = {"Zahlen", "Personen", "Objekte", "X-Mas"};
      const char* english[4] = {"Numbers", "Persons", "Objects", "X-Mas"};
      for (int n = 0; n < 4; ++n) {
        TStoneSkinPtr set = theme->StoneSkin[size_t(n)];
        ASSERT_TRUE(set) << dir << " STONES" << n + 1;
        EXPECT_EQ(set->MaxColors, 9) << dir;
        ASSERT_TRUE(set->Image && set->Image->image.plain) << dir << " " << n + 1;
        ASSERT_TRUE(set->BGImage && set->BGImage->image.plain) << dir << " " << n + 1;
        EXPECT_EQ(set->Image->image.plain->frames.size(), 9u);
        EXPECT_EQ(set->BGImage->image.plain->frames.size(), 2u);
        // Faces sit two pixels inside a background frame of at most one cell.
        EXPECT_LE(set->BGImage->frameW, 52);
        EXPECT_LE(set->Image->frameW + 2, set->BGImage->frameW);
        EXPECT_EQ(set->Description, language == "german" ? names[n] : english[n]);
        EXPECT_EQ(drawing::FileType(set->Image->spritepath), drawing::FILETYPE_FILE) << set->Image->spritepath;
        EXPECT_EQ(drawing::FileType(set->BGImage->spritepath), drawing::FILETYPE_FILE) << set->BGImage->spritepath;
      }
    }
  }
}

TEST_F(ShippedAssetsTest, WinterThemeFallsBackOnlyWhereItMeansTo) {
  MessageCapture messages;
  TGameSkinPtr winter = LoadTheme("themes/winter", "english");
  int fromBase = 0;
  for (const SpriteElement& e : kSprites) {
    TSpritesPtr sprite = winter->SpritesPack->GetSprite(e.name);
    ASSERT_EQ(sprite->spritename, e.name);
    EXPECT_FALSE(sprite->image.empty()) << e.name;
    // A named picture must exist; only an element without one takes the base default.
    if (sprite->spritepath.empty()) ++fromBase;
    else EXPECT_EQ(drawing::FileType(sprite->spritepath), drawing::FILETYPE_FILE) << sprite->spritepath;
  }
  EXPECT_GE(fromBase, 1);
  EXPECT_EQ(winter->effect1_type, "SNOW");
  EXPECT_TRUE(winter->effect1_image);
  for (const std::string& line : messages.log) EXPECT_EQ(line.find("Error"), std::string::npos) << line;
}

TEST_F(ShippedAssetsTest, EveryFontDrawsEveryCharacterOfTheLanguages) {
  std::set<int> used = UsedCharacters();
  ASSERT_TRUE(used.count(0xDF)) << "the German file holds its sharp s as one byte";
  for (const char* path : {"themes/base/imagefont.png", "themes/base/smallimagefont.png",
                           "themes/winter/imagefont.png", "themes/winter/smallimagefont.png"}) {
    drawing::ImageFontPtr font = LoadVantoImageFont(path, drawing::SMOOTHFONT, 0);
    ASSERT_TRUE(font) << path;
    EXPECT_GT(font->Height(), 8);
    for (int code : used) {
      const drawing::ImageFont::CachedGlyph* glyph = font->GlyphFor(code);
      ASSERT_TRUE(glyph) << path << " " << code;
      EXPECT_GT(glyph->advance, 0.0f) << path << " " << code;
      if (code != ' ') {
        EXPECT_TRUE(glyph->image) << path << " has no picture for " << code;
      }
    }
  }
}

}  // namespace
