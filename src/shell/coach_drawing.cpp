// The coach on the play screen: its marks on the board (the wrong digit, or
// the step's proof, placements and eliminations), its words over the title
// with each digit drawn as the stone the player sees, and the puzzle's grade.
#include <algorithm>
#include <string>
#include <vector>

#include "drawing/graphics.h"
#include "engine/logic_explain.h"
#include "engine/logic_solver.h"
#include "presentation/game_color.h"
#include "presentation/game_skin.h"
#include "shell/game.h"
#include "shell/play_values.h"
#include "shell/screen_drawing.h"

namespace {

constexpr int kStoneSize = 50;
constexpr int kNotePitch = 16;
// Marks a digit inside the coach's text; the next character is the digit.
constexpr char kStoneMark = '\x01';
constexpr float kInlineScale = 0.28f;  // a 50-pixel stone becomes 14 pixels
constexpr float kInlineWidth = 15;
// The words sit over the title, clear of the board and its cells.
constexpr float kPanelX = 238, kPanelY = 3, kPanelWidth = 500, kPanelHeight = 54;

void DrawFrame(float x, float y, float w, float h, float thickness) {
  drawing::DrawRect(x, y, w, thickness);
  drawing::DrawRect(x, y + h - thickness, w, thickness);
  drawing::DrawRect(x, y + thickness, thickness, h - 2 * thickness);
  drawing::DrawRect(x + w - thickness, y + thickness, thickness, h - 2 * thickness);
}

int Column(const logic::Candidate& c) { return logic::ColOf(c.cell); }
int Row(const logic::Candidate& c) { return logic::RowOf(c.cell); }

// A text cut into pieces: plain words and stones.
struct Piece {
  std::string text;  // empty for a stone
  int digit = 0;
  bool spaceBefore = false;
};

std::vector<Piece> Pieces(const std::string& text) {
  std::vector<Piece> pieces;
  bool space = false;
  std::string word;
  auto flush = [&] {
    if (word.empty()) return;
    pieces.push_back(Piece{word, 0, space});
    word.clear();
    space = false;
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch == ' ') {
      flush();
      space = true;
    } else if (ch == kStoneMark && i + 1 < text.size()) {
      flush();
      pieces.push_back(Piece{"", text[i + 1] - '0', space});
      space = false;
      ++i;
    } else {
      word += ch;
    }
  }
  flush();
  return pieces;
}

}  // namespace

void TGame::DrawCoach() {
  const CoachAdvice* advice = Play.coach.Shown(Play.board);
  if (!advice || GameFinished != 0) return;
  const TStoneSkinPtr stones = CurrentSkin ? CurrentSkin->getActiveStoneSkin() : nullptr;
  const auto cellX = [](int c, int r) { return float(CellX[c][r]); };
  const auto cellY = [](int c, int r) { return float(CellY[c][r]); };

  std::string words;
  if (advice->wrongDigit) {
    SetMarkColour("CONFLICT", 235, 70, 70);
    drawing::SetAlpha(0.9f);
    DrawFrame(cellX(advice->column, advice->row), cellY(advice->column, advice->row), kStoneSize, kStoneSize, 4);
    ResetDrawing();
    words = Text("COACH_WRONG");
  } else {
    const logic::Step& step = advice->step;
    // The units of the proof, faintly; its cells plainly; what follows boldly.
    SetMarkColour("HIGHLIGHT", 255, 236, 150);
    drawing::SetAlpha(0.12f);
    for (const uint8_t unit : step.units)
      for (const uint8_t cell : logic::kGeo.unit_cells[unit])
        drawing::DrawRect(cellX(logic::ColOf(cell), logic::RowOf(cell)), cellY(logic::ColOf(cell), logic::RowOf(cell)),
                          kStoneSize, kStoneSize);
    drawing::SetAlpha(0.9f);
    for (const uint8_t cell : step.cells)
      DrawFrame(cellX(logic::ColOf(cell), logic::RowOf(cell)), cellY(logic::ColOf(cell), logic::RowOf(cell)), kStoneSize,
                kStoneSize, 2);
    auto noteBox = [&](const logic::Candidate& c, float thickness) {
      const float nx = cellX(Column(c), Row(c)) + 2 + float((c.digit - 1) % 3 * kNotePitch);
      const float ny = cellY(Column(c), Row(c)) + 2 + float((c.digit - 1) / 3 * kNotePitch);
      DrawFrame(nx - 1, ny - 1, kNotePitch + 1, kNotePitch + 1, thickness);
    };
    for (const logic::Candidate& c : step.candidates) noteBox(c, 1);
    SetMarkColour("COACH_PLACE", 90, 220, 120);
    for (const logic::Candidate& c : step.placements)
      DrawFrame(cellX(Column(c), Row(c)) - 1, cellY(Column(c), Row(c)) - 1, kStoneSize + 2, kStoneSize + 2, 3);
    SetMarkColour("CONFLICT", 235, 70, 70);
    for (const logic::Candidate& c : step.eliminations) noteBox(c, 2);
    ResetDrawing();

    const auto texts = [](std::string_view key) { return Text(std::string(key)); };
    const auto digit = [](int d) { return std::string{kStoneMark, char('0' + d)}; };
    words = logic::TechniqueName(step.technique, texts) + ": " + logic::ExplainStep(step, digit, texts);
  }

  // The panel, then the words wrapped into it, stones inline.
  drawing::SetColor(20, 24, 30);
  drawing::SetAlpha(0.95f);
  drawing::DrawRect(kPanelX, kPanelY, kPanelWidth, kPanelHeight);
  ResetDrawing();
  drawing::SetImageFont(Font10);
  const float lineHeight = 13;
  const float space = float(std::max(drawing::TextWidth(" "), 3));
  float x = kPanelX + 8, y = kPanelY + 4;
  for (const Piece& piece : Pieces(words)) {
    const float width = piece.text.empty() ? kInlineWidth : float(drawing::TextWidth(piece.text));
    const float gap = piece.spaceBefore ? space : 0;
    if (x + gap + width > kPanelX + kPanelWidth - 8 && x > kPanelX + 8) {
      x = kPanelX + 8;
      y += lineHeight;
    } else {
      x += gap;
    }
    if (!piece.text.empty()) {
      drawing::DrawText(piece.text, x, y);
    } else if (stones && stones->Image && piece.digit >= 1 && piece.digit <= 9) {
      // The mapping in force, as a stone the sweep has passed shows it.
      const int frame = GetStoneFrame(ReplaceStones[size_t(piece.digit)]);
      drawing::SetScale(kInlineScale, kInlineScale);
      if (stones->BGImage) stones->BGImage->Draw(int(x), int(y - 1), 0);
      if (frame >= 0)
        stones->Image->Draw(int(x + (2 + float(StoneDisplaceX)) * kInlineScale),
                            int(y - 1 + (2 + float(StoneDisplaceY)) * kInlineScale), frame);
      if (stones->BGImage) stones->BGImage->Draw(int(x), int(y - 1), 1);
      drawing::SetScale(1, 1);
    }
    x += width;
  }
  drawing::SetImageFont(FontBold12);
}

void TGame::DrawGrade() {
  // The coach's words cover the title strip while they are shown.
  if (Play.coach.Shown(Play.board)) return;
  std::array<int, 81> givens{};
  std::array<uint8_t, logic::kCells> values{};
  for (int c = 0; c < 9; ++c)
    for (int r = 0; r < 9; ++r) {
      const bool given = PlayMaps.BackupMap[c][r][1] == kCellGiven;
      const int digit = given ? PlayMaps.BackupMap[c][r][0] : 0;
      givens[size_t(r * 9 + c)] = digit;
      values[size_t(r * 9 + c)] = uint8_t(std::clamp(digit, 0, 9));
    }
  if (givens != Play.gradedGivens) {
    Play.gradedGivens = givens;
    const std::optional<logic::Grid> grid = logic::Grid::FromValues(values);
    Play.grade = grid ? logic::RatePuzzle(*grid).grade : logic::Grade::kExtreme;
  }
  const auto texts = [](std::string_view key) { return Text(std::string(key)); };
  drawing::SetImageFont(FontBold12);
  // In the title strip, right of the title: the left panel holds the coach's button.
  DrawShadowedText(Text("GRADE") + ": " + logic::GradeText(Play.grade, texts), 590, 24, 2, 2, 0.3f);
}
