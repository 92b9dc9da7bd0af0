#include "drawing/durable_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "drawing/files.h"

namespace drawing {

namespace {

std::atomic<unsigned> SaveCounter{0};

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(const DurableFileOps& ops, int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const long n = ops.write(fd, bytes.data() + done, static_cast<unsigned long>(bytes.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

DurableFileOps DurableFileOps::System() {
  DurableFileOps ops;
  ops.createExclusive = [](const std::string& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  };
  ops.write = [](int fd, const char* data, unsigned long size) { return long(::write(fd, data, size)); };
  ops.sync = [](int fd) { return ::fsync(fd); };
  ops.close = [](int fd) { return ::close(fd); };
  ops.rename = [](const std::string& from, const std::string& to) { return ::rename(from.c_str(), to.c_str()); };
  ops.unlink = [](const std::string& path) { return ::unlink(path.c_str()); };
  ops.openFolder = [](const std::string& folder) { return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); };
  return ops;
}

std::string TemporaryNameFor(const std::string& path) {
  return path + "." + std::to_string(::getpid()) + "." + std::to_string(SaveCounter.fetch_add(1)) + ".tmp";
}

bool WriteFileAtomically(const std::string& name, const std::string& bytes) {
  static const DurableFileOps system = DurableFileOps::System();
  // An installed game writes into the player's folder, never beside its data.
  return WriteFileAtomically(name.empty() ? name : PathForWriting(name), bytes, system);
}

bool WriteFileAtomically(const std::string& name, const std::string& bytes, const DurableFileOps& ops) {
  if (name.empty()) return false;
  // A link in the player's folder stays a link: the save replaces the file
  // it leads to, as editors do.
  const std::string path = FollowLinks(name);
  // The process id keeps two copies of the game apart, the counter two saves
  // of one copy; a leftover of a crashed copy with a reused id is stepped over.
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
    temp = TemporaryNameFor(path);
    fd = ops.createExclusive(temp);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;

  // The data must be on the disk before the name points at it, or a power
  // cut can leave the new name on an empty file.
  bool ok = WriteAll(ops, fd, bytes);
  ok = ok && ops.sync(fd) == 0;
  ok = ops.close(fd) == 0 && ok;
  if (!ok || ops.rename(temp, path) != 0) {
    ops.unlink(temp);
    return false;
  }
  // The rename itself lives in the folder; flushing it makes the save last.
  // Some file systems cannot sync a folder: the file is saved all the same.
  const int folder = ops.openFolder(FolderOf(path));
  if (folder >= 0) {
    ops.sync(folder);
    ops.close(folder);
  }
  return true;
}

}  // namespace drawing
