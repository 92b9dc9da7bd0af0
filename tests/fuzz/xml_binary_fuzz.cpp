// Feeds arbitrary bytes, behind the binary signature, to the binary XML
// reader. A file that loads must write back to the same bytes it was read
// from (up to trailing data the reader never looked at).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "support/xml_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes = "\xD8\xF1\xBC" + std::string(reinterpret_cast<const char*>(data), size);
  auto doc = xmlDocument::Create();
  try {
    doc->LoadFromBytes(bytes, "fuzz");
  } catch (const xmlError&) {
    return 0;
  }
  const std::string written = doc->SaveToBytes(FORMAT_BINARY);
  if (bytes.compare(0, written.size(), written) != 0) std::abort();
  // Names are written unescaped, so the text form of arbitrary names may not
  // parse; reading it must still end in a clean error or a tree.
  auto text = xmlDocument::Create();
  try {
    text->LoadFromBytes(doc->SaveToBytes(FORMAT_XML), "fuzz");
  } catch (const xmlError&) {
  }
  return 0;
}
