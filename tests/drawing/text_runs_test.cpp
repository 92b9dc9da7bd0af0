#include "drawing/text_runs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> TextsOf(const std::vector<drawing::TextRun>& runs) {
  std::vector<std::string> texts;
  for (const auto& r : runs) texts.push_back(r.text);
  return texts;
}

// A dialog drawn over the menu hides the menu's captions under it, even those
// that only peek out at its edge; what lies beside it or is drawn on it stays.
TEST(TextRuns, ACoverHidesOnlyTheRunsDrawnBeforeItUnderIt) {
  drawing::RecordTextRuns(true);
  drawing::NoteTextRun({"under", 120, 120, 180, 140});
  drawing::NoteTextRun({"edge", 150, 195, 250, 215});      // lower half outside
  drawing::NoteTextRun({"touching", 100, 200, 300, 220});  // starts where the cover ends
  drawing::NoteTextRun({"beside", 300, 120, 360, 140});
  drawing::CoverTextRuns(100, 100, 300, 200);
  drawing::NoteTextRun({"on top", 120, 120, 180, 140});
  drawing::EndTextRunFrame();
  EXPECT_EQ(TextsOf(drawing::LastFrameTextRuns()), (std::vector<std::string>{"touching", "beside", "on top"}));

  // The next frame starts afresh: a cover does not reach into it.
  drawing::NoteTextRun({"next", 120, 120, 180, 140});
  drawing::EndTextRunFrame();
  EXPECT_EQ(TextsOf(drawing::LastFrameTextRuns()), (std::vector<std::string>{"next"}));
  drawing::RecordTextRuns(false);
}

}  // namespace
