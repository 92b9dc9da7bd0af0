// The option menu: display mode, renderer and theme (applied with
// "_APPLY"), language (changed at once by its list, put back by "_CANCEL");
// "_APPLY" saves whatever of them differs from the settings file.
#include <algorithm>
#include <string>

#include "drawing/graphics.h"
#include "drawing/messages.h"
#include "drawing/picture_variants.h"
#include "presentation/game_skin.h"
#include "presentation/number_text.h"
#include "shell/game.h"
#include "shell/option_screen.h"
#include "shell/play_values.h"
#include "shell/screen_drawing.h"
#include "shell/screen_widgets.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "widgets/game_graphics.h"
#include "widgets/screen_choices.h"

namespace {


TListPick PickOf(const TGUIDropDown& list) { return {list.ListPosClicked, list.ListPosEntryID, list.value}; }

void RestorePick(TGUIDropDown& list, const TListPick& pick) {
  list.ListPosClicked = pick.position;
  list.ListPosEntryID = pick.id;
  list.value = pick.shown;
}

std::string SelectedText(const TGUIDropDown& list) {
  if (list.ListPosClicked < 0 || list.ListPosClicked >= int(list.EntryList.size())) return "";
  return list.EntryList[size_t(list.ListPosClicked)]->value;
}

void DrawFieldLabel(const std::string& key, const TGUIDropDown& list) {
  DrawShadowedText(Text(key) + ":", float(list.x), float(list.y - 18), 2, 2, 0.3f);
}

}  // namespace

void TGame::Update_OptionMenu() {
  if (PreferencesPage.IsOpen()) {
    Update_PreferencesPage();
    return;
  }
  NoteOptionsOpened();
  {
    TRaisedWidgets raised("OptionMenu", OptionsOverPlayScreen());
    TGUIobject::UpdateAll("OptionMenu", 0);
  }
  if (Widgets.optionApply->GetClicks()) {
    ApplyOptions();
    GameState = LastGameState;
  }
  if (Widgets.optionCancel->GetClicks()) {
    CancelOptions();
    GameState = LastGameState;
  }
  if (Widgets.preferencesOpen->GetClicks()) PreferencesPage.Open(Preferences);
}

void TGame::NoteOptionsOpened() {
  PendingOptions.Open(Language, PickOf(*Widgets.lists.language), PickOf(*Widgets.theme));
}

void TGame::ApplyOptions() {
  const TOptionLists& lists = Widgets.lists;
  const int theme = PendingOptions.PickedTheme();
  if (theme != 0 && CurrentSkin && theme != CurrentSkin->SkinID) {
    const int previousSet = CurrentSkin->ActiveStoneSkin;
    TGameSkin::ChangeToSkin(theme);
    TakeStoneSetOfTheme(previousSet);
  }
  const TScreenChoice* mode = OfferedScreenChoice(lists.resolution->ListPosEntryID);
  // The display changes only with a chosen resolution; the language took
  // effect when it was picked, and is kept here.
  if (mode && mode->width >= 800) ApplyDisplayOptions(mode->width, mode->height);
  SaveConfigIfChanged("settings.xml");
  CloseOptions();
}

void TGame::CancelOptions() {
  const std::string& before = PendingOptions.LanguageAtOpening();
  if (PendingOptions.IsOpen() && Language != before) {
    const auto found = std::find(LanguageFiles.begin(), LanguageFiles.end(), before);
    if (found != LanguageFiles.end()) OnLanguageChosen(Widgets.lists, int(found - LanguageFiles.begin()), Language);
    FillGradeList(*Widgets.gradeChoice);
  }
  if (PendingOptions.IsOpen()) {
    RestorePick(*Widgets.lists.language, PendingOptions.LanguageListAtOpening());
    RestorePick(*Widgets.theme, PendingOptions.ThemeListAtOpening());
  }
  CloseOptions();
}

void TGame::CloseOptions() {
  ShowConfiguredDisplay();
  PendingOptions.Close();
}

void TGame::ApplyDisplayOptions(int width, int height) {
  const TOptionLists& lists = Widgets.lists;
  ScreenWidth = width;
  ScreenHeight = height;
  if (lists.refreshRate->ListPosClicked > 0) RefreshRate = ParseWholeNumber(SelectedText(*lists.refreshRate));
  const int depthID = lists.fullscreen->ListPosEntryID;
  Fullscreen = depthID == 1 || depthID == 2 ? 1 : 0;
  GraphicsDepth = depthID == 1 ? 16 : depthID == 2 ? 32 : 0;
  drawing::Print(std::to_string(Fullscreen) + " " + std::to_string(depthID));
  if (lists.mode->ListPosClicked > 0) DirectXMode = lists.mode->ListPosEntryID;

  SetConfig();
  // Art of another density is loaded anew once the game area is fitted;
  // otherwise only the theme is read again, as it always was.
  const double fit = drawing::ComputeFit(drawing::GraphicsWidth(), drawing::GraphicsHeight(), 800, 600).scale;
  if (ArtSuitsScale(drawing::PictureScaleForFit(fit))) {
    CurrentSkin->LoadConfig(0);
    GameGraphics.Set(800, 600, 150, 0);
  } else {
    GameGraphics.Set(800, 600, 150, 0);
    ReloadArtForScreen();
  }
  drawing::SetBlend(drawing::ALPHABLEND);
  drawing::HideMouse();
}

void TGame::Draw_OptionMenu() {
  if (PreferencesPage.IsOpen()) {
    Draw_PreferencesPage();
    return;
  }
  const float y0 = DrawOptionsBackground();
  TRaisedWidgets raised("OptionMenu", OptionsOverPlayScreen());
  DrawFrameBox(180, y0 + 180, 420, 420);
  DrawTitle(Text("SETTINGS"), 390, y0 + 195);

  const TOptionLists& lists = Widgets.lists;
  drawing::SetImageFont(FontBold16);
  DrawShadowedText(Text("OPTION_DISPLAY") + ":", float(lists.resolution->x), float(lists.resolution->y - 40), 2, 2,
                   0.5f);
  DrawShadowedText(Text("OPTION_LOOK") + ":", float(lists.language->x), float(lists.language->y - 40), 2, 2, 0.5f);
  drawing::SetImageFont(FontBold12);
  DrawFieldLabel("SKINTHEME", *Widgets.theme);
  DrawFieldLabel("LANGUAGE", *lists.language);
  DrawFieldLabel("FULLSCREEN", *lists.fullscreen);
  DrawFieldLabel("MODE", *lists.mode);
  DrawFieldLabel("RESOLUTION", *lists.resolution);
  DrawFieldLabel("REFRESHRATE_LONG", *lists.refreshRate);
  TGUIobject::DrawAll("OptionMenu", 0);
}
