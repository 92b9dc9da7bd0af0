#include "shell/highscore.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace {

class HighscoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("gridlet_hs_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    path = (dir / "highscore.dat").string();
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  std::shared_ptr<THighscore> Make() {
    auto table = std::make_shared<THighscore>();
    table->path = path;
    table->print = [this](const std::string& line) { log.push_back(line); };
    table->Init();
    table->Load();
    return table;
  }

  std::string FileBytes() const {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  void WriteBytes(const std::string& bytes) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
  }

  std::filesystem::path dir;
  std::string path;
  std::vector<std::string> log;
};

TEST_F(HighscoreTest, MissingFileGetsTheDefaultTable) {
  auto table = Make();
  EXPECT_EQ(log, std::vector<std::string>{"created highscorefile"});
  const std::string bytes = FileBytes();
  ASSERT_EQ(bytes.size(), 532u);
  // First record: 150 little-endian, length 6, "Create".
  EXPECT_EQ(bytes.substr(0, 11), std::string("\x96\0\0\0\x06" "Create", 11));
  EXPECT_EQ(table->list[0]->score, 150);
  EXPECT_EQ(table->list[0]->name, "Create");
  EXPECT_EQ(table->list[5]->score, 25);
  EXPECT_EQ(table->list[5]->name, "Have fun!");
  for (int i = 6; i < 100; ++i) EXPECT_EQ(table->list[i]->score, 0);
  EXPECT_EQ(table->list[100], nullptr);
  EXPECT_EQ(table->Serialize(), bytes);
}

TEST_F(HighscoreTest, AFifoInPlaceOfTheFileCountsAsMissingAndNeverBlocks) {
  ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
  auto table = Make();  // a plain open would wait for a writer for ever
  EXPECT_EQ(log, std::vector<std::string>{"created highscorefile"});
  EXPECT_EQ(table->list[0]->name, "Create");
  EXPECT_TRUE(std::filesystem::is_regular_file(path)) << "the default table took the FIFO's place";
  EXPECT_EQ(FileBytes().size(), 532u);
}

TEST_F(HighscoreTest, NewScoreSortsBehindEqualScoresAndTheLastDropsOff) {
  auto table = Make();
  table->SortList();
  table->AddScore(100, 100, "Newcomer");
  table->SortList();
  table->Save();
  auto reloaded = Make();
  EXPECT_EQ(reloaded->list[2]->name, "Own");
  EXPECT_EQ(reloaded->list[3]->name, "Newcomer");
  EXPECT_EQ(reloaded->list[4]->name, "Sudoku");
  EXPECT_EQ(FileBytes().size(), 532u + 8u);  // one empty record became "Newcomer"

  const std::string before = FileBytes();
  reloaded->SortList();
  reloaded->AddScore(100, 0, "Zero");
  reloaded->SortList();
  reloaded->Save();
  EXPECT_EQ(FileBytes(), before) << "a zero score sorts behind every equal entry";
}

TEST_F(HighscoreTest, AddScoreIgnoresIndicesPastTheSpareSlot) {
  auto table = Make();
  table->AddScore(101, 999, "x");
  table->AddScore(-1, 999, "x");
  for (const auto& item : table->list)
    if (item) {
      EXPECT_NE(item->score, 999);
    }
}

TEST_F(HighscoreTest, TruncatedFileLoadsWholeRecordsOnly) {
  std::string bytes;
  const auto record = [&bytes](int score, const std::string& name) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((static_cast<uint32_t>(score) >> (8 * i)) & 0xff));
    bytes.push_back(static_cast<char>(name.size()));
    bytes += name;
  };
  record(900, "Ann");
  record(800, "Bob");
  bytes += std::string("\x2c\x01\0\0\x0a" "Tru", 8);  // length 10, only 3 bytes left
  WriteBytes(bytes);
  auto table = Make();
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(table->list[0]->name, "Ann");
  EXPECT_EQ(table->list[1]->score, 800);
  EXPECT_EQ(table->list[2]->score, 0);
  EXPECT_EQ(table->list[2]->name, "");
}

TEST_F(HighscoreTest, HostileLengthsAndGarbageNeverCrash) {
  WriteBytes(std::string("\xff\xff\xff\xff\xff", 5));
  auto table = Make();
  EXPECT_EQ(table->list[0]->score, 0);
  std::string noise;
  for (int i = 0; i < 3000; ++i) noise.push_back(static_cast<char>((i * 7919) & 0xff));
  WriteBytes(noise);
  auto other = Make();
  for (int i = 0; i < 100; ++i) ASSERT_NE(other->list[i], nullptr);
}

TEST_F(HighscoreTest, LongAndEightBitNamesRoundTrip) {
  auto table = Make();
  table->AddScore(100, 500, std::string(300, 'n'));
  table->SortList();
  table->AddScore(100, 400, "J\xf6rg");
  table->SortList();
  table->Save();
  auto reloaded = Make();
  EXPECT_EQ(reloaded->list[0]->name, std::string(255, 'n'));
  EXPECT_EQ(reloaded->list[1]->name, "J\xf6rg");
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(path).parent_path()))
    EXPECT_NE(entry.path().extension(), ".tmp") << "a temporary file was left behind";
}

TEST(HighscoreItem, CompareTreatsMissingItemsAsGreater) {
  auto a = THighscoreItem::Create(10, "a");
  auto b = THighscoreItem::Create(20, "b");
  EXPECT_EQ(a->Compare(b.get()), 1);
  EXPECT_EQ(b->Compare(a.get()), 0);
  EXPECT_EQ(a->Compare(a.get()), 0);
  EXPECT_EQ(a->Compare(nullptr), 1);
  EXPECT_EQ(THighscoreItem::CompareFunc(b.get(), a.get()), 1);
  EXPECT_EQ(THighscoreItem::CompareFunc(a.get(), nullptr), 1);
  EXPECT_EQ(THighscoreItem::CompareFunc(a.get(), b.get()), 0);
}

}  // namespace
