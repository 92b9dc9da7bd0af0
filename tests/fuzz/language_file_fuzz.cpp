// Arbitrary bytes as a language file, read both ways the game can: into a
// key map and searched line by line. Neither may crash; every entry read is
// a trimmed key and value on one line, and each grouped entry is found
// again under its group.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "scratch_folder.h"
#include "support/localization.h"
#include "support/text_util.h"

namespace {

bool OneTrimmedLine(const std::string& text) {
  return text.find_first_of("\r\n") == std::string::npos && TrimBlanks(text) == text;
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
    const size_t split = key.rfind("::");
    // A grouped entry: the group and the key as one line held them.
    const std::string bare = split == std::string::npos ? key : key.substr(split + 2);
    if (!bare.empty() && !OneTrimmedLine(bare)) std::abort();
    if (split == std::string::npos && memory->GetString(key, "") != value) std::abort();
    streaming->GetString(bare, split == std::string::npos ? "" : key.substr(0, split));
  }
  memory->Close();
  streaming->Close();
  return 0;
}
