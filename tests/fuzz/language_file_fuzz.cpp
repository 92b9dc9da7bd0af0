// Arbitrary bytes as a language file, read both ways the game can: into a
// key map and searched line by line. Neither may crash; every entry read is
// a trimmed value on one line, and an entry outside the groups is found
// again by its key.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "scratch_folder.h"
#include "support/localization.h"
#include "support/text_util.h"

namespace {

bool OneTrimmedLine(const std::string& text) {
  return text.find('\n') == std::string::npos && TrimBlanks(text) == text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto folder = fuzz_support::ScratchFolder("language");
  const std::string path = (folder / "fuzz.lang").string();
  fuzz_support::WriteBytes(path, data, size);

  const auto memory = LocalizationMemoryResource::open(path);
  const auto streaming = LocalizationStreamingResource::open(path);
  if (memory->language != "fuzz" || streaming->language != "fuzz") std::abort();
  for (const auto& [key, value] : memory->map) {
    if (key.empty() || !OneTrimmedLine(value)) std::abort();
    // "group::key" for a grouped entry; a key may hold "::" itself, so only
    // the others are surely a key as one line held it.
    const size_t split = key.rfind("::");
    if (split == std::string::npos) {
      if (!OneTrimmedLine(key) || memory->GetString(key, "") != value) std::abort();
      streaming->GetString(key, "");
    } else {
      streaming->GetString(key.substr(split + 2), key.substr(0, split));
    }
  }
  memory->Close();
  streaming->Close();
  return 0;
}
