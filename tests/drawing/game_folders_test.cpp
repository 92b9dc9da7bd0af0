// Relative paths of an installed game: read from the player's folder before
// the data folder, written only to the player's folder, listed from both.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "drawing/files.h"
#include "drawing/pixmap.h"
#include "temp_dir.h"

using namespace drawing;

namespace {

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class GameFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(data / "themes/base");
    std::filesystem::create_directories(data / "themes/winter");
    std::filesystem::create_directories(user / "themes/mine");
    std::ofstream(data / "settings.xml") << "shipped";
    std::ofstream(data / "themes/base/config.xml") << "base";
    std::ofstream(user / "themes/mine/config.xml") << "mine";
    SetGameFolders(user.str(), data.str());
  }
  void TearDown() override { ClearGameFolders(); }

  TempDir data, user;
};

}  // namespace

TEST_F(GameFoldersTest, ReadsPreferThePlayersFileAndFallBackToTheData) {
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile("settings.xml", bytes));
  EXPECT_EQ(bytes, "shipped");
  std::ofstream(user / "settings.xml") << "mine";
  ASSERT_TRUE(ReadWholeFile("settings.xml", bytes));
  EXPECT_EQ(bytes, "mine") << "the player's copy hides the shipped default";

  EXPECT_EQ(FileType("themes/base/config.xml"), FILETYPE_FILE);
  EXPECT_EQ(FileType("themes/mine"), FILETYPE_DIR);
  EXPECT_EQ(FileType("themes/none"), FILETYPE_NONE);
  EXPECT_EQ(FileSize("themes/base/config.xml"), 4);
  auto stream = Stream::Open("themes/mine/config.xml", true, false);
  ASSERT_TRUE(stream);
  EXPECT_EQ(stream->ReadLine(), "mine");
}

TEST_F(GameFoldersTest, ListingsShowBothFoldersOnce) {
  std::filesystem::create_directories(user / "themes/base");
  EXPECT_EQ(ReadDir("themes"), (std::vector<std::string>{"base", "mine", "winter"}));
  EXPECT_EQ(ReadDir(""), (std::vector<std::string>{"settings.xml", "themes"}));
  EXPECT_TRUE(ReadDir("nothing").empty());
}

TEST_F(GameFoldersTest, EveryWriteLandsInThePlayersFolder) {
  const std::string shippedBefore = Contents(data / "settings.xml");
  ASSERT_TRUE(WriteFileAtomically("settings.xml", "changed"));
  EXPECT_EQ(Contents(user / "settings.xml"), "changed");
  EXPECT_EQ(Contents(data / "settings.xml"), shippedBefore);

  auto stream = Stream::Open("highscore.dat", false, true);
  ASSERT_TRUE(stream);
  stream->WriteInt(7);
  ASSERT_TRUE(stream->Close());
  EXPECT_EQ(FileSize(user / "highscore.dat"), 4);

  ASSERT_TRUE(CreateDir("screenshots"));
  const PixmapPtr pixels = Pixmap::Create(2, 2);
  ASSERT_TRUE(pixels && SavePixmapPNG(*pixels, "screenshots/screen000.png", 1));
  EXPECT_TRUE(std::filesystem::is_regular_file(user / "screenshots/screen000.png"));

  ASSERT_TRUE(RenameFile("highscore.dat", "old.dat"));
  EXPECT_TRUE(std::filesystem::exists(user / "old.dat"));
  EXPECT_FALSE(DeleteFile("themes/base/config.xml")) << "the data folder's files are never deleted";
  EXPECT_TRUE(std::filesystem::exists(data / "themes/base/config.xml"));
  EXPECT_EQ(ReadDir(data.str()), (std::vector<std::string>{"settings.xml", "themes"}))
      << "nothing new in the data folder";
}

TEST_F(GameFoldersTest, AbsolutePathsAndClearedFoldersAreTakenAsGiven) {
  const std::string absolute = data / "settings.xml";
  EXPECT_EQ(PathForReading(absolute), absolute);
  EXPECT_EQ(PathForWriting(absolute), absolute);
  ClearGameFolders();
  EXPECT_EQ(PathForReading("settings.xml"), "settings.xml");
  EXPECT_EQ(PathForWriting("themes/x"), "themes/x");
}

TEST_F(GameFoldersTest, AShippedOnlyFolderIsNeverReadFromThePlayersFolder) {
  std::filesystem::create_directories(user / "themes/base");
  std::ofstream(user / "themes/base/config.xml") << "broken";
  std::ofstream(user / "themes/base/extra.png") << "x";
  SetGameFolders(user.str(), data.str(), {"themes/base"});
  for (const std::string path : {"themes/base/config.xml", "themes/./base/config.xml", "themes/mine/../base/config.xml"}) {
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes)) << path;
    EXPECT_EQ(bytes, "base") << path;
  }
  EXPECT_EQ(ReadDir("themes/base"), std::vector<std::string>{"config.xml"});
  EXPECT_EQ(FileType("themes/base/extra.png"), FILETYPE_NONE);
  EXPECT_EQ(ReadDir("themes"), (std::vector<std::string>{"base", "mine", "winter"})) << "other themes stay";
  std::string mine;
  ASSERT_TRUE(ReadWholeFile("themes/mine/config.xml", mine));
  EXPECT_EQ(mine, "mine");
  std::filesystem::create_directories(user / "themes/basement");
  std::ofstream(user / "themes/basement/config.xml") << "own";
  EXPECT_EQ(FileType("themes/basement/config.xml"), FILETYPE_FILE) << "only the folder itself, not its name's start";
}
