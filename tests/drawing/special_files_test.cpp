// Files that are no regular files, or far too large, are never read: a FIFO
// would block, a device never ends. Saves reach the disk before they count.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

#include "drawing/files.h"
#include "drawing/messages.h"
#include "temp_dir.h"

using namespace drawing;

namespace {

// Collects the log while alive.
class LogCapture {
 public:
  LogCapture() {
    SetPrintHook([this](const std::string& line) { lines_.push_back(line); });
  }
  ~LogCapture() { SetPrintHook(nullptr); }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;
  bool Mentions(const std::string& text) const {
    for (const std::string& line : lines_)
      if (line.find(text) != std::string::npos) return true;
    return false;
  }

 private:
  std::vector<std::string> lines_;
};

}  // namespace

TEST(SpecialFiles, FifosAndDevicesAreRefusedAtOnceWithALogLine) {
  TempDir dir;
  const std::string fifo = dir / "english.lang";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  std::filesystem::create_symlink("/dev/zero", dir / "bg.png");
  LogCapture log;
  const auto started = std::chrono::steady_clock::now();

  EXPECT_EQ(FileType(fifo), FILETYPE_OTHER);
  EXPECT_EQ(FileType(dir / "bg.png"), FILETYPE_OTHER) << "links are followed to what they name";
  std::string bytes = "old";
  EXPECT_FALSE(ReadWholeFile(fifo, bytes));
  EXPECT_TRUE(bytes.empty());
  EXPECT_FALSE(ReadWholeFile(dir / "bg.png", bytes));
  EXPECT_FALSE(Stream::Open(fifo, true, false));
  EXPECT_FALSE(Stream::Open(fifo, true, true));
  EXPECT_FALSE(Stream::Open(fifo, false, true)) << "writing into a FIFO nobody reads must not wait";
  EXPECT_FALSE(Stream::Open(dir / "bg.png", true, false));

  EXPECT_FALSE(IsReadableDataFile(fifo));
  EXPECT_FALSE(IsReadableDataFile(dir / "bg.png"));
  EXPECT_FALSE(IsReadableDataFile(dir / "missing.png"));
  EXPECT_FALSE(IsReadableDataFile(dir.str())) << "a folder is no data file";

  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
  EXPECT_TRUE(log.Mentions("skipped " + fifo + ": not a regular file"));
  EXPECT_TRUE(log.Mentions("bg.png: not a regular file"));
  EXPECT_EQ(FileType(fifo), FILETYPE_OTHER) << "the FIFO itself is left alone";
}

TEST(SpecialFiles, OversizedFilesAreRefusedAndTheLimitIsInclusive) {
  TempDir dir;
  std::ofstream(dir / "big.xml", std::ios::binary) << std::string(1000, 'x');
  LogCapture log;
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(dir / "big.xml", bytes, 1000));
  EXPECT_EQ(bytes.size(), 1000u);
  EXPECT_FALSE(ReadWholeFile(dir / "big.xml", bytes, 999));
  EXPECT_TRUE(bytes.empty()) << "nothing half read is handed on";
  EXPECT_TRUE(log.Mentions("larger than 999 bytes"));

  // A sparse file far over the limit costs neither time nor memory.
  {
    std::ofstream huge(dir / "huge.png", std::ios::binary);
    huge.seekp(kMaxDataFileBytes + 1);
    huge.put('x');
  }
  EXPECT_FALSE(ReadWholeFile(dir / "huge.png", bytes));
  EXPECT_FALSE(IsReadableDataFile(dir / "huge.png"));
  EXPECT_TRUE(IsReadableDataFile(dir / "big.xml"));
  EXPECT_FALSE(Stream::Open(dir / "huge.png", true, false));
}

TEST(SpecialFiles, WritingStillCreatesAndEmptiesRegularFiles) {
  TempDir dir;
  std::ofstream(dir / "old.bin", std::ios::binary) << "a longer old content";
  {
    auto s = Stream::Open(dir / "old.bin", false, true);
    ASSERT_TRUE(s);
    s->WriteString("new");
  }
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(dir / "old.bin", bytes));
  EXPECT_EQ(bytes, "new");
  auto both = Stream::Open(dir / "fresh.bin", true, true);
  ASSERT_TRUE(both) << "read-write creates a missing file";
  both->WriteInt(7);
  both->Seek(0);
  EXPECT_EQ(both->ReadInt(), 7);
}

namespace {

// System calls that log their order; `failing` names one that fails.
struct RecordedOps {
  std::vector<std::string> calls;
  std::string failing;
  int takenCount = 0;  // so many temporary names exist already
  unsigned long chunk = 0;  // a write takes at most so many bytes (0: all)
  int interruptions = 0;    // so many writes are interrupted by a signal first
  DurableFileOps ops = DurableFileOps::System();

  RecordedOps() {
    const DurableFileOps real = DurableFileOps::System();
    ops.createExclusive = [this, real](const std::string& path) {
      calls.push_back("create " + std::filesystem::path(path).filename().string());
      if (takenCount > 0) {
        --takenCount;
        errno = EEXIST;
        return -1;
      }
      return real.createExclusive(path);
    };
    ops.write = [this, real](int fd, const char* data, unsigned long size) -> long {
      calls.push_back("write");
      if (failing == "write") {
        errno = ENOSPC;
        return -1;
      }
      if (interruptions > 0) {
        --interruptions;
        errno = EINTR;
        return -1;
      }
      return real.write(fd, data, chunk > 0 && size > chunk ? chunk : size);
    };
    ops.sync = [this, real](int fd) {
      struct stat st {};
      ::fstat(fd, &st);
      calls.push_back(S_ISDIR(st.st_mode) ? "sync folder" : "sync file");
      if (failing == "sync") {
        errno = EIO;
        return -1;
      }
      return real.sync(fd);
    };
    ops.close = [this, real](int fd) {
      calls.push_back("close");
      return real.close(fd);
    };
    ops.rename = [this, real](const std::string& from, const std::string& to) {
      calls.push_back("rename");
      if (failing == "rename") {
        errno = EXDEV;
        return -1;
      }
      return real.rename(from, to);
    };
    ops.unlink = [this, real](const std::string& path) {
      calls.push_back("unlink");
      return real.unlink(path);
    };
  }
};

size_t IndexOf(const std::vector<std::string>& calls, const std::string& call) {
  for (size_t i = 0; i < calls.size(); ++i)
    if (calls[i] == call) return i;
  return calls.size();
}

bool OnlyFile(const TempDir& dir, const std::string& name) {
  return ReadDir(dir.str()) == std::vector<std::string>{name};
}

}  // namespace

TEST(DurableSaves, TheDataReachesTheDiskBeforeTheNameAndTheFolderAfterIt) {
  TempDir dir;
  RecordedOps recorded;
  ASSERT_TRUE(WriteFileAtomically(dir / "settings.xml", "<game/>", recorded.ops));
  const auto& calls = recorded.calls;
  const size_t syncFile = IndexOf(calls, "sync file");
  const size_t rename = IndexOf(calls, "rename");
  const size_t syncFolder = IndexOf(calls, "sync folder");
  ASSERT_LT(rename, calls.size());
  EXPECT_LT(IndexOf(calls, "write"), syncFile);
  EXPECT_LT(syncFile, rename) << "flushed before it is renamed";
  EXPECT_LT(syncFile, IndexOf(calls, "close"));
  EXPECT_LT(rename, syncFolder) << "the folder is flushed after the rename";
  EXPECT_LT(syncFolder, calls.size());
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(dir / "settings.xml", bytes));
  EXPECT_EQ(bytes, "<game/>");
  EXPECT_TRUE(OnlyFile(dir, "settings.xml"));
}

TEST(DurableSaves, AFailedWriteOrFlushKeepsTheOldFileAndLeavesNoTemporary) {
  for (const char* failing : {"write", "sync"}) {
    TempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir / "highscore.dat", "old scores"));
    RecordedOps recorded;
    recorded.failing = failing;
    EXPECT_FALSE(WriteFileAtomically(dir / "highscore.dat", "new scores", recorded.ops)) << failing;
    EXPECT_EQ(IndexOf(recorded.calls, "rename"), recorded.calls.size()) << failing;
    EXPECT_LT(IndexOf(recorded.calls, "unlink"), recorded.calls.size()) << failing;
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(dir / "highscore.dat", bytes));
    EXPECT_EQ(bytes, "old scores") << failing;
    EXPECT_TRUE(OnlyFile(dir, "highscore.dat")) << failing;
  }
}

size_t OpenDescriptors() {
  return size_t(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                              std::filesystem::directory_iterator()));
}

TEST(DurableSaves, EveryFailureClosesTheTemporaryFileAndRemovesIt) {
  for (const char* failing : {"write", "sync", "rename"}) {
    TempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir / "savegame.xml", "old"));
    const size_t open = OpenDescriptors();
    RecordedOps recorded;
    recorded.failing = failing;
    EXPECT_FALSE(WriteFileAtomically(dir / "savegame.xml", "new", recorded.ops)) << failing;
    EXPECT_EQ(std::count(recorded.calls.begin(), recorded.calls.end(), "close"), 1) << failing;
    EXPECT_EQ(OpenDescriptors(), open) << failing << ": no file handle left behind";
    EXPECT_TRUE(OnlyFile(dir, "savegame.xml")) << failing;
  }
}

TEST(DurableSaves, ShortAndInterruptedWritesGoOnWhereTheyStopped) {
  std::string bytes;
  for (int i = 0; i < 500; ++i) bytes += char('a' + i % 26);
  const struct {
    const char* what;
    unsigned long chunk;
    int interruptions;
  } cases[] = {{"one byte a write", 1, 0}, {"seven bytes a write", 7, 0}, {"interrupted twice", 0, 2},
               {"short and interrupted", 64, 3}};
  for (const auto& c : cases) {
    TempDir dir;
    RecordedOps recorded;
    recorded.chunk = c.chunk;
    recorded.interruptions = c.interruptions;
    ASSERT_TRUE(WriteFileAtomically(dir / "highscore.dat", bytes, recorded.ops)) << c.what;
    std::string read;
    ASSERT_TRUE(ReadWholeFile(dir / "highscore.dat", read)) << c.what;
    EXPECT_EQ(read, bytes) << c.what;
  }
}

TEST(DurableSaves, TemporaryNamesDifferPerSaveAndATakenOneIsSteppedOver) {
  const std::string first = TemporaryNameFor("settings.xml");
  EXPECT_NE(first, TemporaryNameFor("settings.xml"));
  EXPECT_NE(first.find("." + std::to_string(::getpid()) + "."), std::string::npos)
      << "another running copy has another process id";

  TempDir dir;
  RecordedOps recorded;
  recorded.takenCount = 3;  // names a crashed copy with the same process id left behind
  ASSERT_TRUE(WriteFileAtomically(dir / "settings.xml", "x", recorded.ops));
  std::vector<std::string> creates;
  for (const std::string& call : recorded.calls)
    if (call.rfind("create", 0) == 0) creates.push_back(call);
  ASSERT_EQ(creates.size(), 4u);
  std::sort(creates.begin(), creates.end());
  EXPECT_EQ(std::unique(creates.begin(), creates.end()), creates.end()) << "each try has a name of its own";
  EXPECT_TRUE(OnlyFile(dir, "settings.xml"));

  RecordedOps stuck;
  stuck.takenCount = 1000;
  EXPECT_FALSE(WriteFileAtomically(dir / "settings.xml", "y", stuck.ops)) << "gives up instead of looping";
}
