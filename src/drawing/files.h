// File operations of the drawing layer: folder listings, path types, and
// byte streams with little-endian numbers and one-byte-per-character text.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "drawing/durable_write.h"

namespace drawing {

// Where the game's relative paths lead. By default nowhere special: they are
// taken relative to the process's working folder, as given. An installed
// game reads its data from a folder it must not write to and keeps what it
// writes in the player's own folder: then a relative path names the file in
// the player's folder when one is there, else the one in the data folder;
// everything written goes to the player's folder, and folder listings show
// the entries of both. Absolute paths are always taken as they are.
// Relative folders in `shippedOnly` (and all below them) are read and listed
// from the data folder alone: a player's copy of one cannot break the game.
void SetGameFolders(const std::string& writable, const std::string& readOnly,
                    std::vector<std::string> shippedOnly = {});
// Back to plain relative paths.
void ClearGameFolders();
// The real path a read of `path` opens, and the one a write creates.
std::string PathForReading(const std::string& path);
std::string PathForWriting(const std::string& path);
// The real folders a listing of `path` shows, the player's first.
std::vector<std::string> PathsForListing(const std::string& path);


// FILETYPE_OTHER: a FIFO, device or socket. It is never read as data (a FIFO
// would block, a device never ends) and never taken for a missing file.
enum FileKind { FILETYPE_NONE = 0, FILETYPE_FILE = 1, FILETYPE_DIR = 2, FILETYPE_OTHER = 3 };

// Data files larger than this are refused: no file the game reads comes
// near it, and a hostile one must not exhaust the memory.
constexpr long kMaxDataFileBytes = 16L * 1024 * 1024;

// Entry names of a folder without "." and "..", sorted by name so that
// listings are the same on every file system; an entry in both game folders
// is listed once. Empty when it cannot be read.
std::vector<std::string> ReadDir(const std::string& path);
// 0 missing, 1 regular file, 2 folder, 3 anything else (links followed).
int FileType(const std::string& path);
bool DeleteFile(const std::string& path);
// Where a chain of symbolic links from `path` ends (the path itself when it
// is no link). A link to nowhere yet leads to the name it gives, so a write
// through it makes that file.
std::string FollowLinks(const std::string& path);
// A file of the player's set aside as its own name + suffix, replacing an
// older one. Through symbolic links the file they lead to is moved, beside
// itself, and the links stay: the next save makes it again where they
// point. Anything that is no regular file (a folder, a FIFO) is no file of
// ours and stays where it is.
enum class SetAside { kKept, kNotAFile, kFailed };
SetAside SetFileAside(const std::string& path, const std::string& suffix, std::string& keptAs);
// Creates the file, emptying it when it exists.
bool CreateFile(const std::string& path);
bool CreateDir(const std::string& path);
// Renames over an existing target in one step (used for safe saves).
bool RenameFile(const std::string& from, const std::string& to);
long FileSize(const std::string& path);  // -1 when missing
// True for a regular file the readers will take (within kMaxDataFileBytes).
// A FIFO, device or oversized file is logged as skipped; a missing one is not.
bool IsReadableDataFile(const std::string& path);

// A byte stream on a file. Reads past the end yield 0 (or a short text) and
// set Failed(), so that readers of truncated files can stop cleanly instead
// of inventing data.
class Stream {
 public:
  // Opens for reading and/or writing; null when the file cannot be opened.
  // Writing without reading creates or empties the file. Only regular files
  // open, and only up to kMaxDataFileBytes for reading; a refusal is logged.
  static std::shared_ptr<Stream> Open(const std::string& path, bool read, bool write);
  ~Stream();
  Stream(const Stream&) = delete;
  Stream& operator=(const Stream&) = delete;

  bool Eof();
  bool Failed() const { return failed_; }
  long Pos();
  long Size();
  bool Seek(long pos);

  int ReadByte();             // 0..255
  int32_t ReadInt();          // little-endian, 32-bit
  float ReadFloat();          // little-endian IEEE 754
  std::string ReadString(int n);  // n bytes, one character each
  std::string ReadLine();     // up to LF; a CR before it is dropped
  std::vector<uint8_t> ReadBytes(size_t n);

  void WriteByte(int value);
  void WriteInt(int32_t value);
  void WriteFloat(float value);
  void WriteString(const std::string& text);  // the bytes, nothing added
  void WriteLine(const std::string& text);    // text + CR LF
  void WriteBytes(const uint8_t* data, size_t n);

  // Flushes and closes; false when anything written was lost.
  bool Close();

  // Only Open makes streams; the key keeps the constructor its own.
  struct Key {
   private:
    Key() = default;
    friend class Stream;
  };
  Stream(Key, std::FILE* f) : file_(f) {}

 private:
  std::FILE* file_ = nullptr;
  bool failed_ = false;
  bool write_failed_ = false;
};
using StreamPtr = std::shared_ptr<Stream>;

// The whole file as bytes; false when it cannot be read, is no regular file
// or holds more than maxBytes (the last two are logged).
bool ReadWholeFile(const std::string& path, std::string& out, long maxBytes = kMaxDataFileBytes);

// A small file of the player's (a save, the preferences), read without a
// log line of its own, so that the caller says once what it falls back to.
enum class SmallFileRead { kRead, kMissing, kRefused };
// kRefused comes with the reason in `why`: no regular file, larger than
// maxBytes, or unreadable.
SmallFileRead ReadSmallFile(const std::string& path, long maxBytes, std::string& out, std::string& why);

}  // namespace drawing
