// The routines behind the options screen's lists: the languages found in
// "lang", the full-screen and refresh-rate lists of a resolution, the Mix It
// list, and the change handlers of the resolution and language lists. The
// screens own the lists and hand them in.
#pragma once

#include <string>
#include <vector>

#include "widgets/gui_dropdown.h"
#include "widgets/graphics_resolutions.h"

// Display names ("FILE_LANGUAGE" of each language) and file stems of the
// languages found, in scan order; a language's list id is its position.
extern std::vector<std::string> LanguageNames;
extern std::vector<std::string> LanguageFiles;

// Empties both lists, then registers, selects and loads every "*.lang" file
// of the folder (the game passes "lang"). The last language found stays
// current.
void ScanLanguages(const std::string& folder);

struct TOptionLists {
  TGUIDropDownPtr resolution, refreshRate, fullscreen, mode, language, mixIt;
};

// Full-screen entry ids: 0 windowed, 1 for 16 bits, 2 for 32 bits; any other
// depth is listed under its own number (and opens a window when applied).
int FullscreenEntryID(const std::string& depth);

// "NO" (id 0), then "YES - <depth> Bit" per depth of the entry. The selected
// entry id is kept when the new list has it, else "NO" is selected.
void FillFullscreenList(TGUIDropDown& list, const TGraphicsResolutions& entry);
// The entry's refresh rates, ids 0, 1, 2, ...; the selected rate is kept when
// the new list has it, else nothing is selected. Un-grays the list.
void FillRefreshRateList(TGUIDropDown& list, const TGraphicsResolutions& entry);
// The renderers this platform has, each under its settings code (0 OpenGL,
// 1 DirectX 7, 2 DirectX 9).
void FillRendererList(TGUIDropDown& list);
// Never, every minute, every 2, 3 and 5 minutes: ids 1 to 5.
void FillMixItList(TGUIDropDown& list);

// Change handler of the resolution list: `id` is the chosen entry's id, the
// 1-based position in the whole mode list.
void OnResolutionChosen(const TOptionLists& lists, int id);
// Shows the configured display settings: resolution list entry `index`, the
// configured refresh rate, depth (0, 16, 32) and renderer (0, 1, 2; 3 is
// OpenGL too). The resolution entry is only shown (it carries no entry id,
// so applying changes no resolution until the player picks one); the other
// lists' shown entries count as chosen.
void OnOptionsOpened(const TOptionLists& lists, int index, int refreshRate, int depth, int renderer);
// Change handler of the language list: `id` is the position in LanguageFiles.
// Makes the language current and configured, re-translates every caption and
// refills the lists whose texts are translated.
void OnLanguageChosen(const TOptionLists& lists, int id, std::string& configuredLanguage);
