#include "drawing/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "drawing/messages.h"

namespace drawing {

namespace fs = std::filesystem;

namespace {

enum class Access { kRead, kWrite, kReadWrite };

// Opens without waiting: a FIFO with no writer would block a plain open for
// ever. Then only a regular file, within the size limit for reading, is kept.
// -1 when the file is missing or refused; refusals get a log line.
int OpenRegular(const std::string& path, Access access, long maxBytes) {
  int flags = O_CLOEXEC | O_NONBLOCK;
  if (access == Access::kRead) flags |= O_RDONLY;
  if (access == Access::kWrite) flags |= O_WRONLY | O_CREAT;
  if (access == Access::kReadWrite) flags |= O_RDWR | O_CREAT;
  const int fd = ::open(path.c_str(), flags, 0644);
  if (fd < 0) {
    if (errno == ENXIO) Print("skipped " + path + ": not a regular file");
    return -1;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    Print("skipped " + path + ": not a regular file");
    return -1;
  }
  if (access == Access::kRead && st.st_size > maxBytes) {
    ::close(fd);
    Print("skipped " + path + ": larger than " + std::to_string(maxBytes) + " bytes");
    return -1;
  }
  // Emptied only now that it is known to be a file of our own kind.
  if (access == Access::kWrite && ::ftruncate(fd, 0) != 0) {
    ::close(fd);
    return -1;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

}  // namespace

std::vector<std::string> ReadDir(const std::string& path) {
  std::vector<std::string> names;
  for (const std::string& folder : PathsForListing(path)) {
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? "." : folder, ec);
    if (ec) continue;
    for (const auto& entry : it) {
      std::string name = entry.path().filename().string();
      if (name != "." && name != "..") names.push_back(std::move(name));
    }
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

int FileType(const std::string& path) {
  if (path.empty()) return FILETYPE_NONE;
  std::error_code ec;
  auto st = fs::status(PathForReading(path), ec);
  if (ec) return FILETYPE_NONE;
  if (fs::is_directory(st)) return FILETYPE_DIR;
  if (fs::is_regular_file(st)) return FILETYPE_FILE;
  if (fs::exists(st)) return FILETYPE_OTHER;
  return FILETYPE_NONE;
}

bool DeleteFile(const std::string& name) {
  const std::string path = PathForWriting(name);
  std::error_code ec;
  return fs::is_regular_file(path, ec) && fs::remove(path, ec);
}

std::string FollowLinks(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop < 40; ++hop) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(current, ec))) return current;
    const fs::path target = fs::read_symlink(current, ec);
    if (ec || target.empty()) return current;
    current = target.is_absolute() ? target.string() : (fs::path(current).parent_path() / target).string();
  }
  return current;  // a loop: a rename then fails or replaces the last link
}

SetAside SetFileAside(const std::string& name, const std::string& suffix, std::string& keptAs) {
  const std::string path = FollowLinks(PathForWriting(name));
  std::error_code ec;
  if (!fs::is_regular_file(fs::symlink_status(path, ec))) return SetAside::kNotAFile;
  keptAs = path + suffix;
  fs::rename(path, keptAs, ec);
  return ec ? SetAside::kFailed : SetAside::kKept;
}

bool CreateFile(const std::string& path) {
  std::FILE* f = std::fopen(PathForWriting(path).c_str(), "wb");
  if (!f) return false;
  return std::fclose(f) == 0;
}

bool CreateDir(const std::string& path) {
  std::error_code ec;
  fs::create_directories(PathForWriting(path), ec);
  return fs::is_directory(PathForWriting(path), ec);
}

bool RenameFile(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::rename(PathForWriting(from), PathForWriting(to), ec);
  return !ec;
}

long FileSize(const std::string& path) {
  std::error_code ec;
  auto size = fs::file_size(PathForReading(path), ec);
  if (ec) return -1;
  return long(size);
}

bool IsReadableDataFile(const std::string& path) {
  const int kind = FileType(path);
  if (kind == FILETYPE_OTHER) Print("skipped " + path + ": not a regular file");
  if (kind != FILETYPE_FILE) return false;
  if (FileSize(path) > kMaxDataFileBytes) {
    Print("skipped " + path + ": larger than " + std::to_string(kMaxDataFileBytes) + " bytes");
    return false;
  }
  return true;
}

std::shared_ptr<Stream> Stream::Open(const std::string& name, bool read, bool write) {
  if (name.empty() || (!read && !write)) return nullptr;
  // Whatever is written lands in the player's folder, also an update of a
  // file that was read from there.
  const std::string path = write ? PathForWriting(name) : PathForReading(name);
  if (FileType(path) == FILETYPE_DIR) return nullptr;
  const Access access = read && write ? Access::kReadWrite : write ? Access::kWrite : Access::kRead;
  const int fd = OpenRegular(path, access, kMaxDataFileBytes);
  if (fd < 0) return nullptr;
  std::FILE* f = ::fdopen(fd, access == Access::kRead ? "rb" : access == Access::kWrite ? "wb" : "r+b");
  if (!f) {
    ::close(fd);
    return nullptr;
  }
  return std::make_shared<Stream>(Key{}, f);
}

Stream::~Stream() { Close(); }

bool Stream::Eof() {
  if (!file_) return true;
  int c = std::fgetc(file_);
  if (c == EOF) return true;
  std::ungetc(c, file_);
  return false;
}

long Stream::Pos() { return file_ ? std::ftell(file_) : -1; }

long Stream::Size() {
  if (!file_) return -1;
  long here = std::ftell(file_);
  std::fseek(file_, 0, SEEK_END);
  long size = std::ftell(file_);
  std::fseek(file_, here, SEEK_SET);
  return size;
}

bool Stream::Seek(long pos) { return file_ && std::fseek(file_, pos, SEEK_SET) == 0; }

int Stream::ReadByte() {
  if (!file_) {
    failed_ = true;
    return 0;
  }
  int c = std::fgetc(file_);
  if (c == EOF) {
    failed_ = true;
    return 0;
  }
  return c;
}

std::vector<uint8_t> Stream::ReadBytes(size_t n) {
  std::vector<uint8_t> out;
  if (!file_) {
    failed_ = n > 0;
    return out;
  }
  // Read in chunks so a hostile length cannot make us allocate more than the file holds.
  uint8_t buffer[4096];
  while (out.size() < n) {
    size_t want = std::min(sizeof buffer, n - out.size());
    size_t got = std::fread(buffer, 1, want, file_);
    out.insert(out.end(), buffer, buffer + got);
    if (got < want) {
      failed_ = true;
      break;
    }
  }
  return out;
}

int32_t Stream::ReadInt() {
  auto b = ReadBytes(4);
  if (b.size() < 4) return 0;
  uint32_t v = uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
  return int32_t(v);
}

float Stream::ReadFloat() {
  int32_t bits = ReadInt();
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

std::string Stream::ReadString(int n) {
  if (n <= 0) return {};
  auto b = ReadBytes(size_t(n));
  return std::string(b.begin(), b.end());
}

std::string Stream::ReadLine() {
  std::string line;
  if (!file_) {
    failed_ = true;
    return line;
  }
  int c;
  while ((c = std::fgetc(file_)) != EOF) {
    if (c == '\n') break;
    line.push_back(char(c));
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

void Stream::WriteBytes(const uint8_t* data, size_t n) {
  if (!file_ || n == 0) return;
  if (std::fwrite(data, 1, n, file_) != n) write_failed_ = true;
}

void Stream::WriteByte(int value) {
  uint8_t b = uint8_t(value & 255);
  WriteBytes(&b, 1);
}

void Stream::WriteInt(int32_t value) {
  uint32_t v = uint32_t(value);
  uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
  WriteBytes(b, 4);
}

void Stream::WriteFloat(float value) {
  int32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  WriteInt(bits);
}

void Stream::WriteString(const std::string& text) {
  WriteBytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

void Stream::WriteLine(const std::string& text) {
  WriteString(text);
  WriteString("\r\n");
}

bool Stream::Close() {
  if (!file_) return !write_failed_;
  if (std::fflush(file_) != 0) write_failed_ = true;
  if (std::fclose(file_) != 0) write_failed_ = true;
  file_ = nullptr;
  return !write_failed_;
}

bool ReadWholeFile(const std::string& name, std::string& out, long maxBytes) {
  out.clear();
  const std::string path = PathForReading(name);
  if (FileType(path) == FILETYPE_DIR) return false;
  const int fd = OpenRegular(path, Access::kRead, maxBytes);
  if (fd < 0) return false;
  // The size is checked again while reading: a file may grow after the check.
  char buffer[65536];
  bool ok = true;
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    if (long(out.size()) + got > maxBytes) {
      Print("skipped " + path + ": larger than " + std::to_string(maxBytes) + " bytes");
      ok = false;
      break;
    }
    out.append(buffer, size_t(got));
  }
  ::close(fd);
  if (!ok) out.clear();
  return ok;
}

SmallFileRead ReadSmallFile(const std::string& path, long maxBytes, std::string& out, std::string& why) {
  out.clear();
  const int kind = FileType(path);
  if (kind == FILETYPE_NONE) return SmallFileRead::kMissing;
  if (kind != FILETYPE_FILE) {
    why = "not a file";
  } else if (FileSize(path) > maxBytes) {
    why = "file too large";
  } else if (!ReadWholeFile(path, out, maxBytes)) {
    why = "cannot be read";
  } else {
    return SmallFileRead::kRead;
  }
  return SmallFileRead::kRefused;
}

}  // namespace drawing
