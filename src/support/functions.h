// Static helpers of the game: number and text conversions, file names, the
// word-wrapping text block, the framed box and the mouse hit test.
#pragma once

#include <memory>
#include <string>

#include "drawing/font.h"
#include "drawing/graphics.h"
#include "engine/board.h"
#include "support/text_util.h"

class Functions {
 public:
  // Upper-case hexadecimal without leading zeros (negative values as their
  // 32-bit two's complement); 0 gives the empty text.
  static std::string dez2hex(int n);
  // Upper-case hexadecimal text to int; other characters count 0, and
  // values past the int range wrap modulo 2^32.
  static int hex2dez(const std::string& text);
  static std::string prove4zeros(const std::string& text);
  // The part after the last backslash / the last "." (a separator in the
  // first place does not count); the whole path when there is none.
  static std::string ExtractFileName(const std::string& path);
  static std::string ExtractFileExt(const std::string& path);

  // Draws text into the box with its top-left at (x, y), in one shortened
  // line ending in ".." (singleLine not 0) or word-wrapped at blanks, after
  // hyphens and at carriage returns, the last line that fits ending in " ..."
  // when more would follow. align: 0 left, 1 centred, 2 right. A null font
  // means the current one. The drawing state is restored afterwards.
  static int BlockText(const std::string& text, float x, float y, int width, int height, int align,
                       const drawing::ImageFontPtr& font, int r, int g, int b, int singleLine);
  // 1 when the pointer (window pixels) is inside the box, edges included.
  static int MouseIsInRect(float x, float y, float width, float height);
  // A framed box whose outer edge is exactly the rectangle, built from the
  // nine sprites "TopLeft" ... "Back" of a fixed-grid sprite pack (any pack
  // whose GetSprite(name) yields sprites with w, h, Draw and TileDraw).
  template <class Pack>
  static int DrawGFXRect(const std::shared_ptr<Pack>& pack, float x, float y, float width, float height);

  // 1 for the powers of two from 2 to 512.
  static int TestPot(int n);
  static float Log2(float x);
  // The n-th rearrangement of the characters (texts holding "A" or "B" do
  // not rearrange correctly).
  static std::string nthPerm(std::string text, int n);
  // One debug line per row: each cell as a blank and its digit.
  static int printMap(const Board& board);
};

template <class Pack>
int Functions::DrawGFXRect(const std::shared_ptr<Pack>& pack, float x, float y, float width, float height) {
  if (!pack) return 0;
  auto tl = pack->GetSprite("TopLeft");
  auto tr = pack->GetSprite("TopRight");
  auto bl = pack->GetSprite("BottomLeft");
  auto br = pack->GetSprite("BottomRight");
  auto l = pack->GetSprite("BorderLeft");
  auto r = pack->GetSprite("BorderRight");
  auto t = pack->GetSprite("BorderTop");
  auto b = pack->GetSprite("BorderBottom");
  auto back = pack->GetSprite("Back");
  if (!tl || !tr || !bl || !br || !l || !r || !t || !b || !back) return 0;  // an empty pack

  drawing::SetViewport(TruncToInt(x), TruncToInt(y), TruncToInt(width), TruncToInt(height));
  tl->Draw(x, y, -1, 0);
  tr->Draw(x + width - tr->w, y, -1, 0);
  bl->Draw(x, y + height - bl->h, -1, 0);
  // The bottom-right corner goes where the other corners say, not by its own size.
  br->Draw(x + width - tr->w, y + height - bl->h, -1, 0);
  l->TileDraw(x, y + tl->h, TruncToInt(l->w), TruncToInt(height - bl->h - tl->h), -1);
  r->TileDraw(x + width - r->w, y + tl->h, TruncToInt(r->w), TruncToInt(height - br->h - tr->h), -1);
  t->TileDraw(x + tl->w, y, TruncToInt(width - tl->w - tr->w), TruncToInt(t->h), -1);
  b->TileDraw(x + bl->w, y + height - b->h, TruncToInt(width - bl->w - br->w), TruncToInt(b->h), -1);
  back->TileDraw(x + tl->w, y + tl->h, TruncToInt(width - tl->w - tr->w), TruncToInt(height - tl->h - bl->h), -1);
  drawing::SetViewport(0, 0, 800, 600);
  return 0;
}
