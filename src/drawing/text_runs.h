// What text a frame drew and where, for checks of rendered screens (how
// well each text stands out from what is behind it). Off unless a headless
// run asks for it; text can also be left out altogether, so the same run
// gives the picture behind the text.
#pragma once

#include <string>
#include <vector>

namespace drawing {

// One DrawText call: its text and the box its glyphs covered (game
// coordinates, the last column and row excluded), cut to the clip area.
struct TextRun {
  std::string text;
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

void RecordTextRuns(bool on);
bool RecordingTextRuns();
// Called by DrawText for a run it drew.
void NoteTextRun(TextRun run);
// Called when something opaque is drawn over [x0, x1) x [y0, y1): the runs
// drawn before it there are under it, not text the player reads.
void CoverTextRuns(int x0, int y0, int x1, int y1);
// Called when a frame is presented: its runs become the last frame's.
void EndTextRunFrame();
const std::vector<TextRun>& LastFrameTextRuns();

// While hidden, DrawText draws nothing (measuring is unchanged).
void HideText(bool hidden);
bool TextHidden();

}  // namespace drawing
