// Files and streams: listings, little-endian numbers, lines, truncation.
#include <gtest/gtest.h>

#include <fstream>

#include "drawing/files.h"
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
