// The background writer: the caller never waits for the disk, each file
// keeps only its latest state, and nothing queued is lost at the end.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>

#include "drawing/background_writer.h"
#include "drawing/files.h"
#include "drawing/messages.h"
#include "temp_dir.h"

using namespace drawing;

namespace {

// Syncs that hold until the test opens the gate (or a few seconds pass),
// counting the files they were asked to sync.
struct Gate {
  std::mutex mutex;
  std::condition_variable opened;
  bool open = false;
  int syncs = 0;

  DurableFileOps Ops() {
    DurableFileOps ops = DurableFileOps::System();
    const DurableFileOps real = DurableFileOps::System();
    ops.sync = [this, real](int fd) {
      std::unique_lock lock(mutex);
      ++syncs;
      opened.wait_for(lock, std::chrono::seconds(5), [this] { return open; });
      return real.sync(fd);
    };
    return ops;
  }
  void Open() {
    {
      std::lock_guard lock(mutex);
      open = true;
    }
    opened.notify_all();
  }
};

std::string Contents(const std::string& path) {
  std::string bytes;
  return ReadWholeFile(path, bytes) ? bytes : "(missing)";
}

}  // namespace

TEST(BackgroundWriter, QueuesWithoutWaitingAndKeepsOnlyTheLatestStatePerFile) {
  TempDir dir;
  Gate gate;
  BackgroundWriter writer(gate.Ops());
  const auto start = std::chrono::steady_clock::now();
  writer.Write(dir / "save.xml", "first");  // taken at once, held in its sync
  for (int i = 0; i < 50 && [&] { std::lock_guard l(gate.mutex); return gate.syncs == 0; }(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  writer.Write(dir / "save.xml", "second");
  writer.Write(dir / "other.xml", "kept");
  writer.Write(dir / "save.xml", "third");
  writer.Remove(dir / "gone.xml");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << "a write waited for the disk";
  EXPECT_EQ(Contents(dir / "save.xml"), "(missing)") << "nothing is renamed before its sync";

  gate.Open();
  writer.Flush();
  EXPECT_EQ(Contents(dir / "save.xml"), "third");
  EXPECT_EQ(Contents(dir / "other.xml"), "kept");
  // first, third and other.xml, each a file and a folder sync; "second" never ran.
  EXPECT_EQ(gate.syncs, 6);
  EXPECT_EQ(writer.Failures(), 0) << "removing a missing file is no failure";

  writer.Write(dir / "save.xml", "fourth");
  writer.Remove(dir / "save.xml");
  writer.Flush();
  EXPECT_EQ(FileType(dir / "save.xml"), FILETYPE_NONE) << "a removal queued after a write wins";
}

TEST(BackgroundWriter, EndsOnlyWhenEverythingQueuedIsWrittenAndLogsFailures) {
  TempDir dir;
  std::vector<std::string> log;
  SetPrintHook([&log](const std::string& line) { log.push_back(line); });
  {
    DurableFileOps slow = DurableFileOps::System();
    slow.sync = [](int fd) {
      std::this_thread::sleep_for(std::chrono::milliseconds(30));
      return ::fsync(fd);
    };
    BackgroundWriter writer(slow);
    writer.Write(dir / "a.xml", "a");
    writer.Write(dir / "b.xml", "b");
    writer.Write(dir / "missing/c.xml", "c");
  }
  SetPrintHook(nullptr);
  EXPECT_EQ(Contents(dir / "a.xml"), "a");
  EXPECT_EQ(Contents(dir / "b.xml"), "b");
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0], "could not write " + dir / "missing/c.xml");
}

// Failed writes and removals are counted, each once; writes that succeed and
// removals of files already gone are not.
TEST(BackgroundWriter, CountsWritesAndRemovalsThatFailed) {
  TempDir dir;
  SetPrintHook([](const std::string&) {});
  BackgroundWriter writer(DurableFileOps::System());
  writer.Write(dir / "missing/c.xml", "c");
  writer.Write(dir / "kept.xml", "k");
  writer.Remove(dir / "never.xml");
  writer.Flush();
  EXPECT_EQ(writer.Failures(), 1) << "the write into a missing folder";
  DurableFileOps refusing = DurableFileOps::System();
  refusing.unlink = [](const std::string&) { return -1; };
  writer.UseFileOps(refusing);
  writer.Remove(dir / "kept.xml");
  writer.Flush();
  SetPrintHook(nullptr);
  EXPECT_EQ(writer.Failures(), 2) << "the refused removal";
  EXPECT_EQ(Contents(dir / "kept.xml"), "k");
}

// The game asks after its autosave from its own thread: a file whose latest
// write failed is reported until a write of it succeeds; other files'
// failures are theirs.
TEST(BackgroundWriter, ReportsAFileWhoseLatestWriteFailedUntilOneSucceeds) {
  TempDir dir;
  SetPrintHook([](const std::string&) {});
  BackgroundWriter writer(DurableFileOps::System());
  std::ofstream(dir / "games") << "a regular file where the save's folder belongs";
  const std::string save = dir / "games/savegame.xml";
  EXPECT_FALSE(writer.Failing(save));
  writer.Write(save, "first");
  writer.Write(dir / "other.xml", "o");
  writer.Flush();
  EXPECT_TRUE(writer.Failing(save));
  EXPECT_FALSE(writer.Failing(dir / "other.xml"));
  writer.Write(dir / "other.xml", "o2");
  writer.Flush();
  EXPECT_TRUE(writer.Failing(save)) << "another file's success clears nothing";

  std::filesystem::remove(dir / "games");
  std::filesystem::create_directory(dir / "games");
  writer.Write(save, "second");
  writer.Flush();
  SetPrintHook(nullptr);
  EXPECT_FALSE(writer.Failing(save));
  EXPECT_EQ(Contents(save), "second");
}

TEST(BackgroundWriter, RemovingALinkedFileRemovesItsTargetAndKeepsTheLink) {
  TempDir dir;
  std::filesystem::create_directory(dir / "real");
  { std::ofstream(dir / "real/save.xml") << "old game"; }
  std::filesystem::create_symlink(dir / "real/save.xml", dir / "save.xml");
  BackgroundWriter writer;
  writer.Remove(dir / "save.xml");
  writer.Flush();
  EXPECT_FALSE(std::filesystem::exists(dir / "real/save.xml")) << "a stale save stays at the link's target";
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "save.xml")) << "the link is gone";
  EXPECT_EQ(writer.Failures(), 0);
}
