// Every widget of every screen, made once at start-up.
#pragma once

#include <array>

#include "widgets/gui_button.h"
#include "widgets/gui_dropdown.h"
#include "widgets/gui_input.h"
#include "widgets/gui_slider.h"
#include "widgets/option_lists.h"

struct TScreenWidgets {
  // Game menu.
  TGUIinputPtr playerName;
  TGUIButtonPtr gameStart;
  TGUISliderPtr difficulty;
  std::array<TGUIButtonPtr, 4> stoneSets;  // stone set n in slot n - 1
  // Start menu.
  TGUIButtonPtr startGame, repeatGame, howToPlay, settings, quitGame;
  // Number picker.
  TGUIButtonPtr selectNothing, closePicker;
  // Repeat-game menu.
  TGUIinputPtr levelCode;
  TGUIButtonPtr repeatStart, repeatCancel;
  // Option menu (the Mix It list of the game menu sits in `lists` too).
  TGUIButtonPtr optionApply, optionCancel;
  TOptionLists lists;
  TGUIDropDownPtr theme;
  // Play screen: the seven commands and the help button.
  std::array<TGUIButtonPtr, 7> inGame;
  TGUIButtonPtr help;
  // Info box.
  TGUIButtonPtr infoClose;
  // Game menu over a suspended game: the way back to it.
  TGUIButtonPtr gameBack;
  // Option menu: the page of the play aids, its toggles and its two buttons.
  TGUIButtonPtr preferencesOpen;
  std::array<TGUIButtonPtr, 4> preferenceToggles;
  TGUIButtonPtr preferencesApply, preferencesCancel;
  // How to play: leafing through the pages, and back to the start menu.
  TGUIButtonPtr howToPrevious, howToNext, howToClose;
  // Start menu: the question before a new puzzle replaces the saved game.
  TGUIButtonPtr lossStartAnyway, lossBack;
  // Game menu: the grade a new puzzle is built to ("any": the slider's levels).
  TGUIDropDownPtr gradeChoice;
};

extern TScreenWidgets Widgets;

// The grade list's entries in the current language; the choice stays.
void FillGradeList(TGUIDropDown& list);

// In-game command buttons by position.
enum InGameCommand { kNewGame = 0, kHint, kShowWrong, kSolve, kClearBoard, kSettings, kQuitToMenu };

// Creates the widgets in their start-up order and fills the option lists.
void CreateScreenWidgets();
// The display lists show the configured mode; nothing counts as chosen.
void ShowConfiguredDisplay();
// Adds one entry per theme but the first to the theme list.
void FillThemeList();
