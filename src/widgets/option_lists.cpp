#include "widgets/option_lists.h"

#include <cstdlib>
#include <optional>

#include "drawing/files.h"
#include "drawing/graphics.h"
#include "drawing/messages.h"
#include "presentation/game_skin.h"
#include "presentation/theme_host.h"
#include "support/functions.h"
#include "support/localization.h"
#include "support/text_util.h"
#include "widgets/screen_choices.h"

std::vector<std::string> LanguageNames;
std::vector<std::string> LanguageFiles;

namespace {

std::string Text(const std::string& key) { return Localization::GetString(key, ""); }

int IndexOfID(const TGUIDropDown& list, int id) {
  for (size_t i = 0; i < list.EntryList.size(); ++i) {
    if (list.EntryList[i]->entryid == id) return int(i);
  }
  return -1;
}

int IndexOfText(const TGUIDropDown& list, const std::string& text) {
  for (size_t i = 0; i < list.EntryList.size(); ++i) {
    if (list.EntryList[i]->value == text) return int(i);
  }
  return -1;
}

// Selects by position and makes the entry's id the chosen one.
void Choose(TGUIDropDown& list, int index) {
  list.SetActiveEntry(index);
  list.ListPosEntryID = list.EntryList[size_t(index)]->entryid;
}

// The mode-list entry a resolution list entry stands for.
TGraphicsResolutionsPtr ResolutionAtPosition(int id) {
  const auto& all = TGraphicsResolutions::List();
  if (id < 1 || id > int(all.size())) return nullptr;
  return all[size_t(id - 1)];
}

// The choice a resolution list entry id stands for: a position in the
// offered choices once they are made, else in the whole mode list.
std::optional<TScreenChoice> ChoiceAtID(int id) {
  if (!OfferedScreenChoices().empty()) {
    const TScreenChoice* choice = OfferedScreenChoice(id);
    return choice ? std::optional<TScreenChoice>(*choice) : std::nullopt;
  }
  const TGraphicsResolutionsPtr entry = ResolutionAtPosition(id);
  return entry ? std::optional<TScreenChoice>(ChoiceOf(*entry)) : std::nullopt;
}

std::optional<TScreenChoice> SelectedChoice(const TGUIDropDown& list) {
  if (list.ListPosClicked < 0 || list.ListPosClicked >= int(list.EntryList.size())) return std::nullopt;
  return ChoiceAtID(list.EntryList[size_t(list.ListPosClicked)]->entryid);
}

// "NO" only where a window of the size fits the desktop.
void FillFullscreen(TGUIDropDown& list, const TScreenChoice& choice) {
  const int kept = list.ListPosEntryID;
  list.ClearEntries();
  if (choice.windowed) list.AddEntry(Text("NO"), 0);
  for (const int depth : choice.depths) {
    const std::string text = std::to_string(depth);
    list.AddEntry(Text("YES") + " - " + text + " Bit", FullscreenEntryID(text));
  }
  if (list.EntryList.empty()) return;
  const int index = IndexOfID(list, kept);
  Choose(list, index >= 0 ? index : 0);
}

void FillRefreshRates(TGUIDropDown& list, const TScreenChoice& choice) {
  const std::string kept =
      list.ListPosClicked >= 0 && list.ListPosClicked < int(list.EntryList.size())
          ? list.EntryList[size_t(list.ListPosClicked)]->value
          : std::string();
  list.ClearEntries();
  for (size_t i = 0; i < choice.hertz.size(); ++i) list.AddEntry(std::to_string(choice.hertz[i]), int(i));
  const int index = IndexOfText(list, kept);
  if (index >= 0) {
    Choose(list, index);
  } else {
    list.ListPosClicked = -1;
    list.ListPosEntryID = -1;
  }
  list.grayedout = 0;
}

}  // namespace

void ScanLanguages(const std::string& folder) {
  LanguageNames.clear();
  LanguageFiles.clear();
  for (const std::string& name : drawing::ReadDir(folder)) {
    const std::string path = folder + "/" + name;
    const std::string ext = Functions::ExtractFileExt(name);
    if (ext != "lang" || ext.size() >= name.size()) continue;
    // A FIFO or device would block or never end; it is no language.
    if (!drawing::IsReadableDataFile(path)) continue;
    const std::string stem = name.substr(0, name.size() - ext.size() - 1);
    Localization::AddLanguages(stem);
    Localization::SetLanguage(stem);
    Localization::LoadResource(path);
    LanguageNames.push_back(Text("FILE_LANGUAGE"));
    LanguageFiles.push_back(stem);
  }
}

int FullscreenEntryID(const std::string& depth) {
  if (depth == "16") return 1;
  if (depth == "32") return 2;
  return std::atoi(depth.c_str());
}

void FillFullscreenList(TGUIDropDown& list, const TGraphicsResolutions& entry) { FillFullscreen(list, ChoiceOf(entry)); }

void FillRefreshRateList(TGUIDropDown& list, const TGraphicsResolutions& entry) {
  FillRefreshRates(list, ChoiceOf(entry));
}

void FillRendererList(TGUIDropDown& list) {
  struct Renderer {
    const char* name;
    int id;
  };
  constexpr Renderer kRenderers[] = {
      {"OpenGL", drawing::DRIVER_OPENGL}, {"DirectX 7", drawing::DRIVER_DIRECTX7}, {"DirectX 9", drawing::DRIVER_DIRECTX9}};
  list.ClearEntries();
  for (const Renderer& renderer : kRenderers)
    if (drawing::GraphicsDriverAvailable(renderer.id)) list.AddEntry(renderer.name, renderer.id);
}

void FillMixItList(TGUIDropDown& list) {
  const int selected = list.ListPosClicked;
  list.ClearEntries();
  list.AddEntry(Text("MIXIT_NEVER"), 1);
  list.AddEntry(Text("MIXIT_MINUTE"), 2);
  const char* minutes[] = {"2", "3", "5"};
  for (int i = 0; i < 3; ++i) list.AddEntry(ReplaceAll(Text("MIXIT_MINUTES"), "%1", minutes[i]), 3 + i);
  if (selected >= 0 && selected < int(list.EntryList.size())) list.SetActiveEntry(selected);
}

void OnResolutionChosen(const TOptionLists& lists, int id) {
  drawing::Print("should change to " + std::to_string(id));
  const std::optional<TScreenChoice> choice = ChoiceAtID(id);
  if (!choice) return;
  if (lists.fullscreen) FillFullscreen(*lists.fullscreen, *choice);
  if (lists.refreshRate) FillRefreshRates(*lists.refreshRate, *choice);
}

void OnOptionsOpened(const TOptionLists& lists, int index, int refreshRate, int depth, int renderer) {
  if (!lists.resolution || index < 0 || index >= int(lists.resolution->EntryList.size())) return;
  // The resolution is only shown: applying without a pick changes nothing.
  lists.resolution->SetActiveEntry(index);
  lists.resolution->ListPosEntryID = -1;
  const std::optional<TScreenChoice> entry = SelectedChoice(*lists.resolution);
  if (!entry) return;
  if (lists.refreshRate) {
    TGUIDropDown& rates = *lists.refreshRate;
    FillRefreshRates(rates, *entry);
    const int rate = IndexOfText(rates, std::to_string(refreshRate));
    if (rate >= 0) Choose(rates, rate);
  }
  // Full screen and renderer show what is in use and count as chosen, so
  // that applying keeps what the lists show.
  if (lists.fullscreen) {
    TGUIDropDown& fullscreen = *lists.fullscreen;
    fullscreen.ListPosEntryID = depth == 16 ? 1 : depth == 32 ? 2 : 0;
    FillFullscreen(fullscreen, *entry);
  }
  if (lists.mode) {
    // A renderer this platform lacks shows the first one, which applies as
    // "no change", so the configured value stays in the file.
    const int shown = IndexOfID(*lists.mode, renderer == 3 ? 0 : renderer);
    if (shown >= 0) {
      Choose(*lists.mode, shown);
    } else if (!lists.mode->EntryList.empty()) {
      lists.mode->SetActiveEntry(0);
      lists.mode->ListPosEntryID = -1;
    }
  }
}

void OnLanguageChosen(const TOptionLists& lists, int id, std::string& configuredLanguage) {
  if (id < 0 || id >= int(LanguageFiles.size())) return;
  const std::string& language = LanguageFiles[size_t(id)];
  Localization::SetLanguage(language);
  configuredLanguage = language;
  TGUIobject::UpdateAll("", 1);
  if (lists.fullscreen && lists.resolution) {
    if (const std::optional<TScreenChoice> entry = SelectedChoice(*lists.resolution)) {
      FillFullscreen(*lists.fullscreen, *entry);
    }
  }
  if (lists.mixIt) FillMixItList(*lists.mixIt);
  ThemeHost* host = CurrentThemeHost();
  if (!CurrentSkin || !host) return;
  for (int n = 1; n <= 4; ++n) {
    const TStoneSkinPtr& set = CurrentSkin->StoneSkin[size_t(n - 1)];
    if (!set) continue;
    // The theme's description in the new language, as a fresh load would pick it.
    set->Description = set->DescriptionIn(language);
    host->SetStoneSetCaption(n, set->Description);
  }
}
