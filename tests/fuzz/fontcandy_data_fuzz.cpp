// Arbitrary bytes as a FontCandy data file: the reader and the loader must
// never crash, and every glyph is a rectangle inside the picture.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "font_fuzz_support.h"
#include "presentation/font_data_files.h"
#include "presentation/image_fonts.h"
#include "presentation/prism_font.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (auto parsed = ParseFontCandyData(bytes)) {
    if (parsed->records.size() > size / 16) std::abort();
  }
  font_fuzz::WriteData(".dat", data, size);
  drawing::ImageFontPtr font = LoadFontCandyImageFont(font_fuzz::Picture(), 4, int(size % 5));
  if (!font) return 0;
  auto prism = std::dynamic_pointer_cast<TPrismFont>(font->Source());
  if (!prism) std::abort();
  for (size_t slot = 1; slot < prism->Glyphs.size(); ++slot) {
    if (!prism->Glyphs[slot]) continue;
    const auto& pixels = prism->Glyphs[slot]->G_Pixmap;
    if (!pixels || pixels->width() > 32 || pixels->height() > 16) std::abort();
  }
  for (int code = 0; code < 300; ++code) font->GlyphFor(code);
  return 0;
}
