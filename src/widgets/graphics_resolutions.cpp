#include "widgets/graphics_resolutions.h"

#include <algorithm>

namespace {

std::vector<TGraphicsResolutionsPtr>& Entries() {
  static std::vector<TGraphicsResolutionsPtr> entries;
  return entries;
}

int& LastID() {
  static int last = 0;
  return last;
}

void AddOnce(std::vector<std::string>& list, const std::string& text) {
  if (std::find(list.begin(), list.end(), text) == list.end()) list.push_back(text);
}

}  // namespace

TGraphicsResolutionsPtr TGraphicsResolutions::Create(int width, int height, int depth, int hertz, float ratio) {
  for (const TGraphicsResolutionsPtr& entry : Entries()) {
    if (entry->scrWidth == width && entry->scrHeight == height) {
      AddOnce(entry->DepthList, std::to_string(depth));
      AddOnce(entry->HertzList, std::to_string(hertz));
      return entry;
    }
  }
  auto entry = std::make_shared<TGraphicsResolutions>();
  entry->scrWidth = width;
  entry->scrHeight = height;
  entry->scrDepth = depth;
  entry->scrHertz = hertz;
  entry->scrRatio = ratio;
  entry->graphicsID = ++LastID();
  entry->DepthList.push_back(std::to_string(depth));
  entry->HertzList.push_back(std::to_string(hertz));
  Entries().push_back(entry);
  return entry;
}

TGraphicsResolutionsPtr TGraphicsResolutions::GetByResolution(int width, int height, int depth) {
  for (const TGraphicsResolutionsPtr& entry : Entries()) {
    if (entry->scrWidth == width && entry->scrHeight == height && entry->scrDepth == depth) return entry;
  }
  return nullptr;
}

TGraphicsResolutionsPtr TGraphicsResolutions::GetByID(int id) {
  for (const TGraphicsResolutionsPtr& entry : Entries()) {
    if (entry->graphicsID == id) return entry;
  }
  return nullptr;
}

const std::vector<TGraphicsResolutionsPtr>& TGraphicsResolutions::List() { return Entries(); }

void TGraphicsResolutions::Clear() {
  Entries().clear();
  LastID() = 0;
}
