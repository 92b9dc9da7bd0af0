// Reading, applying and writing "settings.xml", and how raised errors end
// the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "../drawing/temp_dir.h"
#include "drawing/files.h"
#include "drawing/graphics.h"
#include "presentation/game_skin.h"
#include "shell/base_game.h"
#include "shell/fatal_error.h"
#include "shell/settings.h"
#include "support/localization.h"
#include "support/xml_node.h"

namespace {

class SettingsGame : public TBaseGame {
 public:
  void Update() override {}
  void Draw(int) override {}
};

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

class Settings : public ::testing::Test {
 protected:
  void SetUp() override {
    ScreenWidth = 800;
    ScreenHeight = 600;
    Fullscreen = DirectXMode = ColorDepth = GraphicsDepth = 0;
    RefreshRate = 60;
    PlayerName.clear();
    Language = "german";
    SkinPath = "themes/base";
    CurrentSkin.reset();
    Localization::Dispose();
  }
  void TearDown() override {
    CurrentSkin.reset();
    Localization::Dispose();
    drawing::EndGraphics();
  }
  // Writes a settings file whose settings element holds `inner`, and loads it.
  void Load(const std::string& inner) {
    std::ofstream(dir_ / "settings.xml", std::ios::binary)
        << "<?xml version = \"1.0\"?>\r\n<game>\r\n <settings>" << inner << "</settings>\r\n</game>\r\n";
    game_.LoadConfig(dir_ / "settings.xml");
  }
  void UseLanguage(const std::string& name) {
    Localization::AddLanguages(name);
    Localization::SetLanguage(name);
  }
  TempDir dir_;
  SettingsGame game_;
};

}  // namespace

TEST_F(Settings, AnEmptySettingsElementGivesTheDefaults) {
  ScreenWidth = 1;
  PlayerName = "someone";
  Load("");
  EXPECT_EQ(ScreenWidth, 800);
  EXPECT_EQ(ScreenHeight, 600);
  EXPECT_EQ(Fullscreen, 0);
  EXPECT_EQ(DirectXMode, 0);
  EXPECT_EQ(ColorDepth, 0);
  EXPECT_EQ(GraphicsDepth, 0);
  EXPECT_EQ(RefreshRate, 60);
  EXPECT_EQ(Language, "german");
  EXPECT_EQ(PlayerName, "Name");
  EXPECT_EQ(SkinPath, "themes/base");
}

TEST_F(Settings, ValuesAreReadWhereverTheyNestBelowSettings) {
  Load("<screenwidth>1024</screenwidth><display><screenheight>768</screenheight></display>"
       "<directx>3</directx><refreshrate>75</refreshrate><language>english</language>"
       "<username>Anna</username><skin>themes/winter</skin>");
  EXPECT_EQ(ScreenWidth, 1024);
  EXPECT_EQ(ScreenHeight, 768);
  EXPECT_EQ(DirectXMode, 3);
  EXPECT_EQ(RefreshRate, 75);
  EXPECT_EQ(Language, "english");
  EXPECT_EQ(PlayerName, "Anna");
  EXPECT_EQ(SkinPath, "themes/winter");
}

TEST_F(Settings, NumbersFollowTheTextToIntRule) {
  const std::pair<const char*, int> cases[] = {
      {"   1024", 1024}, {"1024px", 1024}, {"wide", 0},  {"$400", 1024}, {"%10000000000", 1024},
      {"-5", -5},       {"+7", 7},         {"", 0},      {"$ff0", 4080}, {"99999999999", 1215752191},
  };
  for (const auto& [text, expected] : cases) {
    Load(std::string("<screenwidth>") + text + "</screenwidth>");
    EXPECT_EQ(ScreenWidth, expected) << '"' << text << '"';
  }
}

TEST_F(Settings, OnlySixteenAndThirtyTwoBitsOpenFullScreen) {
  Load("<fullscreen>1</fullscreen><colordepth>24</colordepth>");
  EXPECT_EQ(ColorDepth, 0);
  EXPECT_EQ(Fullscreen, 0);
  EXPECT_EQ(GraphicsDepth, 0);
  Load("<fullscreen>1</fullscreen><colordepth>32</colordepth>");
  EXPECT_EQ(Fullscreen, 1);
  EXPECT_EQ(GraphicsDepth, 32);
  Load("<fullscreen>0</fullscreen><colordepth>16</colordepth>");
  EXPECT_EQ(Fullscreen, 0);
  EXPECT_EQ(GraphicsDepth, 16) << "the depth decides, the flag does not";
}

TEST_F(Settings, AFileWithoutSettingsBelowItsRootIsRefused) {
  std::ofstream(dir_ / "settings.xml") << "<settings><screenwidth>640</screenwidth></settings>";
  try {
    game_.LoadConfig(dir_ / "settings.xml");
    FAIL() << "loaded";
  } catch (const SettingsError& error) {
    EXPECT_STREQ(error.what(), "root not found");
  }
  EXPECT_THROW(game_.LoadConfig(dir_ / "missing.xml"), xmlError);
}

TEST_F(Settings, TheFileIsExactlyFourteenLines) {
  ScreenWidth = 1024;
  ScreenHeight = 768;
  Fullscreen = 1;
  DirectXMode = -1;
  ColorDepth = 16;
  GraphicsDepth = 32;
  RefreshRate = 75;
  PlayerName = "Anna";
  UseLanguage("english");
  SkinPath = "themes/ignored";
  CurrentSkin = std::make_shared<TGameSkin>();
  CurrentSkin->skinpath = "themes/winter";
  game_.SaveConfig(dir_ / "settings.xml");
  EXPECT_EQ(ReadAll(dir_ / "settings.xml"),
            "<?xml version = \"1.0\"?>\r\n"
            "<game>\r\n"
            " <settings>\r\n"
            "  <screenwidth>1024</screenwidth>\r\n"
            "  <screenheight>768</screenheight>\r\n"
            "  <fullscreen>1</fullscreen>\r\n"
            "  <directx>-1</directx>\r\n"
            "  <colordepth>32</colordepth>\r\n"
            "  <refreshrate>75</refreshrate>\r\n"
            "  <language>english</language>\r\n"
            "  <username>Anna</username>\r\n"
            "  <skin>themes/winter</skin>\r\n"
            " </settings>\r\n"
            "</game>\r\n");
  const std::string first = ReadAll(dir_ / "settings.xml");
  game_.SaveConfig(dir_ / "settings.xml");
  EXPECT_EQ(ReadAll(dir_ / "settings.xml"), first) << "saving again changes no byte";
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.str()), {}), 1) << "no file left beside it";
}

TEST_F(Settings, AnyNameSurvivesASaveAndALoad) {
  UseLanguage("english");
  for (const std::string name : {"<b>&\"Jo's\"</b>", "J\xF6rg & Co", "a]]>b", "</username><skin>x</skin>"}) {
    PlayerName = name;
    game_.SaveConfig(dir_ / "settings.xml");
    PlayerName.clear();
    game_.LoadConfig(dir_ / "settings.xml");
    EXPECT_EQ(PlayerName, name);
    EXPECT_EQ(SkinPath, "themes/base");
    EXPECT_EQ(Language, "english");
  }
}

TEST_F(Settings, AnInterruptedSaveLeavesTheOldFile) {
  UseLanguage("english");
  PlayerName = "Old";
  game_.SaveConfig(dir_ / "settings.xml");
  const std::string before = ReadAll(dir_ / "settings.xml");
  // The write beside the file cannot happen: folders sit on every temporary
  // name the next save may try, so it stops before its rename.
  const std::string probe = drawing::TemporaryNameFor(dir_ / "settings.xml");
  const std::string stem = probe.substr(0, probe.rfind('.', probe.size() - 5) + 1);
  const long next = std::stol(probe.substr(stem.size())) + 1;
  for (long n = next; n < next + 64; ++n) std::filesystem::create_directories(stem + std::to_string(n) + ".tmp");
  PlayerName = "New";
  EXPECT_EQ(game_.SaveConfig(dir_ / "settings.xml"), 0);
  EXPECT_EQ(ReadAll(dir_ / "settings.xml"), before);
  game_.LoadConfig(dir_ / "settings.xml");
  EXPECT_EQ(PlayerName, "Old");
}

TEST_F(Settings, GraphicsFallBackToAWindowOf800By600) {
  ASSERT_TRUE(drawing::SetGraphicsDriver(drawing::DRIVER_SOFTWARE));
  ScreenWidth = 1024;
  ScreenHeight = 768;
  GraphicsDepth = 32;
  DirectXMode = 1;  // absent here: the renderer in force stays
  EXPECT_EQ(game_.SetConfig(), 0);
  EXPECT_EQ(drawing::GraphicsDriverName(), "Software");
  EXPECT_EQ(drawing::GraphicsWidth(), 1024);

  ScreenWidth = 0;  // letters only in the file
  GraphicsDepth = 0;
  EXPECT_EQ(game_.SetConfig(), 0);
  EXPECT_EQ(drawing::GraphicsWidth(), 800);
  EXPECT_EQ(drawing::GraphicsHeight(), 600);

  ScreenWidth = 1000;  // no such full-screen mode
  ScreenHeight = 700;
  GraphicsDepth = 16;
  EXPECT_EQ(game_.SetConfig(), 0);
  EXPECT_EQ(drawing::GraphicsWidth(), 800);
}

TEST_F(Settings, GraphicsThatCannotOpenAtAllRaiseTheError) {
  ScreenWidth = 1280;
  ScreenHeight = 1024;
  GraphicsDepth = 32;
  RefreshRate = 85;
  std::vector<std::vector<int>> tried;
  try {
    OpenConfiguredGraphics([&](int w, int h, int depth, int hertz) {
      tried.push_back({w, h, depth, hertz});
      return false;
    });
    FAIL() << "no error raised";
  } catch (const SettingsError& error) {
    EXPECT_STREQ(error.what(),
                 "Graphics initiation error! The game will try to open in DirectX 7 with userdefined resolution mode.");
  }
  EXPECT_EQ(tried, (std::vector<std::vector<int>>{{1280, 1024, 32, 85}, {800, 600, 0, 60}}));
}

TEST_F(Settings, ARaisedErrorEndsTheProgramWithItsTextAndCodeMinusOne) {
  testing::internal::CaptureStderr();
  const int code = RunReportingFatalErrors([]() -> int { throw SettingsError("root not found"); });
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "root not found\n");
  EXPECT_EQ(code, -1);
  EXPECT_EQ(RunReportingFatalErrors([] { return 0; }), 0);
  EXPECT_EXIT(std::exit(RunReportingFatalErrors([]() -> int { throw xmlError("settings.xml: not found"); })),
              testing::ExitedWithCode(255), "settings.xml: not found");
}
