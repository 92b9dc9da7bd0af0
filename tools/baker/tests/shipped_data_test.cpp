// Checks the hand-written data against the pictures and fonts the build
// wrote: theme configurations, language files and the default settings.
// Loading through the game's own loaders is tested with the presentation
// tests; these checks need the baker's layout and font metrics.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "bake.h"
#include "layout.h"
#include "text.h"
#include "theme_config.h"
#include "vanto.h"

namespace baker {
namespace {

const std::string kData = GRIDLET_DATA_DIR;
const std::string kGame = GRIDLET_GAME_DIR;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// The sprite elements of a theme with their default file names.
const std::map<std::string, std::string> kSprites = {
    {"STARTSCREEN", "startscreen.png"}, {"BACKGROUND", "bg.png"},           {"FIELD", "field.png"},
    {"TIME", "time.png"},               {"HIGHSCORE", "highcore.png"},      {"MIXIT_BG", "mixit_bg.png"},
    {"MIXIT_FRONT", "mixit_front.png"}, {"MIXIT_MARK", "mixit_mark.png"},   {"LEVEL_BG", "level_bg.png"},
    {"LEVEL_FRONT", "level_front.png"}, {"LEVEL_MARK", "level_mark.png"},   {"RECTANGLE", "rectangle.png"},
    {"PARTICLE1", "gfx_fx_star0.png"},  {"GUI_SLIDER", "gui_slider.png"},   {"GUI_INPUT", "gui_input.png"},
    {"GUI_BUTTON", "gui_button.png"},   {"GUI_DROPDOWN", "gui_dropdown.png"}};

struct Theme {
  std::string dir;
  std::shared_ptr<ConfigNode> root;
  const ConfigNode* settings = nullptr;
};

Theme LoadTheme(const std::string& dir) {
  Theme t{dir, ReadConfig(kData + "/" + dir + "/config.xml")};
  if (t.root) t.settings = t.root->Child("settings");
  return t;
}

// The picture a sprite element ends up with, following the base fallback.
std::string PictureOf(const Theme& t, const ConfigNode& node, const std::string& defaultFile) {
  std::string path = ResolveThemePath(node.Attr("IMAGE"), t.dir);
  if (!path.empty() && drawing::LoadPixmap(kGame + "/" + path)) return path;
  return "themes/base/" + defaultFile;
}

void ExpectFramesFit(const std::string& path, const ConfigNode& node) {
  auto p = drawing::LoadPixmap(kGame + "/" + path);
  ASSERT_TRUE(p) << path;
  int frames = node.IntAttr("FRAMES"), w = node.IntAttr("FRAME_W"), h = node.IntAttr("FRAME_H");
  if (frames == 0) return;
  ASSERT_GT(w, 0) << path;
  ASSERT_GT(h, 0) << path;
  EXPECT_GE((p->width() / w) * (p->height() / h), frames) << path;
}

TEST(ShippedThemes, BaseUsesEveryElementWithItsOwnDefaultPicture) {
  Theme base = LoadTheme("themes/base");
  ASSERT_TRUE(base.root && base.settings);
  EXPECT_EQ(base.root->name, "theme");
  const ConfigNode* info = base.root->Child("info");
  ASSERT_TRUE(info);
  for (const char* field : {"TITLE", "VERSION", "AUTHOR", "DATE_FROM", "DATE_UPDATE", "AUTHOR_URL"})
    EXPECT_TRUE(info->Child(field) && !info->Child(field)->text.empty()) << field;
  for (const auto& [element, file] : kSprites) {
    const ConfigNode* n = base.settings->Child(element);
    ASSERT_TRUE(n) << element;
    // No fallback in the base theme: each sprite names its own default file.
    EXPECT_EQ(n->Attr("IMAGE"), "%THEMEDIR%/" + file) << element;
    EXPECT_TRUE(drawing::LoadPixmap(kGame + "/themes/base/" + file)) << file;
    ExpectFramesFit("themes/base/" + file, *n);
  }
  for (const char* font : {"SMALLIMAGEFONT", "IMAGEFONT"}) {
    const ConfigNode* n = base.settings->Child(font);
    ASSERT_TRUE(n) << font;
    std::string file = std::string(font == std::string("IMAGEFONT") ? "imagefont" : "smallimagefont") + ".png";
    EXPECT_EQ(n->Attr("IMAGE"), "%THEMEDIR%/" + file);
    EXPECT_FALSE(n->Attr("CHARSPACING").empty()) << "the font is loaded only with CHARSPACING";
  }
  const ConfigNode* effect = base.settings->Child("EFFECT1");
  ASSERT_TRUE(effect);
  EXPECT_EQ(effect->Attr("TYPE"), "STARS");
  EXPECT_TRUE(drawing::LoadPixmap(kGame + "/" + ResolveThemePath(effect->Attr("IMAGE"), base.dir)));
  EXPECT_GT(effect->IntAttr("AMOUNT"), 0);
  EXPECT_GT(effect->IntAttr("TIME"), 0);
  const ConfigNode* first = base.settings->Child("STONES1");
  ASSERT_TRUE(first);
  EXPECT_EQ(first->Child("STONESBG")->Attr("IMAGE"), "%THEMEDIR%/stonesbg.png");
  EXPECT_EQ(first->Child("STONES")->Attr("IMAGE"), "%THEMEDIR%/stones_numbers.png");
}

TEST(ShippedThemes, EveryPictureExistsAndHoldsItsFrames) {
  for (const char* dir : {"themes/base", "themes/winter"}) {
    Theme t = LoadTheme(dir);
    ASSERT_TRUE(t.settings) << dir;
    for (const auto& [element, file] : kSprites) {
      const ConfigNode* n = t.settings->Child(element);
      ASSERT_TRUE(n) << dir << " " << element;
      ExpectFramesFit(PictureOf(t, *n, file), *n);
    }
    for (const char* font : {"SMALLIMAGEFONT", "IMAGEFONT"}) {
      std::string path = ResolveThemePath(t.settings->Child(font)->Attr("IMAGE"), t.dir);
      VantoFont parsed;
      std::string data = ReadFile(kGame + "/" + DataFileFor(path));
      ASSERT_TRUE(VantoFont::ParseDataFile(std::vector<uint8_t>(data.begin(), data.end()), &parsed)) << path;
      auto sheet = drawing::LoadPixmap(kGame + "/" + path);
      ASSERT_TRUE(sheet) << path;
      EXPECT_GE((sheet->width() / parsed.cellSize) * (sheet->height() / parsed.cellSize), int(parsed.records.size()));
    }
    const char* names[4][2] = {{"Zahlen", "Numbers"}, {"Personen", "Persons"}, {"Objekte", "Objects"}, {"X-Mas", "X-Mas"}};
    for (int set = 1; set <= 4; ++set) {
      const ConfigNode* s = t.settings->Child("STONES" + std::to_string(set));
      ASSERT_TRUE(s) << dir << " STONES" << set;
      ASSERT_TRUE(s->Child("STONES") && s->Child("STONESBG") && s->Child("DESCRIPTION") && s->Child("DISPLACE"));
      EXPECT_EQ(s->Child("STONES")->IntAttr("FRAMES"), 9);
      EXPECT_EQ(s->Child("STONESBG")->IntAttr("FRAMES"), 2);
      EXPECT_LE(s->Child("STONESBG")->IntAttr("FRAME_W"), 52);
      ExpectFramesFit(PictureOf(t, *s->Child("STONES"), "stones_numbers.png"), *s->Child("STONES"));
      ExpectFramesFit(PictureOf(t, *s->Child("STONESBG"), "stonesbg.png"), *s->Child("STONESBG"));
      EXPECT_EQ(s->Child("DESCRIPTION")->Attr("german"), names[set - 1][0]);
      EXPECT_EQ(s->Child("DESCRIPTION")->Attr("english"), names[set - 1][1]);
    }
    const ConfigNode* colours = t.settings->Child("COLORS");
    ASSERT_TRUE(colours);
    for (const char* c : {"HIGHSCORE", "STONES_PRESET", "STONES_PROPOSED", "STONES_MARKED", "ACTIVE_FIELD", "TIME"}) {
      ASSERT_TRUE(colours->Child(c)) << dir << " " << c;
      for (const char* k : {"R", "G", "B"}) {
        EXPECT_FALSE(colours->Child(c)->Attr(k).empty()) << dir << " " << c << " " << k;
        int v = colours->Child(c)->IntAttr(k, -1);
        EXPECT_TRUE(v >= 0 && v <= 255) << dir << " " << c;
      }
    }
  }
}

TEST(ShippedThemes, PositionsMatchThePicturesLayout) {
  using namespace layout;
  for (const char* dir : {"themes/base", "themes/winter"}) {
    Theme t = LoadTheme(dir);
    ASSERT_TRUE(t.settings);
    auto at = [&](const char* e, int x, int y) {
      EXPECT_EQ(t.settings->Child(e)->IntAttr("X"), x) << dir << " " << e;
      EXPECT_EQ(t.settings->Child(e)->IntAttr("Y"), y) << dir << " " << e;
    };
    at("MIXIT_BG", kMixIt.x, kMixIt.y);
    at("MIXIT_FRONT", kMixIt.x, kMixIt.y);
    at("MIXIT_MARK", kMixItMarkX, kMixItMarkY);
    at("LEVEL_BG", kLevel.x, kLevel.y);
    at("LEVEL_FRONT", kLevel.x, kLevel.y);
    at("LEVEL_MARK", kLevelMarkX, kLevelMarkY);
    at("TIME", kTimePlate.x, kTimePlate.y);
    at("HIGHSCORE", kHighscore.x, kHighscore.y);
    for (const char* full : {"STARTSCREEN", "BACKGROUND", "FIELD"}) at(full, 0, 0);
  }
}

TEST(ShippedThemes, WinterHasItsOwnLookAndLeansOnTheBase) {
  Theme winter = LoadTheme("themes/winter");
  ASSERT_TRUE(winter.settings);
  std::string xml = ReadFile(kData + "/themes/winter/config.xml");
  EXPECT_NE(xml.find("%THEMEDIR%"), std::string::npos);
  EXPECT_NE(xml.find("%BASETHEME%"), std::string::npos);
  int own = 0, fallback = 0;
  for (const auto& [element, file] : kSprites) {
    const ConfigNode* n = winter.settings->Child(element);
    std::string path = ResolveThemePath(n->Attr("IMAGE"), winter.dir);
    if (path.rfind("themes/winter/", 0) == 0 && drawing::LoadPixmap(kGame + "/" + path)) ++own;
    if (path.empty() || !drawing::LoadPixmap(kGame + "/" + path)) {
      ++fallback;
      EXPECT_TRUE(drawing::LoadPixmap(kGame + "/themes/base/" + file)) << element;
    }
  }
  EXPECT_GE(own, 5);
  EXPECT_GE(fallback, 1) << "some picture must come from the base theme's default";
  const ConfigNode* effect = winter.settings->Child("EFFECT1");
  ASSERT_TRUE(effect);
  EXPECT_EQ(effect->Attr("TYPE"), "SNOW");
  EXPECT_TRUE(drawing::LoadPixmap(kGame + "/" + ResolveThemePath(effect->Attr("IMAGE"), winter.dir)));
}

// ---- language files ---------------------------------------------------------

// Bare keys as a memory resource keeps them: the first definition wins.
std::map<std::string, std::string> ReadLanguage(const std::string& path) {
  std::map<std::string, std::string> keys;
  std::istringstream in(ReadFile(path));
  std::string line;
  auto trim = [](const std::string& s) {
    size_t a = s.find_first_not_of(" \t\r\n"), b = s.find_last_not_of(" \t\r\n");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
  };
  while (std::getline(in, line)) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string key = trim(line.substr(0, eq));
    if (!key.empty() && !keys.count(key)) keys[key] = trim(line.substr(eq + 1));
  }
  return keys;
}

// Widget captions ("_KEY") with the width of their widget and whether the
// widget is a drop-down (whose right end holds the arrow).
struct Caption {
  const char* key;
  int width;
  bool dropdown;
};
const Caption kCaptions[] = {
    {"STARTGAME", 160, false},     {"REPEATGAME", 300, false}, {"HOWTOPLAYGRIDLET", 300, false},
    {"SETTINGS", 178, false},      {"QUITGAME", 178, false},   {"CANCEL", 160, false},
    {"APPLY", 160, false},         {"CLOSE", 160, false},      {"NEWGAME", 178, false},
    {"PROPOSETURN", 178, false},   {"SHOWWRONGTURNS", 178, false}, {"SOLVEGAME", 178, false},
    {"CLEARBOARD", 178, false},    {"SELECTNOTHING", 115, false},  {"MIXIT", 155, true},
    {"RESOLUTION", 160, true},     {"REFRESHRATE", 150, true}, {"FULLSCREEN", 160, true},
    {"MODE", 150, true},           {"LANGUAGE", 360, true},    {"SKINTHEME", 360, true}};

const VantoFont& ShippedFont(const std::string& path) {
  static std::map<std::string, VantoFont> cache;
  auto it = cache.find(path);
  if (it == cache.end()) {
    std::string data = ReadFile(kGame + "/" + DataFileFor(path));
    VantoFont f;
    VantoFont::ParseDataFile(std::vector<uint8_t>(data.begin(), data.end()), &f);
    it = cache.emplace(path, f).first;
  }
  return it->second;
}

std::string Replace(std::string s, const std::string& from, const std::string& to) {
  for (size_t p = 0; (p = s.find(from, p)) != std::string::npos; p += to.size()) s.replace(p, from.size(), to);
  return s;
}

class ShippedLanguage : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedLanguage, IsOneBytePerCharacterAndEveryFontDrawsIt) {
  std::string text = ReadFile(kData + "/lang/" + GetParam() + ".lang");
  std::set<unsigned char> used;
  for (unsigned char ch : text)
    if (ch != '\n' && ch != '\r') used.insert(ch);
  // Latin-1, not UTF-8: the umlauts are single bytes.
  for (unsigned char ch : used) EXPECT_TRUE(ch >= 32 && ch <= 254 && !(ch >= 0x80 && ch < 0xA0)) << int(ch);
  for (const char* font : {"themes/base/smallimagefont.png", "themes/base/imagefont.png",
                           "themes/winter/smallimagefont.png", "themes/winter/imagefont.png"}) {
    std::set<int> codes;
    for (const auto& r : ShippedFont(font).records) codes.insert(r.code);
    for (unsigned char ch : used) EXPECT_TRUE(codes.count(ch)) << font << " lacks " << int(ch);
  }
}

TEST_P(ShippedLanguage, TextsFitTheirBoxes) {
  auto keys = ReadLanguage(kData + "/lang/" + GetParam() + ".lang");
  const VantoFont& small = ShippedFont("themes/base/smallimagefont.png");
  const VantoFont& large = ShippedFont("themes/base/imagefont.png");
  for (const auto& c : kCaptions) {
    int room = c.dropdown ? c.width - 44 : c.width - 16;
    EXPECT_LE(small.TextWidth(keys[c.key]), room) << GetParam() << " " << c.key;
  }
  // Drop-down entries show in the box once chosen.
  EXPECT_LE(small.TextWidth(keys["MIXIT_NEVER"]), 155 - 44);
  EXPECT_LE(small.TextWidth(keys["MIXIT_MINUTE"]), 155 - 44);
  EXPECT_LE(small.TextWidth(Replace(keys["MIXIT_MINUTES"], "%1", "5")), 155 - 44);
  // Titles are drawn in the large font at 65 % width inside 400-pixel boxes.
  for (const char* title : {"GAMESETTINGS", "REPEATGAME", "SETTINGS"})
    EXPECT_LE(large.TextWidth(keys[title]) * 65 / 100, 360) << title;
  for (const char* phrase : {"MIXIT_PHRASE_A", "MIXIT_PHRASE_B", "MIXIT_PHRASE_C"})
    EXPECT_LE(large.TextWidth(keys[phrase]), 480) << phrase;
  // Captions on the side panel's plates.
  EXPECT_LE(small.TextWidth(keys["MIXIT"]), layout::kGaugePlateW - layout::kCaptionX - 4);
  EXPECT_LE(small.TextWidth(keys["LEVEL"]), layout::kGaugePlateW - layout::kCaptionX - 4);
  EXPECT_LE(small.TextWidth(keys["TIME"]), layout::kTimePlate.w - layout::kCaptionX - 4);
  EXPECT_LE(small.TextWidth(keys["HIGHSCORE"]), layout::kHighscore.w - 2 * layout::kHighscoreCaptionX);
  // Result panel lines, 220 pixels wide; "\n" breaks the line.
  for (const char* message : {"YOUSOLVEDTHEGRIDLET", "THEGRIDLETWASSOLVEDFORYOU"}) {
    std::string rest = keys[message];
    for (size_t p; (p = rest.find("\\n")) != std::string::npos; rest = rest.substr(p + 2))
      EXPECT_LE(small.TextWidth(rest.substr(0, p)), 220) << message;
    EXPECT_LE(small.TextWidth(rest), 220) << message;
  }
  EXPECT_LE(small.TextWidth(keys["SCORE"] + ": 999999"), 220);
}

// Lines a greedy word wrap needs for the text in the given width.
int WrappedLines(const TypeFace& face, const std::string& text, float width) {
  int lines = 1;
  std::string line, word;
  std::istringstream words(text);
  while (words >> word) {
    std::string longer = line.empty() ? word : line + " " + word;
    if (face.Measure(longer) < width) {
      line = longer;
    } else {
      ++lines;
      line = word;
    }
  }
  return lines;
}

TEST_P(ShippedLanguage, TrueTypeLabelsFitTheirPlaces) {
  auto keys = ReadLanguage(kData + "/lang/" + GetParam() + ".lang");
  TypeFace regular10(VeraPath(), 10), regular12(VeraPath(), 12), bold12(VeraBoldPath(), 12),
      bold14(VeraBoldPath(), 14), bold16(VeraBoldPath(), 16);
  // Level description: level name, an empty line and the text, in a
  // 160 x 150 box of 10-pixel type.
  for (int level = 1; level <= 9; ++level) {
    std::string prefix = "DIFFICULTY_LEVEL" + std::to_string(level);
    int lines = WrappedLines(regular10, keys[prefix + "_A"], 160) + 1 +
                WrappedLines(regular10, Replace(keys[prefix + "_B"], "%1", "43"), 160);
    EXPECT_LE(lines * 13, 150) << GetParam() << " " << prefix;
  }
  // Game menu labels between the box edge and the next column.
  EXPECT_LE(bold16.Measure(keys["PLAYERNAME"] + ":"), 220);
  EXPECT_LE(bold16.Measure(keys["DIFFICULTY"] + ":8"), 175);
  EXPECT_LE(bold16.Measure(keys["STONES"] + ":"), 175);
  EXPECT_LE(bold16.Measure(keys["PREVIEW"] + ":"), 105);
  // Option menu: section labels span the box, field labels sit over their lists.
  for (const char* k : {"OPTION_DISPLAY", "OPTION_LOOK"}) EXPECT_LE(bold16.Measure(keys[k] + ":"), 360) << k;
  for (const char* k : {"RESOLUTION", "FULLSCREEN", "LANGUAGE", "SKINTHEME"}) EXPECT_LE(bold12.Measure(keys[k] + ":"), 200) << k;
  for (const char* k : {"REFRESHRATE_LONG", "MODE"}) EXPECT_LE(bold12.Measure(keys[k] + ":"), 170) << k;
  // Info box: labels at x 230, their values from x 300.
  for (const char* k : {"VERSION", "DATE", "AUTHOR", "TITLE", "URL"}) EXPECT_LE(regular12.Measure(keys[k] + ":"), 66) << k;
  EXPECT_LE(bold12.Measure(keys["SKIN"]), 340);
  // Creating screen: inside a 400-pixel box from x 240.
  EXPECT_LE(bold14.Measure(keys["CREATING_GRIDLET"]), 340);
  EXPECT_LE(bold14.Measure(keys["TRIES"] + ": 500000 / 500000"), 340);
  EXPECT_LE(bold12.Measure(keys["LEVELCODE"] + ":"), 200);
  // Level-code complaints: one line of a 380-pixel box under the code.
  for (const char* k : {"LEVELCODE_INVALID", "LEVELCODE_IMPOSSIBLE"}) EXPECT_LT(bold12.Measure(keys[k]), 380) << k;
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ShippedLanguage, ::testing::Values("german", "english"));

TEST(ShippedSettings, StartInEnglishWithTheBaseThemeAndLineEndsAsTheGameWrites) {
  std::string s = ReadFile(kData + "/settings.xml");
  auto root = ReadConfig(kData + "/settings.xml");
  ASSERT_TRUE(root);
  EXPECT_EQ(root->name, "game");
  const ConfigNode* settings = root->Child("settings");
  ASSERT_TRUE(settings);
  EXPECT_EQ(settings->Child("language")->text, "english");
  EXPECT_EQ(settings->Child("skin")->text, "themes/base");
  EXPECT_EQ(settings->Child("screenwidth")->text, "800");
  EXPECT_EQ(settings->Child("screenheight")->text, "600");
  EXPECT_TRUE(settings->Child("username"));
  // Fourteen lines, each ended by CR LF, like the file the option menu writes.
  int lines = 0;
  for (size_t p = 0; (p = s.find("\r\n", p)) != std::string::npos; p += 2) ++lines;
  EXPECT_EQ(lines, 14);
  EXPECT_EQ(s.find('\n'), s.find("\r\n") + 1);
}

}  // namespace
}  // namespace baker
