// The save file reader on arbitrary bytes: it refuses or returns a game that
// writes back and reads again the same, and never crashes or hangs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/savegame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string why;
  const std::optional<TSavedGame> game = ReadSavedGame(bytes, why);
  if (!game) return 0;
  // Whatever was accepted is a game the writer can put back.
  const std::string text = SavedGameText(*game);
  const std::optional<TSavedGame> again = ReadSavedGame(text, why);
  if (!again || SavedGameText(*again) != text) std::abort();
  return 0;
}
