// The display-mode list and the options screen's list routines.
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "drawing/files.h"
#include "drawing/graphics.h"
#include "drawing/messages.h"
#include "presentation/game_skin.h"
#include "widget_fixture.h"
#include "widgets/graphics_resolutions.h"
#include "widgets/gui_input.h"
#include "widgets/option_lists.h"
#include "widgets/widget_theme_host.h"

namespace {

class DisplayModes : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    TGraphicsResolutions::Clear();
  }
  void TearDown() override {
    TGraphicsResolutions::Clear();
    CurrentSkin.reset();
    drawing::SetPrintHook({});
    WidgetTest::TearDown();
  }
};

std::vector<std::string> Texts(const TGUIDropDown& list) {
  std::vector<std::string> texts;
  for (const auto& entry : list.EntryList) texts.push_back(entry->value);
  return texts;
}

std::vector<int> Ids(const TGUIDropDown& list) {
  std::vector<int> ids;
  for (const auto& entry : list.EntryList) ids.push_back(entry->entryid);
  return ids;
}

}  // namespace

TEST_F(DisplayModes, ModesAreMergedBySize) {
  auto first = TGraphicsResolutions::Create(800, 600, 16, 60, 800.0f / 600.0f);
  TGraphicsResolutions::Create(800, 600, 32, 60, 800.0f / 600.0f);
  TGraphicsResolutions::Create(800, 600, 16, 75, 800.0f / 600.0f);
  auto second = TGraphicsResolutions::Create(1024, 768, 32, 85, 1024.0f / 768.0f);
  ASSERT_EQ(TGraphicsResolutions::List().size(), 2u);
  EXPECT_EQ(first->graphicsID, 1);
  EXPECT_EQ(first->scrDepth, 16);
  EXPECT_EQ(first->scrHertz, 60);
  EXPECT_EQ(first->DepthList, (std::vector<std::string>{"16", "32"}));
  EXPECT_EQ(first->HertzList, (std::vector<std::string>{"60", "75"}));
  EXPECT_EQ(second->graphicsID, 2);

  EXPECT_EQ(TGraphicsResolutions::GetByResolution(800, 600, 32), nullptr) << "only the first mode's depth counts";
  EXPECT_EQ(TGraphicsResolutions::GetByResolution(800, 600, 16), first);
  EXPECT_EQ(TGraphicsResolutions::GetByID(2), second);
  EXPECT_EQ(TGraphicsResolutions::GetByID(3), nullptr);
}

TEST_F(DisplayModes, TheDriversModesFillTheListOnceInItsOrder) {
  GameGraphics.FillResolutionList();
  const auto& list = TGraphicsResolutions::List();
  ASSERT_FALSE(list.empty());
  ASSERT_TRUE(GameGraphics.Resolutions);
  int w, h, d, hz;
  ASSERT_TRUE(drawing::GetGraphicsMode(0, w, h, d, hz));
  EXPECT_EQ(list[0]->scrWidth, w);
  EXPECT_EQ(list[0]->scrHeight, h);
  for (size_t i = 0; i < list.size(); ++i) {
    EXPECT_EQ(list[i]->graphicsID, int(i) + 1);
    EXPECT_FLOAT_EQ(list[i]->scrRatio, float(list[i]->scrWidth) / float(list[i]->scrHeight));
  }
  const auto entry800 = TGraphicsResolutions::GetByResolution(800, 600, 16);
  ASSERT_TRUE(entry800);
  EXPECT_EQ(entry800->DepthList, (std::vector<std::string>{"16", "32"}));

  const size_t count = list.size();
  GameGraphics.FillResolutionList();  // the start-up fills it twice
  EXPECT_EQ(list.size(), count);
  EXPECT_EQ(entry800->DepthList.size(), 2u);
  EXPECT_EQ(entry800->HertzList, std::vector<std::string>{"60"});
}

namespace {

class OptionScreen : public DisplayModes {
 protected:
  void SetUp() override {
    DisplayModes::SetUp();
    files_.Write("english", "[x]\nFILE_LANGUAGE=English\nNO=No\nYES=Yes\nFULLSCREEN=Full screen\nMIXIT=Mix it\n"
                            "MIXIT_NEVER=never\nMIXIT_MINUTE=every minute\nMIXIT_MINUTES=every %1 minutes\n");
    files_.Write("german", "[x]\nFILE_LANGUAGE=Deutsch\nNO=Nein\nYES=Ja\nFULLSCREEN=Vollbild\nMIXIT=Mischen\n"
                           "MIXIT_NEVER=nie\nMIXIT_MINUTE=jede Minute\nMIXIT_MINUTES=alle %1 Minuten\n");
    std::ofstream(files_.Folder() + "/notes.txt") << "[x]\nFILE_LANGUAGE=Notes\n";
    std::filesystem::create_directories(files_.Folder() + "/folder.lang");
    // Neither a FIFO (reading it would block) nor a file past the size limit
    // is a language.
    ::mkfifo((files_.Folder() + "/piped.lang").c_str(), 0644);
    std::ofstream(files_.Folder() + "/huge.lang").seekp(drawing::kMaxDataFileBytes) << 'x';
    ScanLanguages(files_.Folder());
    Localization::SetLanguage("english");
    // 1: 640x480 (16), 2: 800x600 (16, 32; 60, 75), 3: 1024x768 (32 only).
    TGraphicsResolutions::Create(640, 480, 16, 60, 0);
    TGraphicsResolutions::Create(800, 600, 16, 60, 0);
    TGraphicsResolutions::Create(800, 600, 32, 75, 0);
    TGraphicsResolutions::Create(1024, 768, 32, 60, 0);
    lists_.resolution = TGUIDropDown::Create(210, 280, 160, 0, 1, 0, "_RESOLUTION", 1, "OptionMenu");
    lists_.resolution->AddEntry("800x600", 2);
    lists_.resolution->AddEntry("1024x768", 3);
    lists_.refreshRate = TGUIDropDown::Create(420, 280, 150, 0, 1, 1, "_REFRESHRATE", 1, "OptionMenu");
    lists_.fullscreen = TGUIDropDown::Create(210, 340, 160, 0, 1, 0, "_FULLSCREEN", 1, "OptionMenu");
    lists_.mode = TGUIDropDown::Create(420, 340, 150, 0, 1, 0, "_MODE", 1, "OptionMenu");
    lists_.mode->AddEntry("OpenGL", 0);
    lists_.mode->AddEntry("DirectX 7", 1);
    lists_.mode->AddEntry("DirectX 9", 2);
    lists_.mixIt = TGUIDropDown::Create(230, 255, 155, 0, 1, 0, "_MIXIT", 1, "GameMenu");
  }
  LangFolder files_;
  TOptionLists lists_;
};

}  // namespace

TEST_F(OptionScreen, FullScreenListOffersEveryDepthOfTheResolution) {
  FillFullscreenList(*lists_.fullscreen, *TGraphicsResolutions::GetByID(2));
  EXPECT_EQ(Texts(*lists_.fullscreen), (std::vector<std::string>{"No", "Yes - 16 Bit", "Yes - 32 Bit"}));
  EXPECT_EQ(Ids(*lists_.fullscreen), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(lists_.fullscreen->value, "No");

  // A size with one single mode still offers its depth, under the id its depth means.
  lists_.fullscreen->SetActiveEntry(2);
  lists_.fullscreen->ListPosEntryID = 2;
  FillFullscreenList(*lists_.fullscreen, *TGraphicsResolutions::GetByID(3));
  EXPECT_EQ(Texts(*lists_.fullscreen), (std::vector<std::string>{"No", "Yes - 32 Bit"}));
  EXPECT_EQ(Ids(*lists_.fullscreen), (std::vector<int>{0, 2}));
  EXPECT_EQ(lists_.fullscreen->value, "Yes - 32 Bit") << "the chosen depth stays chosen";
  EXPECT_EQ(lists_.fullscreen->ListPosClicked, 1);

  FillFullscreenList(*lists_.fullscreen, *TGraphicsResolutions::GetByID(1));
  EXPECT_EQ(lists_.fullscreen->value, "No") << "a depth the size lacks falls back to a window";
  EXPECT_EQ(lists_.fullscreen->ListPosEntryID, 0);
}

TEST_F(OptionScreen, ChoosingAResolutionRefillsItsLists) {
  std::vector<std::string> log;
  drawing::SetPrintHook([&](const std::string& line) { log.push_back(line); });
  lists_.resolution->OnChange_ = [this](int id) {
    OnResolutionChosen(lists_, id);
    return 0;
  };
  EXPECT_EQ(lists_.refreshRate->grayedout, 1);
  OnResolutionChosen(lists_, 2);
  EXPECT_EQ(log, std::vector<std::string>{"should change to 2"});
  EXPECT_EQ(Texts(*lists_.refreshRate), (std::vector<std::string>{"60", "75"}));
  EXPECT_EQ(Ids(*lists_.refreshRate), (std::vector<int>{0, 1}));
  EXPECT_EQ(lists_.refreshRate->grayedout, 0);
  EXPECT_EQ(Texts(*lists_.fullscreen).size(), 3u);

  OnResolutionChosen(lists_, 99);  // no such position: nothing changes
  EXPECT_EQ(Texts(*lists_.refreshRate).size(), 2u);
}

TEST_F(OptionScreen, OpeningTheScreenShowsTheSettingsInUse) {
  OnOptionsOpened(lists_, 0, 75, 32, 1);
  EXPECT_EQ(lists_.resolution->value, "800x600");
  EXPECT_EQ(lists_.resolution->ListPosClicked, 0);
  EXPECT_EQ(lists_.resolution->ListPosEntryID, -1) << "applying without a pick changes no resolution";
  EXPECT_EQ(lists_.refreshRate->value, "75");
  EXPECT_EQ(lists_.refreshRate->ListPosClicked, 1);
  EXPECT_EQ(lists_.refreshRate->grayedout, 0);
  EXPECT_EQ(lists_.fullscreen->value, "Yes - 32 Bit");
  EXPECT_EQ(lists_.fullscreen->ListPosEntryID, 2);
  EXPECT_EQ(lists_.mode->value, "DirectX 7");
  EXPECT_EQ(lists_.mode->ListPosEntryID, 1);

  OnOptionsOpened(lists_, 1, 60, 0, 3);
  EXPECT_EQ(lists_.resolution->value, "1024x768");
  EXPECT_EQ(lists_.refreshRate->value, "60");
  EXPECT_EQ(lists_.fullscreen->value, "No");
  EXPECT_EQ(lists_.mode->value, "OpenGL") << "renderer code 3 is OpenGL";
}

TEST_F(OptionScreen, ChoosingALanguageTranslatesEverythingAgain) {
  EXPECT_EQ(LanguageNames, (std::vector<std::string>{"English", "Deutsch"}));
  EXPECT_EQ(LanguageFiles, (std::vector<std::string>{"english", "german"}));

  auto host = std::make_shared<TWidgetThemeHost>();
  auto stones = TGUIButton::Create(230, 325, 160, 0, 1, 0, 0, "Zahlen", "GameMenu", nullptr);
  host->StoneSetButtons[0] = stones;
  SetThemeHost(host);
  CurrentSkin = std::make_shared<TGameSkin>();
  CurrentSkin->StoneSkin[0] = TStoneSkin::Create(nullptr, nullptr, 9, "Ziffern", 0, 0);

  lists_.mixIt->SetActiveEntry(2);
  FillMixItList(*lists_.mixIt);
  EXPECT_EQ(Texts(*lists_.mixIt), (std::vector<std::string>{"never", "every minute", "every 2 minutes",
                                                             "every 3 minutes", "every 5 minutes"}));
  EXPECT_EQ(Ids(*lists_.mixIt), (std::vector<int>{1, 2, 3, 4, 5}));
  OnOptionsOpened(lists_, 0, 60, 16, 0);
  TGUIobject::UpdateAll("OptionMenu", 0);

  std::string configured = "english";
  OnLanguageChosen(lists_, 1, configured);
  EXPECT_EQ(configured, "german");
  EXPECT_EQ(Localization::Language(), "german");
  EXPECT_EQ(Texts(*lists_.fullscreen), (std::vector<std::string>{"Nein", "Ja - 16 Bit", "Ja - 32 Bit"}));
  EXPECT_EQ(lists_.fullscreen->value, "Ja - 16 Bit");
  EXPECT_EQ(Texts(*lists_.mixIt)[4], "alle 5 Minuten");
  EXPECT_EQ(lists_.mixIt->value, "alle 2 Minuten") << "the Mix It choice is kept";
  EXPECT_EQ(stones->value, "Ziffern");

  OnLanguageChosen(lists_, 7, configured);  // no such language
  EXPECT_EQ(configured, "german");
}

TEST_F(OptionScreen, ThemesHandTheirPicturesAndFontToTheWidgets) {
  auto host = std::make_shared<TWidgetThemeHost>();
  auto strip = drawing::CreateImage(22, 18, 18, 0);
  host->SetWidgetImages(strip, nullptr, nullptr, nullptr);
  EXPECT_EQ(GUIResources.button, strip);
  host->SetWidgetImages(nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(GUIResources.button, strip) << "a missing picture keeps the one in use";

  auto font = drawing::DefaultImageFont();
  host->SetGameFonts(font, nullptr);
  for (const auto& widget : GUIObjectList) EXPECT_EQ(widget->UseFont, font);
  auto later = TGUIButton::Create(0, 0, 10, 0, 1, 0, 1, "x", "S", nullptr);
  auto input = TGUIinput::Create(0, 0, 50, 30, 1, "", 5, 1, "S");
  EXPECT_EQ(input->UseFont, font) << "widgets made later take it too";
  EXPECT_EQ(later->UseFont, GUIResources.textFont) << "buttons without a font take the text font";
}

TEST_F(OptionScreen, TheRendererListOffersOnlyRenderersThisPlatformHas) {
  FillRendererList(*lists_.mode);
  ASSERT_FALSE(lists_.mode->EntryList.empty());
  for (const int id : Ids(*lists_.mode)) EXPECT_TRUE(drawing::GraphicsDriverAvailable(id)) << "renderer " << id;
  for (const int id : {int(drawing::DRIVER_DIRECTX7), int(drawing::DRIVER_DIRECTX9)}) {
    const std::vector<int> ids = Ids(*lists_.mode);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), id), drawing::GraphicsDriverAvailable(id) ? 1 : 0);
  }
  EXPECT_EQ(Texts(*lists_.mode).front(), "OpenGL");

  // A settings file naming a renderer missing here shows the first one; it
  // is not chosen, so applying leaves the file's value alone.
  if (!drawing::GraphicsDriverAvailable(drawing::DRIVER_DIRECTX9)) {
    OnOptionsOpened(lists_, 0, 60, 0, drawing::DRIVER_DIRECTX9);
    EXPECT_EQ(lists_.mode->value, "OpenGL");
    EXPECT_EQ(lists_.mode->ListPosClicked, 0);
    EXPECT_EQ(lists_.mode->ListPosEntryID, -1);
  }
  OnOptionsOpened(lists_, 0, 60, 0, 3);
  EXPECT_EQ(lists_.mode->value, "OpenGL") << "renderer code 3 is OpenGL";
  EXPECT_EQ(lists_.mode->ListPosEntryID, 0);
}
