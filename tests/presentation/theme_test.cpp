#include <gtest/gtest.h>

#include <filesystem>

#include "drawing/image.h"
#include "presentation/game_skin.h"
#include "presentation/px_sprite_pack.h"
#include "presentation/theme_host.h"
#include "presentation_test_support.h"
#include "support/localization.h"
#include "support/xml_node.h"

using presentation_test::DataFile;
using presentation_test::MessageCapture;
using presentation_test::ScratchFolder;
using presentation_test::SoftwareGraphicsTest;
using presentation_test::SolidPixmap;
using presentation_test::WriteBytes;
using presentation_test::WritePng;

namespace {

constexpr uint32_t kBaseColour = 0xFF102030;
constexpr uint32_t kThemeColour = 0xFFA0B0C0;

class RecordingHost : public ThemeHost {
 public:
  void SetWidgetImages(const drawing::ImagePtr& b, const drawing::ImagePtr& s, const drawing::ImagePtr& i,
                       const drawing::ImagePtr& d) override {
    button = b;
    slider = s;
    input = i;
    dropdown = d;
  }
  void SetStoneSetCaption(int n, const std::string& caption) override { captions[n] = caption; }
  void SetGameFonts(const drawing::ImageFontPtr& s, const drawing::ImageFontPtr& f) override {
    small_font = s;
    font = f;
  }
  drawing::ImagePtr button, slider, input, dropdown;
  std::map<int, std::string> captions;
  drawing::ImageFontPtr small_font, font;
};

void WriteVantoFont(const std::string& png) {
  WritePng(*SolidPixmap(16, 8, 0xFFFFFFFF), png);
  DataFile data;
  data.Int(2).Int(8).Int(9).Int(4);
  data.Int('A').Int(8).Int(8).Float(0).Float(0).Float(8);
  WriteBytes(png.substr(0, png.size() - 4) + ".vnt", data.Bytes());
}

// Works inside a scratch folder holding a complete base theme.
class ThemeTest : public SoftwareGraphicsTest {
 protected:
  void SetUp() override {
    SoftwareGraphicsTest::SetUp();
    previous_dir = std::filesystem::current_path();
    std::filesystem::current_path(folder.Root());
    for (const char* file : {"startscreen.png", "bg.png", "field.png", "time.png", "highcore.png", "mixit_bg.png",
                             "mixit_front.png", "mixit_mark.png", "level_bg.png", "level_front.png",
                             "level_mark.png", "gfx_fx_star0.png", "gui_slider.png", "gui_input.png",
                             "gui_button.png", "gui_dropdown.png"}) {
      WritePng(*SolidPixmap(12, 10, kBaseColour), std::string("themes/base/") + file);
    }
    WritePng(*SolidPixmap(126, 126, kBaseColour), "themes/base/rectangle.png");
    WritePng(*SolidPixmap(9 * 20, 20, kBaseColour), "themes/base/stones_numbers.png");
    WritePng(*SolidPixmap(2 * 24, 24, kBaseColour), "themes/base/stonesbg.png");
    WriteVantoFont("themes/base/imagefont.png");
    WriteVantoFont("themes/base/smallimagefont.png");
    Localization::Dispose();
    Localization::AddLanguages("german,english,french");
    Localization::SetLanguage("german");
    TGameColor::All().clear();
    SetThemeHost(host);
  }
  void TearDown() override {
    SetThemeHost(nullptr);
    CurrentSkin.reset();
    std::filesystem::current_path(previous_dir);
    SoftwareGraphicsTest::TearDown();
  }

  static void WriteConfig(const std::string& theme, const std::string& settings,
                          const std::string& info = "<info><title>Winter</title><version>1.2</version></info>") {
    WriteBytes("themes/" + theme + "/config.xml", "<theme>" + info + "<settings>" + settings + "</settings></theme>");
  }

  static std::string ThrownBy(TGameSkin& skin) {
    try {
      skin.LoadConfig(0);
    } catch (const ThemeError& error) {
      return error.what();
    }
    return "";
  }

  static uint32_t FirstPixel(const drawing::ImagePtr& image) {
    return image ? image->frames[0].pixmap->ReadPixel(0, 0) : 0;
  }

  ScratchFolder folder;
  std::filesystem::path previous_dir;
  std::shared_ptr<RecordingHost> host = std::make_shared<RecordingHost>();
};

}  // namespace

TEST_F(ThemeTest, MissingAndUnusablePicturesFallBackToTheBaseTheme) {
  WritePng(*SolidPixmap(12, 10, kThemeColour), "themes/winter/time.png");
  WritePng(*SolidPixmap(400, 400, kThemeColour), "themes/winter/cells.png");
  WriteBytes("themes/winter/text.png", "this is not a picture");
  // A PNG header announcing 100000 x 100000 pixels, and nothing after it.
  WriteBytes("themes/winter/huge.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\x01\x86\xa0\0\x01\x86\xa0", 24));
  WriteConfig("winter",
              "<TIME image=\"%THEMEDIR%/time.png\" x=\"5\" y=\"-7\" dx=\"1.5\" textx=\"$10\" texty=\"%101\"/>"
              "<LEVEL_BG image=\"%THEMEDIR%/text.png\"/>"
              "<mixit_bg image=\"%THEMEDIR%/huge.png\"/>"
              "<Field image=\"%THEMEDIR%/missing.png\"/>"
              "<GUI_BUTTON image=\"%THEMEDIR%/missing.png\" frames=\"18\" frame_w=\"22\" frame_h=\"18\"/>"
              "<MIXIT_MARK image=\"%THEMEDIR%/cells.png\" frames=\"100000\" frame_w=\"1\" frame_h=\"1\"/>"
              "<unknown image=\"x.png\"/>");
  auto skin = TGameSkin::Create("themes/winter");
  MessageCapture messages;
  skin->LoadConfig(0);
  TSpritesPack& pack = *skin->SpritesPack;
  ASSERT_EQ(pack.List.size(), 6u);

  auto time = pack.GetSprite("time");
  EXPECT_EQ(FirstPixel(time->image.plain), kThemeColour);
  EXPECT_EQ(time->x, 5);
  EXPECT_EQ(time->y, -7);
  EXPECT_FLOAT_EQ(time->dx, 1.5f);
  EXPECT_EQ(time->textx, 16) << "$ reads hexadecimal";
  EXPECT_EQ(time->texty, 5) << "% reads binary";

  EXPECT_EQ(FirstPixel(pack.GetSprite("LEVEL_BG")->image.plain), kBaseColour);
  EXPECT_EQ(FirstPixel(pack.GetSprite("MIXIT_BG")->image.plain), kBaseColour);
  auto field = pack.GetSprite("FIELD");
  EXPECT_EQ(field->spritename, "FIELD");
  ASSERT_TRUE(field->image.big) << "FIELD is a large image";
  EXPECT_EQ(field->spritepath, "themes/winter/missing.png") << "the theme's own path is kept";

  auto button = pack.GetSprite("GUI_BUTTON");
  EXPECT_TRUE(button->image.empty()) << "animated fallbacks have no frame size in this game";
  EXPECT_EQ(messages.Count("Error: AddAnimSprite: GUI_BUTTON path:themes/winter/missing.png"), 1);
  EXPECT_TRUE(pack.GetSprite("MIXIT_MARK")->image.empty()) << "100000 one-pixel frames are refused";
}

TEST_F(ThemeTest, SamePicturesAreLoadedOnceExceptForLargeImages) {
  WritePng(*SolidPixmap(12, 10, kThemeColour), "themes/winter/shared.png");
  WriteConfig("winter",
              "<TIME image=\"themes/winter/shared.png\"/>"
              "<HIGHSCORE image=\"THEMES/WINTER/SHARED.PNG\"/>"
              "<FIELD image=\"themes/winter/shared.png\"/>"
              "<BACKGROUND image=\"themes/winter/shared.png\"/>");
  auto skin = TGameSkin::Create("themes/winter");
  MessageCapture messages;
  skin->LoadConfig(0);
  const TSpritesPack& pack = *skin->SpritesPack;
  EXPECT_EQ(pack.GetSprite("TIME")->image.plain, pack.GetSprite("HIGHSCORE")->image.plain);
  EXPECT_EQ(messages.Count("duplicate"), 1);
  ASSERT_TRUE(pack.GetSprite("FIELD")->image.big);
  EXPECT_NE(pack.GetSprite("FIELD")->image.big, pack.GetSprite("BACKGROUND")->image.big);
}

TEST_F(ThemeTest, SectionsAreFoundByExactNameAndReportedWhenMissing) {
  auto skin = TGameSkin::Create("themes/winter");
  WriteBytes("themes/winter/config.xml", "<Theme><info/><settings/></Theme>");
  EXPECT_EQ(ThrownBy(*skin), "'theme' not found");
  WriteBytes("themes/winter/config.xml", "<theme><settings/></theme>");
  EXPECT_EQ(ThrownBy(*skin), "'info' not found");
  WriteBytes("themes/winter/config.xml", "<theme><info/><Settings><FIELD/></Settings></theme>");
  EXPECT_EQ(ThrownBy(*skin), "'settings' not found");
  EXPECT_NO_THROW(skin->LoadConfig(1)) << "an info-only load never looks for settings";

  WriteBytes("themes/winter/config.xml",
             "<theme><meta><info><TITLE>Deep</TITLE><Author>me</Author><date_from>2001</date_from></info></meta>"
             "<group><settings><TIME/></settings></group></theme>");
  EXPECT_EQ(ThrownBy(*skin), "");
  EXPECT_EQ(skin->title, "Deep");
  EXPECT_EQ(skin->author, "me");
  EXPECT_EQ(skin->date_from, "2001");
  EXPECT_EQ(skin->version, "x");
  EXPECT_EQ(skin->SpritesPack->List.size(), 1u);
}

TEST_F(ThemeTest, VariablesNameTheThemeAndBaseFolders) {
  auto skin = TGameSkin::Create("themes/winter");
  EXPECT_EQ(skin->ReplaceVariables("%THEMEDIR%/field.png"), "themes/winter/field.png");
  EXPECT_EQ(skin->ReplaceVariables("%BASETHEME%/bg.png|%BASETHEME%"), "themes/base/bg.png|themes/base");
  EXPECT_EQ(skin->ReplaceVariables("%themedir%/x"), "%themedir%/x") << "case-sensitive";
}

TEST_F(ThemeTest, ColoursCarryComponentsOverAndStayWithoutAColoursElement) {
  WriteConfig("winter",
              "<COLORS><highscore R=\"10\" G=\"20\" B=\"30\"/><bogus R=\"99\"/><TIME R=\"200\"/>"
              "<stones_marked b=\"7\"/></COLORS>");
  auto skin = TGameSkin::Create("themes/winter");
  TGameColor::Create("stale", 1, 1, 1);
  skin->LoadConfig(0);
  ASSERT_EQ(TGameColor::All().size(), 3u);
  auto time = TGameColor::GetGameColor("TIME");
  EXPECT_EQ(time->name, "time");
  EXPECT_EQ(std::tie(time->r, time->g, time->b), std::make_tuple(200, 20, 30));
  auto marked = TGameColor::GetGameColor("stones_marked");
  EXPECT_EQ(std::tie(marked->r, marked->g, marked->b), std::make_tuple(200, 20, 7));
  EXPECT_EQ(TGameColor::GetGameColor("unknown"), marked) << "unknown names give the last colour";

  drawing::SetColor(1, 2, 3);
  TGameColor::SetGameColor("nothing");
  int r, g, b;
  drawing::GetColor(r, g, b);
  EXPECT_EQ(std::tie(r, g, b), std::make_tuple(1, 2, 3));
  TGameColor::SetGameColor("Highscore");
  drawing::GetColor(r, g, b);
  EXPECT_EQ(std::tie(r, g, b), std::make_tuple(10, 20, 30));

  WriteConfig("winter", "<TIME/>");
  skin->LoadConfig(0);
  EXPECT_EQ(TGameColor::All().size(), 3u);
}

TEST_F(ThemeTest, FontElementsLoadFontsWhenCharSpacingFollowsTheImage) {
  WriteVantoFont("themes/winter/big.png");
  WriteConfig("winter",
              "<IMAGEFONT image=\"%THEMEDIR%/big.png\" charspacing=\"3\"/>"
              "<SMALLIMAGEFONT image=\"%BASETHEME%/smallimagefont.png\" CHARSPACING=\"0\"/>"
              "<TIME image=\"x\" charspacing=\"5\"/>");
  auto skin = TGameSkin::Create("themes/winter");
  skin->LoadConfig(0);
  ASSERT_TRUE(skin->ImageFont);
  ASSERT_TRUE(skin->SmallImageFont);
  EXPECT_EQ(skin->ImageFont->Height(), 9);
  EXPECT_EQ(skin->SpritesPack->List.size(), 1u) << "font elements make no sprite; TIME ignores CHARSPACING";

  WriteConfig("winter", "<IMAGEFONT charspacing=\"3\" image=\"%THEMEDIR%/big.png\"/>");
  MessageCapture messages;
  EXPECT_EQ(ThrownBy(*skin), "Imagefont nicht gefunden");
  ASSERT_EQ(messages.notes.size(), 1u);
  EXPECT_NE(messages.notes[0].find("File .vnt Not found..."), std::string::npos);

  WriteConfig("winter", "<SMALLIMAGEFONT image=\"%THEMEDIR%/none.png\" charspacing=\"1\"/>");
  EXPECT_EQ(ThrownBy(*skin), "SmallImagefont nicht gefunden");
}

TEST_F(ThemeTest, StoneSetsTakeTheirSpritesOutOfThePack) {
  WritePng(*SolidPixmap(9 * 16, 16, kThemeColour), "themes/winter/faces.png");
  WriteConfig("winter",
              "<STONES1><STONES image=\"%THEMEDIR%/faces.png\" frames=\"9\" frame_w=\"16\" frame_h=\"16\"/>"
              "<DESCRIPTION english=\"Wood\" German=\"Holz\"/><DISPLACE x=\"3\" y=\"-2\"/></STONES1>"
              "<stones3><DESCRIPTION english=\"Glass\"/></stones3>"
              "<TIME/>");
  auto skin = TGameSkin::Create("themes/winter");
  skin->LoadConfig(0);
  EXPECT_EQ(skin->SpritesPack->List.size(), 1u);
  auto wood = skin->StoneSkin[0];
  ASSERT_TRUE(wood);
  EXPECT_EQ(wood->Description, "Holz");
  EXPECT_EQ(wood->MaxColors, 9);
  EXPECT_EQ(wood->displaceX, 3);
  EXPECT_EQ(wood->displaceY, -2);
  EXPECT_EQ(FirstPixel(wood->Image->image.plain), kThemeColour);
  EXPECT_EQ(wood->BGImage->frames, 2) << "no STONESBG: the base background strip";
  EXPECT_FALSE(skin->StoneSkin[1]);

  auto glass = skin->StoneSkin[2];
  ASSERT_TRUE(glass);
  EXPECT_EQ(glass->Description, "Glass") << "no German text: the English one";
  EXPECT_EQ(glass->MaxColors, 9) << "no STONES: the base theme's nine faces";
  EXPECT_EQ(drawing::CountFrames(glass->Image->image.plain), 9);
  EXPECT_EQ(host->captions, (std::map<int, std::string>{{1, "Holz"}, {3, "Glass"}}));

  Localization::SetLanguage("french");
  skin->LoadConfig(0);
  EXPECT_EQ(skin->StoneSkin[0]->Description, "Wood");
}

TEST_F(ThemeTest, ActiveStoneSetStaysWithinOneToFour) {
  auto skin = TGameSkin::Create("themes/winter");
  EXPECT_FALSE(skin->getActiveStoneSkin());
  skin->StoneSkin[1] = TStoneSkin::Create(nullptr, nullptr, 9, "two", 0, 0);
  skin->SetActiveStoneSkin(2);
  EXPECT_EQ(skin->getActiveStoneSkin()->Description, "two");
  skin->SetActiveStoneSkin(0);
  EXPECT_EQ(skin->ActiveStoneSkin, 1);
  skin->SetActiveStoneSkin(5);
  EXPECT_EQ(skin->ActiveStoneSkin, 1);
}

TEST_F(ThemeTest, EffectElementCopiesItsSettings) {
  WritePng(*SolidPixmap(4, 4, kThemeColour), "themes/winter/flake.png");
  WriteConfig("winter", "<effect1 image=\"%THEMEDIR%/flake.png\" type=\"Snow\" amount=\"40\" time=\"3000\"/>");
  auto skin = TGameSkin::Create("themes/winter");
  skin->effect1_timer = 77;
  skin->LoadConfig(0);
  EXPECT_EQ(skin->effect1_enabled, 1);
  EXPECT_TRUE(skin->effect1_image);
  EXPECT_EQ(skin->effect1_type, "Snow");
  EXPECT_EQ(skin->effect1_amount, 40);
  EXPECT_EQ(skin->effect1_time, 3000);
  EXPECT_EQ(skin->effect1_particlelifetime, 0) << "absent attributes read as 0";
  EXPECT_EQ(skin->effect1_timer, 77);

  // Times the spawn clock could not add without wrapping are capped.
  for (const auto& [written, kept] : {std::pair<const char*, int>{"2147483000", TGameSkin::kMaxEffectTime},
                                      {"60001", TGameSkin::kMaxEffectTime},
                                      {"60000", 60000},
                                      {"-5", 0}}) {
    WriteConfig("winter", std::string("<EFFECT1 type=\"Snow\" time=\"") + written + "\"/>");
    skin->LoadConfig(0);
    EXPECT_EQ(skin->effect1_time, kept) << written;
  }

  WriteConfig("winter", "<EFFECT1 image=\"gone.png\"/>");
  skin->LoadConfig(0);
  EXPECT_FALSE(skin->effect1_image) << "no fallback for the effect picture";
  WriteConfig("winter", "<TIME/>");
  skin->LoadConfig(0);
  EXPECT_EQ(skin->effect1_enabled, 0);
}

TEST_F(ThemeTest, ReloadingEmptiesThePackAndRestartsIds) {
  WriteConfig("winter", "<TIME/><FIELD/>");
  auto skin = TGameSkin::Create("themes/winter");
  skin->LoadConfig(0);
  skin->LoadConfig(0);
  ASSERT_EQ(skin->SpritesPack->List.size(), 2u);
  EXPECT_EQ(skin->SpritesPack->List[0]->SpriteID, 1);
  EXPECT_EQ(skin->SpritesPack->List[1]->SpriteID, 2);
}

TEST_F(ThemeTest, ThemeListHoldsEveryFolderWithAConfiguration) {
  WriteConfig("base", "", "<info><title>Base</title></info>");
  WriteConfig("winter", "", "<info><title>Winter</title></info>");
  std::filesystem::create_directories("themes/empty");
  WriteBytes("themes/notes.txt", "not a theme");
  const size_t before = TGameSkin::ThemeList().size();
  MessageCapture messages;
  TGameSkin::LoadThemeList();
  ASSERT_EQ(TGameSkin::ThemeList().size(), before + 2);
  auto base = TGameSkin::ThemeList()[before];
  auto winter = TGameSkin::ThemeList()[before + 1];
  EXPECT_EQ(base->skinpath, "themes/base");
  EXPECT_EQ(winter->title, "Winter");
  EXPECT_EQ(winter->SkinID, base->SkinID + 1);
  EXPECT_TRUE(winter->SpritesPack->List.empty()) << "info only";
  EXPECT_EQ(messages.Count("Winter"), 1);

  TGameSkin::SetSkinByID(winter->SkinID);
  EXPECT_EQ(CurrentSkin, winter);
  TGameSkin::SetSkinByID(-42);
  EXPECT_EQ(CurrentSkin, winter) << "an unknown id keeps the current theme";
}

TEST_F(ThemeTest, ChangeToSkinLoadsEverythingAndHandsItOn) {
  WritePng(*SolidPixmap(126, 126, kThemeColour), "themes/winter/frame.png");
  WriteConfig("winter",
              "<IMAGEFONT image=\"%BASETHEME%/imagefont.png\" charspacing=\"1\"/>"
              "<SMALLIMAGEFONT image=\"%BASETHEME%/smallimagefont.png\" charspacing=\"0\"/>"
              "<GUI_BUTTON/><GUI_SLIDER/><GUI_INPUT/><GUI_DROPDOWN/>"
              "<RECTANGLE image=\"%THEMEDIR%/frame.png\"/>");
  auto skin = TGameSkin::Create("themes/winter");
  TGameSkin::ChangeToSkin(skin->SkinID);
  EXPECT_EQ(CurrentSkin, skin);
  EXPECT_EQ(skin->ActiveStoneSkin, 1);
  EXPECT_EQ(host->font, skin->ImageFont);
  EXPECT_EQ(host->small_font, skin->SmallImageFont);
  EXPECT_TRUE(host->font);
  EXPECT_EQ(host->button, skin->SpritesPack->GetSprite("gui_button")->image.plain);
  EXPECT_EQ(host->dropdown, skin->SpritesPack->GetSprite("gui_dropdown")->image.plain);
  auto frame = TGameSkin::FramePack();
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->image, skin->SpritesPack->GetSprite("rectangle")->image.plain);
  ASSERT_EQ(frame->sprites.size(), 9u);
  auto corner = frame->GetSprite("BottomRight");
  EXPECT_EQ(std::tie(corner->posx, corner->posy, corner->w, corner->h), std::make_tuple(99.f, 99.f, 27.f, 27.f));
  EXPECT_EQ(frame->GetSprite("Back")->SpriteID, 9);
}
