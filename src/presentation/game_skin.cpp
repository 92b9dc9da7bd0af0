#include "presentation/game_skin.h"

#include "drawing/files.h"
#include "drawing/messages.h"
#include "presentation/px_sprite_pack.h"
#include "presentation/theme_host.h"
#include "support/text_util.h"
#include "support/xml_document.h"

TGameSkinPtr CurrentSkin;

namespace {

int& ThemesCreated() {
  static int created = 0;
  return created;
}

// A section of the configuration: the first child of that exact name, or
// else the first one deeper down in document order.
xmlNodePtr FindSection(const xmlNodePtr& root, const std::string& name) {
  if (xmlNodePtr direct = root->FindChild(name, false, true)) return direct;
  return root->FindChild(name, true, true);
}

// One region of the nine-part frame picture.
struct FrameRegion {
  const char* name;
  int x, y, w, h;
};
constexpr FrameRegion kFrameRegions[] = {
    {"TopLeft", 0, 0, 22, 22},       {"TopRight", 99, 0, 27, 22},      {"BottomLeft", 0, 99, 22, 27},
    {"BottomRight", 99, 99, 27, 27}, {"BorderLeft", 0, 23, 22, 75},    {"BorderRight", 99, 23, 27, 75},
    {"BorderTop", 23, 0, 75, 22},    {"BorderBottom", 23, 99, 75, 27}, {"Back", 23, 23, 75, 75},
};

drawing::ImagePtr PlainImageOf(const TSpritesPtr& sprite) { return sprite ? sprite->image.plain : nullptr; }

}  // namespace

std::vector<TGameSkinPtr>& TGameSkin::ThemeList() {
  static std::vector<TGameSkinPtr> themes;
  return themes;
}

TGameSkinPtr TGameSkin::Create(const std::string& path) {
  auto skin = std::make_shared<TGameSkin>();
  skin->SpritesPack = TSpritesPack::Create();
  skin->skinpath = path;
  skin->SkinID = ++ThemesCreated();
  ThemeList().push_back(skin);
  return skin;
}

void TGameSkin::LoadThemeList() {
  for (const std::string& entry : drawing::ReadDir("themes")) {
    const std::string folder = "themes/" + entry;
    if (drawing::FileType(folder) != drawing::FILETYPE_DIR) continue;
    if (!drawing::IsReadableDataFile(folder + "/config.xml")) continue;
    TGameSkinPtr skin = Create(folder);
    skin->LoadConfig(1);
    drawing::Print(drawing::LogValue(skin->title));
  }
}

void TGameSkin::SetSkinByID(int id) {
  for (const TGameSkinPtr& skin : ThemeList()) {
    if (skin->SkinID == id) {
      CurrentSkin = skin;
      return;
    }
  }
}

std::shared_ptr<TPX_SpritePack>& TGameSkin::FramePack() {
  static std::shared_ptr<TPX_SpritePack> pack;
  return pack;
}

void TGameSkin::RefreshImages() {
  if (!CurrentSkin) return;
  const TSpritesPack& pack = *CurrentSkin->SpritesPack;
  if (ThemeHost* host = CurrentThemeHost()) {
    host->SetWidgetImages(PlainImageOf(pack.GetSprite("gui_button")), PlainImageOf(pack.GetSprite("gui_slider")),
                          PlainImageOf(pack.GetSprite("gui_input")), PlainImageOf(pack.GetSprite("gui_dropdown")));
  }
  auto frames = TPX_SpritePack::Create(PlainImageOf(pack.GetSprite("rectangle")));
  for (const FrameRegion& region : kFrameRegions) {
    frames->AddSprite(region.name, float(region.x), float(region.y), float(region.w), float(region.h), -1);
  }
  FramePack() = frames;
}

void TGameSkin::ChangeToSkin(int id) {
  // The stone set in use goes over to the new theme when it has one.
  const int stoneSet = CurrentSkin ? CurrentSkin->ActiveStoneSkin : 1;
  SetSkinByID(id);
  if (!CurrentSkin) return;
  CurrentSkin->LoadConfig(0);
  if (ThemeHost* host = CurrentThemeHost()) host->SetGameFonts(CurrentSkin->SmallImageFont, CurrentSkin->ImageFont);
  RefreshImages();
  CurrentSkin->SetActiveStoneSkin(CurrentSkin->HasStoneSet(stoneSet) ? stoneSet : 1);
}

bool TGameSkin::HasStoneSet(int n) const {
  if (n < 1 || n > int(StoneSkin.size())) return false;
  const TStoneSkinPtr& set = StoneSkin[size_t(n - 1)];
  return set && set->Image;
}

TStoneSkinPtr TGameSkin::getActiveStoneSkin() const {
  if (ActiveStoneSkin < 1 || ActiveStoneSkin > int(StoneSkin.size())) return nullptr;
  return StoneSkin[size_t(ActiveStoneSkin - 1)];
}

void TGameSkin::SetActiveStoneSkin(int n) { ActiveStoneSkin = (n >= 1 && n <= 4) ? n : 1; }

std::string TGameSkin::ReplaceVariables(const std::string& text) const {
  return ReplaceAll(ReplaceAll(text, "%THEMEDIR%", skinpath), "%BASETHEME%", kBaseTheme);
}

void TGameSkin::LoadConfig(int infoOnly) {
  SpritesPack->Clear();
  effect1_enabled = 0;
  LoadConfigDocument(*xmlDocument::Create(skinpath + "/config.xml", 0), infoOnly);
}

void TGameSkin::LoadConfigDocument(const xmlDocument& document, int infoOnly) {
  SpritesPack->Clear();
  effect1_enabled = 0;
  const xmlNodePtr root = document.RootNode();
  if (!root || root->Name != "theme") throw ThemeError("'theme' not found");
  const xmlNodePtr info = FindSection(root, "info");
  if (!info) throw ThemeError("'info' not found");
  for (const xmlNodePtr& child : info->ChildList()) {
    const std::string field = UpperAscii(child->Name);
    if (field == "TITLE") title = child->Value;
    if (field == "VERSION") version = child->Value;
    if (field == "AUTHOR") author = child->Value;
    if (field == "DATE_FROM") date_from = child->Value;
    if (field == "DATE_UPDATE") date_update = child->Value;
    if (field == "AUTHOR_URL") author_url = child->Value;
  }
  if (infoOnly) return;
  const xmlNodePtr settings = FindSection(root, "settings");
  if (!settings) throw ThemeError("'settings' not found");
  // Copy: loading a stone set takes sprites out of the pack, never nodes out
  // of the document, but the walk should not depend on that.
  const xmlNode::ChildContainer elements = settings->ChildList();
  for (const xmlNodePtr& element : elements) LoadSettingsElement(element);
}
