// Saving a whole file so that neither a crash, a full disk nor a power cut
// leaves it empty or half written, and so that two running copies of the
// game never write through the same temporary file.
#pragma once

#include <functional>
#include <string>

namespace drawing {

// Writes `bytes` to a temporary file beside `path`, flushes it to the disk,
// renames it over `path` and flushes the folder, so the new name survives a
// power cut too. False (and nothing changed at `path`) when any step fails.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

// The system calls the save goes through, replaceable so that tests can
// record their order or make one of them fail. Each returns like its POSIX
// namesake (-1 on failure).
struct DurableFileOps {
  std::function<int(const std::string& path)> createExclusive;  // a new file for writing
  std::function<long(int fd, const char* data, unsigned long size)> write;
  std::function<int(int fd)> sync;
  std::function<int(int fd)> close;
  std::function<int(const std::string& from, const std::string& to)> rename;
  std::function<int(const std::string& path)> unlink;
  std::function<int(const std::string& folder)> openFolder;

  static DurableFileOps System();
};

bool WriteFileAtomically(const std::string& path, const std::string& bytes, const DurableFileOps& ops);

// The temporary name a save of `path` tries first in this process: unique
// to the process and to the save.
std::string TemporaryNameFor(const std::string& path);

}  // namespace drawing
