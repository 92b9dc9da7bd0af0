#include "shell/screen_widgets.h"

#include <string>
#include <vector>

#include "drawing/desktop.h"

#include "presentation/game_skin.h"
#include "shell/game.h"
#include "shell/grade_choice.h"
#include "shell/play_values.h"
#include "shell/settings.h"
#include "support/localization.h"
#include "widgets/graphics_resolutions.h"
#include "widgets/screen_choices.h"

TScreenWidgets Widgets;

namespace {

constexpr int kAlignLeft = 0;
constexpr int kAlignCentre = 1;

TGUIButtonPtr Button(int x, int y, int width, const std::string& caption, const std::string& state,
                     const drawing::ImageFontPtr& font, int align = kAlignCentre, int grayedout = 0) {
  return TGUIButton::Create(x, y, width, 0, 1, grayedout, align, caption, state, font);
}

TGUIinputPtr TextInput(int x, int y, int width, const std::string& text, const std::string& state) {
  TGUIinputPtr input = TGUIinput::Create(x, y, width, 50, 1, text, 20, 1, state);
  input->SetCol(255, 255, 255);
  return input;
}

TGUIDropDownPtr DropDown(int x, int y, int width, const std::string& caption, int grayedout = 0) {
  return TGUIDropDown::Create(x, y, width, 0, 1, grayedout, caption, 1, "OptionMenu");
}

// Every size the display and the desktop allow (widgets/screen_choices.h);
// an entry's id is its position in the offered choices + 1.
void FillResolutionList(TGUIDropDown& list) {
  TGraphicsResolutions desktop;
  drawing::DesktopMode(desktop.scrWidth, desktop.scrHeight, desktop.scrDepth, desktop.scrHertz);
  std::vector<TScreenChoice>& choices = OfferedScreenChoices();
  choices = ScreenChoices(TGraphicsResolutions::List(), desktop);
  for (size_t i = 0; i < choices.size(); ++i) {
    list.AddEntry(std::to_string(choices[i].width) + "x" + std::to_string(choices[i].height), int(i) + 1);
  }
  ShowConfiguredDisplay();
}

void FillLanguageList(TGUIDropDown& list) {
  for (size_t i = 0; i < LanguageNames.size(); ++i) list.AddEntry(LanguageNames[i], int(i));
}

void CreateGameMenuWidgets() {
  Widgets.playerName = TextInput(320, 70, 160, PlayerName, "GameMenu");
  Widgets.gameStart = Button(320, 520, 160, "_STARTGAME", "GameMenu", nullptr);
}

void CreateStartMenuWidgets() {
  Widgets.startGame = Button(250, 300, 300, "_STARTGAME", "StartMenu", SmallImageFont);
  Widgets.repeatGame = Button(250, 340, 300, "_REPEATGAME", "StartMenu", SmallImageFont);
  Widgets.howToPlay = Button(250, 380, 300, "_HOWTOPLAYGRIDLET", "StartMenu", SmallImageFont);
  Widgets.settings = Button(250, 420, 300, "_SETTINGS", "StartMenu", SmallImageFont);
  Widgets.quitGame = Button(250, 460, 300, "_QUITGAME", "StartMenu", SmallImageFont);
}

void CreatePickerWidgets() {
  Widgets.selectNothing = Button(0, 0, 160, "_SELECTNOTHING", "SelectionMenu", SmallImageFont);
  Widgets.closePicker = Button(0, 0, 44, "X", "SelectionMenu", SmallImageFont);
}

void CreateRepeatGameWidgets() {
  Widgets.levelCode = TextInput(320, 260, 200, "", "RepeatGameMenu");
  Widgets.repeatStart = Button(210, 340, 160, "_STARTGAME", "RepeatGameMenu", SmallImageFont);
  Widgets.repeatCancel = Button(410, 340, 160, "_CANCEL", "RepeatGameMenu", SmallImageFont);
}

void CreateOptionMenuWidgets() {
  Widgets.optionApply = Button(210, 540, 160, "_APPLY", "OptionMenu", SmallImageFont);
  Widgets.optionCancel = Button(410, 540, 160, "_CANCEL", "OptionMenu", SmallImageFont);
  TOptionLists& lists = Widgets.lists;
  lists.resolution = DropDown(210, 280, 160, "_RESOLUTION");
  lists.refreshRate = DropDown(420, 280, 150, "_REFRESHRATE", 1);
  lists.fullscreen = DropDown(210, 340, 160, "_FULLSCREEN");
  lists.mode = DropDown(420, 340, 150, "_MODE");
  lists.language = DropDown(210, 430, 360, "_LANGUAGE");
  Widgets.theme = DropDown(210, 490, 360, "_SKINTHEME");

  FillRendererList(*lists.mode);
  FillResolutionList(*lists.resolution);
  lists.resolution->OnChange_ = [](int id) {
    OnResolutionChosen(Widgets.lists, id);
    return 0;
  };
  FillLanguageList(*lists.language);
  lists.language->OnChange_ = [](int id) {
    OnLanguageChosen(Widgets.lists, id, Language);
    FillGradeList(*Widgets.gradeChoice);
    return 0;
  };
  // The theme picked waits for "Apply": a switch reloads every picture and
  // may change the running game's stone set.
  Widgets.theme->OnChange_ = [](int id) {
    if (Game) Game->PendingOptions.PickTheme(id);
    return 0;
  };
}

void CreateGameSetupWidgets() {
  const char* captions[4] = {"Zahlen", "Personen", "Objekte", "X-Mas"};
  const int xs[4] = {230, 230, 410, 410};
  const int ys[4] = {325, 360, 325, 360};
  for (int i = 0; i < 4; ++i) {
    Widgets.stoneSets[size_t(i)] = Button(xs[i], ys[i], 160, captions[i], "GameMenu", SmallImageFont, kAlignLeft);
    Widgets.stoneSets[size_t(i)]->manualState = 1;
  }
  Widgets.difficulty = TGUISlider::Create(230, 205, 155, 0, 8, 1, "", 1, "GameMenu");
  Widgets.lists.mixIt = TGUIDropDown::Create(230, 255, 155, 0, 1, 0, "_MIXIT", 1, "GameMenu");
  FillMixItList(*Widgets.lists.mixIt);
}

void CreatePlayScreenWidgets() {
  const char* captions[7] = {"_NEWGAME",   "_PROPOSETURN", "_SHOWWRONGTURNS", "_SOLVEGAME",
                             "_CLEARBOARD", "_SETTINGS",    "_QUITGAME"};
  for (int i = 0; i < 7; ++i) {
    Widgets.inGame[size_t(i)] = Button(17, 29 + 34 * i, 178, captions[i], "InGame", SmallImageFont);
  }
  Widgets.help = Button(748, 557, 44, "?", "InGame", SmallImageFont);
  Widgets.infoClose = Button(320, 460, 160, "_CLOSE", "InfoBox", SmallImageFont);
}

// Widgets of the screens added later: made after all others, so that the
// older screens' widgets keep their ids.
void CreateAddedScreenWidgets() {
  Widgets.gameBack = Button(415, 520, 160, "_BACK", "GameMenuBack", nullptr);
  Widgets.preferencesOpen = Button(420, 384, 150, "_PLAYAIDS", "OptionMenu", SmallImageFont);
  const char* toggles[4] = {"_SHOWCONFLICTS", "_HIGHLIGHTDIGITS", "_AUTOREMOVENOTES", "_NUMERALNOTES"};
  for (int i = 0; i < 4; ++i) {
    TGUIButtonPtr toggle = Button(210, 250 + 72 * i, 170, toggles[i], "PreferencesPage", SmallImageFont);
    toggle->manualState = 1;
    Widgets.preferenceToggles[size_t(i)] = toggle;
  }
  Widgets.preferencesApply = Button(210, 540, 160, "_APPLY", "PreferencesPage", SmallImageFont);
  Widgets.preferencesCancel = Button(410, 540, 160, "_CANCEL", "PreferencesPage", SmallImageFont);
  Widgets.howToPrevious = Button(130, 540, 150, "_PREVIOUSPAGE", "HowToPlay", SmallImageFont);
  Widgets.howToClose = Button(325, 540, 150, "_CLOSE", "HowToPlay", SmallImageFont);
  Widgets.howToNext = Button(520, 540, 150, "_NEXTPAGE", "HowToPlay", SmallImageFont);
  Widgets.lossStartAnyway = Button(220, 330, 175, "_STARTANYWAY", "SaveLossQuestion", SmallImageFont);
  Widgets.lossBack = Button(405, 330, 175, "_BACK", "SaveLossQuestion", SmallImageFont);
  // Right of Mix It, under the level's description, above the stone sets.
  Widgets.gradeChoice = TGUIDropDown::Create(410, 287, 160, 0, 1, 0, "_GRADE", 1, "GameMenu");
  FillGradeList(*Widgets.gradeChoice);
  Widgets.gradeChoice->SetActiveEntry(0);
}

}  // namespace

void CreateScreenWidgets() {
  CreateGameMenuWidgets();
  CreateStartMenuWidgets();
  CreatePickerWidgets();
  CreateRepeatGameWidgets();
  CreateOptionMenuWidgets();
  CreateGameSetupWidgets();
  CreatePlayScreenWidgets();
  CreateAddedScreenWidgets();
}

void FillGradeList(TGUIDropDown& list) {
  const int selected = list.ListPosClicked;
  list.ClearEntries();
  const auto texts = [](std::string_view key) { return Localization::GetString(std::string(key)); };
  int id = 1;
  for (const std::string& text : GradeChoiceTexts(texts)) list.AddEntry(text, id++);
  if (selected >= 0 && selected < int(list.EntryList.size())) list.SetActiveEntry(selected);
}

void ShowConfiguredDisplay() {
  TGUIDropDown& list = *Widgets.lists.resolution;
  int configured = -1;
  for (size_t i = 0; i < list.EntryList.size(); ++i) {
    const TScreenChoice* choice = OfferedScreenChoice(list.EntryList[i]->entryid);
    if (choice && choice->width == ScreenWidth && choice->height == ScreenHeight) configured = int(i);
  }
  list.ListPosEntryID = -1;  // shown entries are not chosen ones
  if (configured >= 0) OnOptionsOpened(Widgets.lists, configured, RefreshRate, GraphicsDepth, DirectXMode);
}

void FillThemeList() {
  const auto& themes = TGameSkin::ThemeList();
  for (size_t i = 1; i < themes.size(); ++i) {
    Widgets.theme->AddEntry(themes[i]->title + "  " + themes[i]->version, themes[i]->SkinID);
  }
}
