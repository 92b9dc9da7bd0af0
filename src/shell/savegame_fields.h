// Every number of the save file in one list: where it stands in the file,
// the range the reader takes, its place in TSavedGame and in the running
// game. The writer and the reader, the game's save and Continue all walk
// this list, so none of them can write a number another refuses or forget
// one another keeps.
#pragma once

#include <span>

#include "shell/savegame.h"

class TGame;

struct TSaveNumber {
  const char* element;  // "savegame" for the root's own attributes
  const char* attribute;
  int low, high;  // what the reader takes; the writer saturates into it
  int (*get)(const TSavedGame&);
  void (*set)(TSavedGame&, int);
  // A number the game's own state gives (a score factor): written as that,
  // and a file that says otherwise is refused. Null for the others.
  int (*derived)(const TSavedGame&) = nullptr;
  // Its place in the running game when it is taken over as it is; null when
  // the save and Continue work it out apart (the clocks, the stone set, the
  // keyboard's selection).
  int& (*live)(TGame&) = nullptr;
};

std::span<const TSaveNumber> SaveNumbers();
