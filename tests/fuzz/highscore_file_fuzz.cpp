// Arbitrary bytes as "highscore.dat": the table reads whatever records are
// whole, and a table read and written back reads the same again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "scratch_folder.h"
#include "shell/highscore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto folder = fuzz_support::ScratchFolder("highscore");
  const std::string path = (folder / "highscore.dat").string();
  fuzz_support::WriteBytes(path, data, size);

  auto table = std::make_shared<THighscore>();
  table->path = path;
  table->print = [](const std::string&) {};
  table->Init();
  table->Load();
  const std::string written = table->Serialize();
  // 100 records of 5 bytes and a name of at most 255.
  if (written.size() < 500 || written.size() > 100 * 260) std::abort();
  // The whole records at the start of the file come back byte for byte.
  size_t whole = 0;
  for (int record = 0; record < THighscore::kEntries && whole + 5 <= size; ++record) {
    const size_t end = whole + 5 + data[whole + 4];
    if (end > size) break;
    whole = end;
  }
  if (written.compare(0, whole, reinterpret_cast<const char*>(data), whole) != 0) std::abort();

  table->Save();
  auto again = std::make_shared<THighscore>();
  again->path = path;
  again->print = table->print;
  again->Init();
  again->Load();
  if (again->Serialize() != written) std::abort();
  for (int i = 0; i < THighscore::kEntries; ++i)
    if (!again->list[i] || again->list[i]->score != table->list[i]->score || again->list[i]->name != table->list[i]->name)
      std::abort();
  return 0;
}
