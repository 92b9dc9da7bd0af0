#include "widgets/screen_choices.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

bool Fits(int width, int height, const TGraphicsResolutions& desktop) {
  if (desktop.scrWidth <= 0 || desktop.scrHeight <= 0) return true;
  return width <= desktop.scrWidth && height <= desktop.scrHeight;
}

bool BigEnough(int width, int height) { return width >= kSmallestScreen.width && height >= kSmallestScreen.height; }

TScreenChoice& ChoiceFor(std::vector<TScreenChoice>& choices, int width, int height) {
  for (TScreenChoice& choice : choices)
    if (choice.width == width && choice.height == height) return choice;
  TScreenChoice& added = choices.emplace_back();
  added.width = width;
  added.height = height;
  return added;
}

void AddOnce(std::vector<int>& list, int value) {
  if (std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
}

void AddTexts(std::vector<int>& list, const std::vector<std::string>& texts) {
  for (const std::string& text : texts) AddOnce(list, std::atoi(text.c_str()));
}

}  // namespace

const std::vector<TScreenSize>& ListedWindowSizes() {
  static const std::vector<TScreenSize> sizes = {
      {800, 600},   {1024, 768},  {1152, 864},  {1280, 720},  {1280, 800},  {1280, 960},  {1280, 1024},
      {1366, 768},  {1400, 1050}, {1440, 900},  {1600, 900},  {1600, 1200}, {1680, 1050}, {1920, 1080},
      {1920, 1200}, {2560, 1440}, {2560, 1600}, {3840, 2160}};
  return sizes;
}

std::vector<TScreenChoice> ScreenChoices(const std::vector<TGraphicsResolutionsPtr>& modes,
                                         const TGraphicsResolutions& desktop) {
  std::vector<TScreenChoice> choices;
  ChoiceFor(choices, kSmallestScreen.width, kSmallestScreen.height).windowed = true;
  for (const TScreenSize& size : ListedWindowSizes()) {
    if (Fits(size.width, size.height, desktop)) ChoiceFor(choices, size.width, size.height).windowed = true;
  }
  for (const TGraphicsResolutionsPtr& mode : modes) {
    if (!mode || !BigEnough(mode->scrWidth, mode->scrHeight)) continue;
    TScreenChoice& choice = ChoiceFor(choices, mode->scrWidth, mode->scrHeight);
    if (Fits(mode->scrWidth, mode->scrHeight, desktop)) choice.windowed = true;
    AddTexts(choice.depths, mode->DepthList);
    AddTexts(choice.hertz, mode->HertzList);
  }
  if (BigEnough(desktop.scrWidth, desktop.scrHeight)) {
    TScreenChoice& choice = ChoiceFor(choices, desktop.scrWidth, desktop.scrHeight);
    choice.windowed = true;
    choice.desktop = true;
    if (choice.depths.empty()) AddOnce(choice.depths, desktop.scrDepth > 16 ? 32 : 16);
    if (desktop.scrHertz > 0) AddOnce(choice.hertz, desktop.scrHertz);
  }
  std::sort(choices.begin(), choices.end(), [](const TScreenChoice& a, const TScreenChoice& b) {
    return a.width != b.width ? a.width < b.width : a.height < b.height;
  });
  return choices;
}

const TScreenChoice* FindScreenChoice(const std::vector<TScreenChoice>& choices, int width, int height) {
  for (const TScreenChoice& choice : choices)
    if (choice.width == width && choice.height == height) return &choice;
  return nullptr;
}

std::vector<TScreenChoice>& OfferedScreenChoices() {
  static std::vector<TScreenChoice> offered;
  return offered;
}

const TScreenChoice* OfferedScreenChoice(int id) {
  const std::vector<TScreenChoice>& offered = OfferedScreenChoices();
  if (id < 1 || id > int(offered.size())) return nullptr;
  return &offered[size_t(id - 1)];
}

TScreenChoice ChoiceOf(const TGraphicsResolutions& entry) {
  TScreenChoice choice;
  choice.width = entry.scrWidth;
  choice.height = entry.scrHeight;
  choice.windowed = true;
  AddTexts(choice.depths, entry.DepthList);
  AddTexts(choice.hertz, entry.HertzList);
  return choice;
}
