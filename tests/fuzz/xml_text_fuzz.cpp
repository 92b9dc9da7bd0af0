// Feeds arbitrary bytes to the text XML reader. Whatever parses must survive
// the writers: its binary form reads back to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "support/xml_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Binary input is the other target's job.
  std::string bytes(reinterpret_cast<const char*>(data), size);
  if (bytes.compare(0, 3, "\xD8\xF1\xBC") == 0) return 0;
  auto doc = xmlDocument::Create();
  try {
    doc->LoadFromBytes(bytes, "fuzz");
  } catch (const xmlError&) {
    return 0;
  }
  const std::string text = doc->SaveToBytes(FORMAT_XML);
  auto copy = xmlDocument::Create();
  copy->LoadFromBytes(doc->SaveToBytes(FORMAT_BINARY), "fuzz");
  if (copy->SaveToBytes(FORMAT_XML) != text) std::abort();
  return 0;
}
