// The option menu's page of the play aids: one toggle per preference with
// a line on what it does; "_APPLY" keeps and saves, "_CANCEL" forgets.
#include <string>

#include "drawing/graphics.h"
#include "shell/game.h"
#include "shell/option_screen.h"
#include "shell/play_values.h"
#include "shell/screen_drawing.h"
#include "shell/screen_widgets.h"
#include "support/functions.h"

namespace {

bool TPreferences::*const kToggleFields[TPreferencesPage::kToggles] = {
    &TPreferences::showConflicts, &TPreferences::highlight, &TPreferences::autoRemoveNotes,
    &TPreferences::numeralNotes};
const char* const kToggleTexts[TPreferencesPage::kToggles] = {"PLAYAIDS_CONFLICTS_TEXT", "PLAYAIDS_HIGHLIGHT_TEXT",
                                                              "PLAYAIDS_NOTES_TEXT", "PLAYAIDS_NUMERALS_TEXT"};
const char kStateName[] = "PreferencesPage";


// The toggles look pressed while their preference is on.
void ShowToggleStates(const TPreferencesPage& page) {
  for (int i = 0; i < TPreferencesPage::kToggles; ++i) Widgets.preferenceToggles[size_t(i)]->on = page.IsOn(i) ? 1 : 0;
}

// Under each toggle its state in words beside a lamp, lit when on: the
// pressed look alone was too faint to tell on from off.
void DrawToggleState(bool on, float x, float y) {
  constexpr float kLamp = 10;
  drawing::SetColor(0, 0, 0);
  drawing::SetAlpha(0.5f);
  drawing::DrawOval(x - 1, y - 1, kLamp + 2, kLamp + 2);
  drawing::SetAlpha(1);
  if (on) {
    drawing::SetColor(120, 235, 140);
  } else {
    drawing::SetColor(70, 76, 88);
  }
  drawing::DrawOval(x, y, kLamp, kLamp);
  drawing::SetImageFont(FontBold12);
  DrawShadowedText(Text(on ? "PLAYAIDS_ON" : "PLAYAIDS_OFF"), x + kLamp + 6, y - 2, 1, 1, 0.5f);
  drawing::SetColor(255, 255, 255);
}

}  // namespace

void TPreferencesPage::Toggle(int index) {
  if (index < 0 || index >= kToggles) return;
  draft_.*kToggleFields[index] = !(draft_.*kToggleFields[index]);
}

bool TPreferencesPage::IsOn(int index) const {
  return index >= 0 && index < kToggles && draft_.*kToggleFields[index];
}

void TGame::Update_PreferencesPage() {
  {
    TRaisedWidgets raised(kStateName, OptionsOverPlayScreen());
    TGUIobject::UpdateAll(kStateName, 0);
  }
  for (int i = 0; i < TPreferencesPage::kToggles; ++i) {
    if (Widgets.preferenceToggles[size_t(i)]->GetClicks()) PreferencesPage.Toggle(i);
  }
  if (Widgets.preferencesApply->GetClicks()) {
    Preferences = PreferencesPage.Apply();
    SavePreferences(Preferences, kPreferencesFile);
  }
  if (Widgets.preferencesCancel->GetClicks()) PreferencesPage.Cancel();
  ShowToggleStates(PreferencesPage);
}

void TGame::Draw_PreferencesPage() {
  const float y0 = DrawOptionsBackground();
  TRaisedWidgets raised(kStateName, OptionsOverPlayScreen());
  // The page opened in this update: its first frame already shows the draft.
  ShowToggleStates(PreferencesPage);
  DrawFrameBox(180, y0 + 180, 420, 420);
  DrawTitle(Text("PLAYAIDS"), 390, y0 + 195);
  for (int i = 0; i < TPreferencesPage::kToggles; ++i) {
    const TGUIButton& toggle = *Widgets.preferenceToggles[size_t(i)];
    const std::string text = Text(kToggleTexts[i]);
    const float x = float(toggle.x + toggle.width + 15);
    const float y = float(toggle.y);
    drawing::SetAlpha(0.3f);
    Functions::BlockText(text, x + 1, y + 1, 180, 70, 0, Font10, 0, 0, 0, 0);
    drawing::SetAlpha(1);
    Functions::BlockText(text, x, y, 180, 70, 0, Font10, 255, 255, 255, 0);
  }
  TGUIobject::DrawAll(kStateName, 0);
  for (int i = 0; i < TPreferencesPage::kToggles; ++i) {
    const TGUIButton& toggle = *Widgets.preferenceToggles[size_t(i)];
    DrawToggleState(PreferencesPage.IsOn(i), float(toggle.x + 6), float(toggle.y + toggle.height + 3));
  }
}
