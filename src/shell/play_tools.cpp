// The play screen's controls for mouse players under the board: notes
// mode, undo, redo, fill notes and clear notes, each with a hint of its key.
#include "drawing/graphics.h"
#include "shell/game.h"
#include "shell/play_tips.h"
#include "shell/play_values.h"
#include "shell/screen_drawing.h"
#include "shell/screen_widgets.h"

namespace {

struct ToolLayout {
  const char* caption;
  const char* tip;  // language key of the line shown while pointed at
  int x, y, width;
};
// Under the board, from its left edge to its right.
constexpr int kToolsY = 564;
// Below the side buttons' separator, above the level slider.
constexpr int kExplainY = 290;
// Widths fit the longest caption of either language with 6 pixels a side
// (the German "Wiederholen" is the widest).
constexpr ToolLayout kTools[kPlayTools] = {
    {"_NOTESMODE", "NOTESMODE_TIP", 244, kToolsY, 72},   {"_UNDO", "UNDO_TIP", 320, kToolsY, 97},
    {"_REDO", "REDO_TIP", 421, kToolsY, 103},            {"_FILLNOTES", "FILLNOTES_TIP", 528, kToolsY, 105},
    {"_CLEARNOTES", "CLEARNOTES_TIP", 637, kToolsY, 103},
    // The row under the board holds no sixth button with the German
    // captions, so the coach sits under the side buttons, as wide as they.
    {"_EXPLAIN", "EXPLAIN_TIP", 17, kExplainY, 178},
};

}  // namespace

void CreatePlayControls(TPlaySession& play) {
  for (int i = 0; i < kPlayTools; ++i) {
    const ToolLayout& tool = kTools[i];
    play.tools[size_t(i)] =
        TGUIButton::Create(tool.x, tool.y, tool.width, 0, 1, 0, 1, tool.caption, "PlayTools", SmallImageFont);
  }
  play.tools[kToolNotesMode]->manualState = 1;
  play.continueButton = TGUIButton::Create(250, 260, 300, 0, 0, 0, 1, "_CONTINUE", "StartMenu", SmallImageFont);
}

void TGame::UpdatePlayTools() {
  TGUIobject::UpdateAll("PlayTools", 0);
  TPlayBoard& board = Play.board;
  auto clicked = [this](int tool) { return Play.tools[size_t(tool)]->GetClicks() != 0; };
  // Greyed buttons report no clicks, so a finished game's tools do nothing.
  if (clicked(kToolNotesMode)) board.notesMode = !board.notesMode;
  if (clicked(kToolUndo)) UndoMove();
  if (clicked(kToolRedo)) RedoMove();
  const bool fill = clicked(kToolFillNotes);
  const bool clear = clicked(kToolClearNotes);
  if (GameFinished == 0 && ((fill && board.FillNotes()) || (clear && board.ClearNotes()))) AfterPlayerMove();
  if (clicked(kToolExplain)) AskCoach();

  Play.tools[kToolNotesMode]->on = board.notesMode ? 1 : 0;
  // After the end every control greys out with the side buttons.
  const bool playing = GameFinished == 0;
  Play.tools[kToolNotesMode]->grayedout = playing ? 0 : 1;
  Play.tools[kToolUndo]->grayedout = playing && board.CanUndo() ? 0 : 1;
  Play.tools[kToolRedo]->grayedout = playing && board.CanRedo() ? 0 : 1;
  Play.tools[kToolFillNotes]->grayedout = playing ? 0 : 1;
  Play.tools[kToolClearNotes]->grayedout = playing ? 0 : 1;
  Play.tools[kToolExplain]->grayedout = playing ? 0 : 1;
}

void DrawPlayControls(const TPlaySession& play) {
  TGUIobject::DrawAll("PlayTools", 0);
  for (int i = 0; i < kPlayTools; ++i) {
    const TGUIButton& tool = *play.tools[size_t(i)];
    if (!tool.mouseover) continue;
    // The tip sits on the board's lower frame, right above the button row.
    DrawTipStrip(Text(kTools[i].tip), float(tool.x), float(tool.y - 18));
  }
}
