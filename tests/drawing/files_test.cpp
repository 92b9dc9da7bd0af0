// Files and streams: listings, little-endian numbers, lines, truncation.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "drawing/files.h"
#include "drawing/pixmap.h"
#include "temp_dir.h"

using namespace drawing;

TEST(Files, ListingsAndPathTypes) {
  TempDir dir;
  std::ofstream(dir / "b.txt") << "x";
  std::ofstream(dir / "a.txt") << "x";
  ASSERT_TRUE(CreateDir(dir / "sub"));
  EXPECT_EQ(ReadDir(dir.str()), (std::vector<std::string>{"a.txt", "b.txt", "sub"}));
  EXPECT_TRUE(ReadDir(dir / "missing").empty());
  EXPECT_EQ(FileType(dir / "a.txt"), FILETYPE_FILE);
  EXPECT_EQ(FileType(dir / "sub"), FILETYPE_DIR);
  EXPECT_EQ(FileType(dir / "nothing"), FILETYPE_NONE);
  EXPECT_TRUE(DeleteFile(dir / "a.txt"));
  EXPECT_FALSE(DeleteFile(dir / "sub")) << "folders are not deleted as files";
  EXPECT_EQ(FileType(dir / "a.txt"), FILETYPE_NONE);
}

TEST(Files, StreamsWriteLittleEndianAndReadBack) {
  TempDir dir;
  {
    auto s = Stream::Open(dir / "data.bin", false, true);
    ASSERT_TRUE(s);
    s->WriteInt(-2);
    s->WriteInt(0x01020304);
    s->WriteFloat(1.5f);
    s->WriteByte(300);
    s->WriteString("ab");
    s->WriteLine("line one");
    s->WriteLine("");
    EXPECT_TRUE(s->Close());
  }
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(dir / "data.bin", bytes));
  EXPECT_EQ(bytes.substr(4, 4), std::string("\x04\x03\x02\x01", 4));
  EXPECT_EQ(bytes.substr(13), std::string("abline one\r\n\r\n"));

  auto s = Stream::Open(dir / "data.bin", true, false);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->ReadInt(), -2);
  EXPECT_EQ(s->ReadInt(), 0x01020304);
  EXPECT_FLOAT_EQ(s->ReadFloat(), 1.5f);
  EXPECT_EQ(s->ReadByte(), 300 & 255);
  EXPECT_EQ(s->ReadString(2), "ab");
  EXPECT_EQ(s->ReadLine(), "line one");
  EXPECT_EQ(s->ReadLine(), "");
  EXPECT_TRUE(s->Eof());
  EXPECT_FALSE(s->Failed());
  EXPECT_EQ(s->ReadInt(), 0);
  EXPECT_TRUE(s->Failed()) << "reading past the end is reported, not invented";
}

TEST(Files, TruncatedReadsAndHugeLengthsStaySmall) {
  TempDir dir;
  std::ofstream(dir / "short.bin", std::ios::binary) << "abc";
  auto s = Stream::Open(dir / "short.bin", true, false);
  EXPECT_EQ(s->ReadString(2000000000), "abc");
  EXPECT_TRUE(s->Failed());
  EXPECT_FALSE(Stream::Open(dir / "missing.bin", true, false));
  EXPECT_FALSE(Stream::Open(dir.str(), true, false)) << "a folder is no stream";
}

// The limit holds for what is read, not only for the size the file gave
// when it was opened: a file of the kernel's (size 0, bytes on reading)
// stands for a file that grows after the check.
TEST(Files, WholeFileReadsStopAtTheLimit) {
  TempDir dir;
  std::ofstream(dir / "ten.bin", std::ios::binary) << "0123456789";
  ASSERT_EQ(std::filesystem::file_size("/proc/self/status"), 0u);
  const struct {
    std::string path;
    long limit;
    bool read;
  } cases[] = {
      {dir / "ten.bin", 10, true},
      {dir / "ten.bin", 9, false},
      {"/proc/self/status", 100, false},
      {"/proc/self/status", 1 << 20, true},
  };
  for (const auto& c : cases) {
    std::string out = "stale";
    EXPECT_EQ(ReadWholeFile(c.path, out, c.limit), c.read) << c.path << " " << c.limit;
    EXPECT_EQ(out.empty(), !c.read) << c.path << " " << c.limit;
    EXPECT_LE(long(out.size()), c.limit) << c.path;
  }
}

TEST(Files, AtomicWritesReplaceWholeFilesOnly) {
  TempDir dir;
  ASSERT_TRUE(WriteFileAtomically(dir / "f.txt", "first"));
  ASSERT_TRUE(WriteFileAtomically(dir / "f.txt", "second"));
  std::string out;
  ASSERT_TRUE(ReadWholeFile(dir / "f.txt", out));
  EXPECT_EQ(out, "second");
  EXPECT_EQ(ReadDir(dir.str()), std::vector<std::string>{"f.txt"}) << "no temporary file is left behind";
  EXPECT_FALSE(WriteFileAtomically(dir / "missing/f.txt", "x"));
}

TEST(Files, AtomicWritesThroughALinkReplaceItsTargetAndKeepTheLink) {
  TempDir dir;
  namespace fs = std::filesystem;
  fs::create_directories(dir / "player");
  fs::create_directories(dir / "elsewhere");
  std::ofstream(dir / "elsewhere/settings.xml") << "old";
  fs::create_symlink("../elsewhere/settings.xml", dir / "player/settings.xml");  // relative, as ln -s makes it
  fs::create_symlink(dir / "player/settings.xml", dir / "player/chained.xml");   // a link to the link
  fs::create_symlink("nowhere-yet.xml", dir / "player/dangling.xml");

  struct Case {
    std::string written, target, bytes;
  };
  for (const Case& c : {Case{"player/settings.xml", "elsewhere/settings.xml", "new"},
                        Case{"player/chained.xml", "elsewhere/settings.xml", "newer"},
                        Case{"player/dangling.xml", "player/nowhere-yet.xml", "first"}}) {
    ASSERT_TRUE(WriteFileAtomically(dir / c.written, c.bytes)) << c.written;
    EXPECT_TRUE(fs::is_symlink(dir / c.written)) << c.written << " is no longer a link";
    std::string out;
    ASSERT_TRUE(ReadWholeFile(dir / c.target, out)) << c.target;
    EXPECT_EQ(out, c.bytes) << c.written;
  }
  EXPECT_EQ(ReadDir(dir / "elsewhere"), std::vector<std::string>{"settings.xml"}) << "a temporary file is left";
}

TEST(Files, APictureThatDoesNotFitOnTheDiskLeavesTheOldOneWhole) {
  TempDir dir;
  auto noise = Pixmap::Create(256, 256, PF_RGBA8888);
  ASSERT_TRUE(noise);
  uint32_t x = 2463534242u;
  for (int i = 0; i < 256 * 256; ++i) {
    x ^= x << 13, x ^= x >> 17, x ^= x << 5;  // incompressible, so far beyond the limit below
    noise->data()[i] = x;
  }
  const std::string shot = dir / "shot.png";
  std::ofstream(shot, std::ios::binary) << "the previous picture";
  // A full disk: writes past 4 KB fail (and do not kill the process).
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit full = old;
  full.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
  const bool saved = SavePixmapPNG(*noise, shot, 1);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(saved);
  std::string out;
  ASSERT_TRUE(ReadWholeFile(shot, out));
  EXPECT_EQ(out, "the previous picture");
  EXPECT_EQ(ReadDir(dir.str()), std::vector<std::string>{"shot.png"}) << "a cut picture is left";
}
