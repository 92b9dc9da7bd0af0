// "How to play": the rules and every control, a few pages reached from the
// start menu.
#include "shell/how_to_play.h"

#include <algorithm>

#include "drawing/graphics.h"
#include "drawing/input.h"
#include "presentation/game_skin.h"
#include "shell/game.h"
#include "shell/play_values.h"
#include "shell/screen_drawing.h"
#include "shell/screen_widgets.h"
#include "support/functions.h"
#include "support/text_util.h"
#include "widgets/input_trackers.h"

namespace {

// A language file holding a row for every key of a keyboard would still
// stop here; the page has room for fewer.
constexpr int kMaxRows = 40;
constexpr float kRowsTop = 262;
constexpr float kRowHeight = 19;
constexpr float kStoneKeyTop = 440;

std::string Lookup(const std::function<std::string(const std::string&)>& text, const std::string& key) {
  std::string value = text(key);
  return value == key ? std::string() : value;
}

std::vector<THowToPage> CurrentPages() { return HowToPlayPages([](const std::string& key) { return Text(key); }); }

void SetPageButtons(int page, int count) {
  Widgets.howToPrevious->grayedout = page <= 0 ? 1 : 0;
  Widgets.howToNext->grayedout = page >= count - 1 ? 1 : 0;
}

// Text in white over a faint black shadow, as the menus label their fields.
void ShadowedBlock(const std::string& text, float x, float y, int width, int height, const drawing::ImageFontPtr& font,
                   int singleLine) {
  drawing::SetAlpha(0.3f);
  Functions::BlockText(text, x + 1, y + 1, width, height, 0, font, 0, 0, 0, singleLine);
  drawing::SetAlpha(1);
  Functions::BlockText(text, x, y, width, height, 0, font, 255, 255, 255, singleLine);
}

// The nine stones of the active set with their digits beneath: what the
// rules call digits is what the board shows.
void DrawStoneKey(float top) {
  const TStoneSkinPtr set = CurrentSkin ? CurrentSkin->getActiveStoneSkin() : nullptr;
  if (!set || !set->BGImage || !set->Image) return;
  drawing::SetImageFont(FontBold12);
  for (int i = 0; i < 9; ++i) {
    const int x = 166 + 52 * i;
    set->BGImage->Draw(x, int(top), 0);
    set->Image->Draw(x + 2 + set->displaceX, int(top) + 2 + set->displaceY, i);
    set->BGImage->Draw(x, int(top), 1);
    const std::string digit = std::to_string(i + 1);
    DrawShadowedText(digit, float(x + 26 - drawing::TextWidth(digit) / 2), top + 56, 1, 1, 0.3f);
  }
}

}  // namespace

const std::vector<std::string>& HowToPlayPrefixes() {
  static const std::vector<std::string> prefixes = {"HOWTO_RULES", "HOWTO_MOUSE", "HOWTO_KEYS", "HOWTO_AIDS"};
  return prefixes;
}

std::vector<THowToPage> HowToPlayPages(const std::function<std::string(const std::string&)>& text) {
  std::vector<THowToPage> pages;
  for (const std::string& prefix : HowToPlayPrefixes()) {
    THowToPage page;
    page.prefix = prefix;
    page.title = Lookup(text, prefix + "_TITLE");
    page.text = Lookup(text, prefix + "_TEXT");
    for (int n = 1; n <= kMaxRows; ++n) {
      THowToRow row{Lookup(text, prefix + "_CONTROL" + std::to_string(n)),
                    Lookup(text, prefix + "_ACTION" + std::to_string(n))};
      if (row.control.empty() && row.action.empty()) break;
      page.rows.push_back(std::move(row));
    }
    // A page the language files say nothing about is left out.
    if (!page.title.empty() || !page.text.empty() || !page.rows.empty()) pages.push_back(std::move(page));
  }
  return pages;
}

void TGame::OpenHowToPlay() {
  HowToPlayPage = 0;
  SetGameState(GAME_HOWTOPLAY);
}

void TGame::Update_HowToPlay() {
  const int count = int(CurrentPages().size());
  SetPageButtons(HowToPlayPage, count);
  TGUIobject::UpdateAll("HowToPlay", 0);
  if (Widgets.howToPrevious->GetClicks() || KeyWrapper.pressedKey(drawing::KEY_LEFT)) HowToPlayPage -= 1;
  if (Widgets.howToNext->GetClicks() || KeyWrapper.pressedKey(drawing::KEY_RIGHT)) HowToPlayPage += 1;
  HowToPlayPage = std::clamp(HowToPlayPage, 0, std::max(count - 1, 0));
  if (Widgets.howToClose->GetClicks()) GameState = LastGameState;
}

void TGame::Draw_HowToPlay() {
  drawing::Cls();
  ResetDrawing();
  DrawSprite("startscreen");
  DrawFrameBox(100, 175, 600, 415);
  DrawTitle(Text("HOWTOPLAYGRIDLET"), 400, 190);

  const std::vector<THowToPage> pages = CurrentPages();
  const int count = int(pages.size());
  const int index = std::clamp(HowToPlayPage, 0, std::max(count - 1, 0));
  SetPageButtons(index, count);
  if (count > 0) {
    const THowToPage& page = pages[size_t(index)];
    drawing::SetImageFont(FontBold16);
    DrawShadowedText(page.title, 130, 228, 2, 2, 0.5f);
    drawing::SetImageFont(Font10);
    const std::string pageNumber = std::to_string(index + 1) + " / " + std::to_string(count);
    DrawShadowedText(pageNumber, 670 - float(drawing::TextWidth(pageNumber)), 234, 1, 1, 0.3f);

    float y = kRowsTop;
    if (!page.text.empty()) {
      const std::string text = ReplaceAll(page.text, "\\n", "\r \r");
      ShadowedBlock(text, 130, y, 540, int(kStoneKeyTop - 10 - y), Font12, 0);
    }
    if (page.prefix == "HOWTO_RULES") DrawStoneKey(kStoneKeyTop);
    for (const THowToRow& row : page.rows) {
      ShadowedBlock(row.control, 130, y, 200, int(kRowHeight), FontBold12, 1);
      ShadowedBlock(row.action, 340, y, 330, int(kRowHeight), Font12, 1);
      y += kRowHeight;
    }
  }
  ResetDrawing();
  TGUIobject::DrawAll("HowToPlay", 0);
}
