// Feeds arbitrary bytes, text or binary XML, to the preferences reader.
// Whatever it makes of them must be what the writer's file reads back as.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/preferences.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string problem;
  const TPreferences read = PreferencesFromBytes(bytes, problem);
  std::string again;
  if (PreferencesFromBytes(PreferencesFileText(read), again) != read || !again.empty()) std::abort();
  return 0;
}
