#include "shell/play_tips.h"

#include <algorithm>

#include "drawing/graphics.h"
#include "shell/play_values.h"
#include "shell/screen_drawing.h"
#include "shell/screen_widgets.h"

namespace {

struct SideTip {
  InGameCommand button;
  const char* key;
};
// The commands whose price a player should know before clicking.
constexpr SideTip kSideTips[] = {
    {kHint, "HINT_TIP"}, {kShowWrong, "SHOWWRONG_TIP"}, {kSolve, "SOLVE_TIP"}, {kClearBoard, "CLEARBOARD_TIP"}};

constexpr float kStripHeight = 17;
// Tips stay left of the board's right frame.
constexpr float kTipsRight = 740;

}  // namespace

std::optional<PlayTip> SideButtonTip() {
  for (const SideTip& tip : kSideTips) {
    const TGUIButtonPtr& button = Widgets.inGame[size_t(tip.button)];
    if (!button || !button->mouseover || button->grayedout) continue;
    // Beside the button, over the board's left edge.
    const float y = float(button->y) + float(button->height - int(kStripHeight)) / 2;
    return PlayTip{tip.key, float(button->x + button->width + 6), y};
  }
  return std::nullopt;
}

void DrawSideButtonTip() {
  if (const std::optional<PlayTip> tip = SideButtonTip()) DrawTipStrip(Text(tip->key), tip->x, tip->y);
}

void DrawTipStrip(const std::string& text, float x, float y) {
  drawing::SetImageFont(Font10);
  const float width = float(drawing::TextWidth(text) + 12);
  x = std::max(0.0f, std::min(x, kTipsRight - width));
  drawing::SetColor(20, 24, 30);
  drawing::SetAlpha(0.85f);
  drawing::DrawRect(x, y, width, kStripHeight);
  ResetDrawing();
  drawing::DrawText(text, x + 6, y + 2);
  drawing::SetImageFont(FontBold12);
}
