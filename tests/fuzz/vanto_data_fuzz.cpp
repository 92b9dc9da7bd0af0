// Arbitrary bytes as a VANTO data file: the reader and the loader must never
// crash, and a font only ever holds glyphs the picture has frames for.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "font_fuzz_support.h"
#include "presentation/font_data_files.h"
#include "presentation/image_fonts.h"
#include "presentation/prism_font.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto parsed = ParseVantoData(bytes);
  if (parsed && parsed->records.size() > size / 24) std::abort();
  font_fuzz::WriteData(".vnt", data, size);
  drawing::ImageFontPtr font = LoadVantoImageFont(font_fuzz::Picture(), int(size % 2) * 4, int(size % 7) - 3);
  if (!font) return 0;
  auto prism = std::dynamic_pointer_cast<TPrismFont>(font->Source());
  if (!prism) std::abort();
  // The picture is 32 x 16: every glyph is one whole cell of it, and there
  // are no more glyphs than cells.
  const int cell = parsed ? parsed->cell_size : 0;
  if (cell <= 0 || cell > 16) std::abort();
  int glyphs = 0;
  for (size_t slot = 0; slot < prism->Glyphs.size(); ++slot) {
    if (!prism->Glyphs[slot] || slot == 0) continue;  // the space has a picture of its own
    ++glyphs;
    const auto& pixels = prism->Glyphs[slot]->G_Pixmap;
    if (!pixels || pixels->width() != cell || pixels->height() != cell) std::abort();
  }
  if (glyphs > (32 / cell) * (16 / cell)) std::abort();
  for (int code = 0; code < 300; ++code) font->GlyphFor(code);
  return 0;
}
