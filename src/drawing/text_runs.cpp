#include "drawing/text_runs.h"

#include <utility>
#include <vector>

namespace drawing {

namespace {

bool g_recording = false;
bool g_hidden = false;
std::vector<TextRun> g_current, g_last;

}  // namespace

void RecordTextRuns(bool on) {
  g_recording = on;
  g_current.clear();
  g_last.clear();
}

bool RecordingTextRuns() { return g_recording; }

void NoteTextRun(TextRun run) {
  if (g_recording && run.x1 > run.x0 && run.y1 > run.y0) g_current.push_back(std::move(run));
}

void CoverTextRuns(int x0, int y0, int x1, int y1) {
  std::erase_if(g_current, [&](const TextRun& r) { return r.x0 < x1 && x0 < r.x1 && r.y0 < y1 && y0 < r.y1; });
}

void EndTextRunFrame() {
  if (!g_recording) return;
  g_last = std::move(g_current);
  g_current.clear();
}

const std::vector<TextRun>& LastFrameTextRuns() { return g_last; }

void HideText(bool hidden) { g_hidden = hidden; }
bool TextHidden() { return g_hidden; }

}  // namespace drawing
