// Loading XML documents of about 1 MB, in text and in binary form. The
// bytes-per-second figure is the load speed per MB of file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/xml_document.h"

namespace {

// A theme-configuration-like document: sprites with attributes, text
// values with references, a few levels of nesting.
xmlDocumentPtr MakeDocument(size_t target_bytes) {
  auto doc = xmlDocument::Create();
  auto root = doc->Root();
  root->Name = "config";
  for (int group = 0; doc->SaveToBytes(FORMAT_XML).size() < target_bytes; ++group) {
    auto sprites = root->AddNode("sprites", AS_CHILD);
    sprites->AddAttribute("group", std::to_string(group));
    for (int i = 0; i < 200; ++i) {
      auto sprite = sprites->AddNode("sprite", AS_CHILD);
      sprite->AddAttribute("name", "sprite_" + std::to_string(group) + "_" + std::to_string(i));
      sprite->AddAttribute("file", "%THEMEDIR%/gfx/sheet" + std::to_string(i % 7) + ".png");
      sprite->AddAttribute("x", std::to_string(i * 13 % 800));
      sprite->AddAttribute("y", std::to_string(i * 29 % 600));
      sprite->AddAttribute("frames", "4");
      sprite->Value = "A caption with <markup> & \"quotes\", caf\xE9 " + std::to_string(i);
    }
  }
  return doc;
}

std::string WriteSample(int format) {
  static const xmlDocumentPtr doc = MakeDocument(1 << 20);
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("gridlet_xml_bench_" + std::to_string(format) + ".xml")).string();
  doc->Save(path, format);
  return path;
}

void LoadFile(benchmark::State& state, int format) {
  const std::string path = WriteSample(format);
  const auto bytes = std::filesystem::file_size(path);
  auto doc = xmlDocument::Create();
  for (auto _ : state) {
    doc->Load(path);
    benchmark::DoNotOptimize(doc->RootNode());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
  state.counters["nodes"] = doc->NodeCount();
  state.counters["file_MB"] = double(bytes) / (1 << 20);
  std::filesystem::remove(path);
}

void BM_LoadTextXml1MB(benchmark::State& state) { LoadFile(state, FORMAT_XML); }
void BM_LoadBinaryXml1MB(benchmark::State& state) { LoadFile(state, FORMAT_BINARY); }
BENCHMARK(BM_LoadTextXml1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBinaryXml1MB)->Unit(benchmark::kMillisecond);

void BM_SaveTextXml1MB(benchmark::State& state) {
  const xmlDocumentPtr doc = MakeDocument(1 << 20);
  size_t bytes = 0;
  for (auto _ : state) {
    std::string text = doc->SaveToBytes(FORMAT_XML);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_SaveTextXml1MB)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
