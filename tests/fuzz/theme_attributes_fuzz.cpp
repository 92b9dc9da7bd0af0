// Arbitrary text as a theme configuration: attribute values of every kind
// (numbers, paths, colours, fonts, stone sets) must never crash the loader;
// the only failures allowed are the theme and XML errors. The theme folder
// is a scratch folder with pictures and fonts for %THEMEDIR% to name; the
// working folder is left alone (libFuzzer reads its corpus relative to it),
// so base-theme fallbacks find nothing, as in a damaged installation.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "drawing/messages.h"
#include "drawing/pixmap.h"
#include "presentation/game_skin.h"
#include "support/localization.h"
#include "support/xml_document.h"

namespace {

void WritePicture(const std::filesystem::path& path, int w, int h) {
  drawing::PixmapPtr picture = drawing::Pixmap::Create(w, h);
  picture->ClearPixels(0xFF808080);
  drawing::SavePixmapPNG(*picture, path.string(), 1);
}

void WriteFont(const std::filesystem::path& png) {
  WritePicture(png, 16, 8);
  std::ofstream data(std::filesystem::path(png).replace_extension(".vnt"), std::ios::binary);
  const int32_t header[] = {2, 8, 9, 4, 'A', 8, 8, 0, 0, 0x41000000};
  data.write(reinterpret_cast<const char*>(header), sizeof header);
}

// Removes the scratch folder when the fuzzer ends.
struct ScratchFolder {
  std::filesystem::path path;
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

std::string PrepareFolder() {
  static const ScratchFolder scratch{std::filesystem::temp_directory_path() /
                                     ("gridlet_theme_fuzz_" + std::to_string(::getpid()))};
  const auto theme = scratch.path / "themes" / "fuzz";
  std::filesystem::create_directories(theme);
  for (const char* file : {"bg.png", "field.png", "time.png", "rectangle.png", "star.png"}) {
    WritePicture(theme / file, 30, 20);
  }
  WritePicture(theme / "stones.png", 90, 10);
  WritePicture(theme / "stonesbg.png", 20, 10);
  WriteFont(theme / "imagefont.png");
  WriteFont(theme / "smallimagefont.png");
  drawing::SetNotifyHook([](const std::string&, bool) {});
  drawing::SetPrintHook([](const std::string&) {});
  Localization::AddLanguages("german,english");
  Localization::SetLanguage("german");
  return theme.string();
}

// Attribute values may not leave the scratch folder: no absolute paths, no "..".
void KeepPathsInside(const xmlNodePtr& node) {
  for (const xmlAttributePtr& attribute : node->AttributeList()) {
    std::string& value = attribute->Value;
    for (size_t at; (at = value.find("..")) != std::string::npos;) value.replace(at, 2, "__");
    while (!value.empty() && (value[0] == '/' || value[0] == '\\')) value.erase(0, 1);
  }
  for (const xmlNodePtr& child : node->ChildList()) KeepPathsInside(child);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TGameSkinPtr skin = TGameSkin::Create(PrepareFolder());
  auto document = xmlDocument::Create();
  try {
    document->LoadFromBytes(std::string(reinterpret_cast<const char*>(data), size), "fuzz");
  } catch (const xmlError&) {
    return 0;
  }
  if (document->RootNode()) KeepPathsInside(document->RootNode());
  try {
    skin->LoadConfigDocument(*document, 0);
  } catch (const ThemeError&) {
  }
  skin->SetActiveStoneSkin(int(size % 7) - 1);
  if (auto stones = skin->getActiveStoneSkin()) {
    if (!stones->Image || !stones->BGImage) __builtin_trap();
  }
  return 0;
}
