// Choosing the data and player folders from the working folder, the
// program's place and the environment; preparing the player's folder.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "../drawing/temp_dir.h"
#include "shell/game_folders.h"

namespace fs = std::filesystem;

namespace {

void MakeGameData(const fs::path& folder) {
  fs::create_directories(folder / "gfx");
  fs::create_directories(folder / "themes" / "base");
  std::ofstream(folder / "themes" / "base" / "config.xml") << "<theme/>";
  std::ofstream(folder / "settings.xml") << "<game><settings/></game>";
}

// A prefix laid out as the build installs it: bin/gridlet and the data.
struct Installation {
  TempDir root;
  fs::path program = fs::path(root.str()) / "bin" / "gridlet";
  fs::path data = (program.parent_path() / InstalledDataFromProgram()).lexically_normal();
  Installation() {
    fs::create_directories(program.parent_path());
    std::ofstream(program) << "";
    MakeGameData(data);
  }
};

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(GameFolders, AFolderWithTheGameDataIsUsedForEverything) {
  TempDir work;
  MakeGameData(work.str());
  Installation installed;
  std::string error;
  const auto folders = ChooseGameFolders({work.str(), installed.program.string(), "/x", "/home/p"}, error);
  ASSERT_TRUE(folders) << error;
  EXPECT_EQ(folders->data, work.str());
  EXPECT_EQ(folders->user, work.str());
  EXPECT_FALSE(folders->Installed());
}

TEST(GameFolders, InstalledGameKeepsThePlayersFilesInTheXdgFolder) {
  TempDir elsewhere;
  Installation installed;
  std::string error;
  auto folders = ChooseGameFolders({elsewhere.str(), installed.program.string(), "/xdg/data", "/home/p"}, error);
  ASSERT_TRUE(folders) << error;
  EXPECT_TRUE(fs::equivalent(folders->data, installed.data));
  EXPECT_EQ(folders->user, "/xdg/data/gridlet");

  // Without XDG_DATA_HOME, or with a relative one (to be ignored), the
  // default below the home folder.
  for (const char* xdg : {"", "relative/data"}) {
    folders = ChooseGameFolders({elsewhere.str(), installed.program.string(), xdg, "/home/p"}, error);
    ASSERT_TRUE(folders) << error;
    EXPECT_EQ(folders->user, "/home/p/.local/share/gridlet") << "XDG_DATA_HOME=" << xdg;
  }
}

TEST(GameFolders, APlayersFolderWithAThemeNamedBaseIsNoGameData) {
  Installation installed;
  TempDir home;
  const fs::path user = fs::path(home.str()) / ".local" / "share" / "gridlet";
  fs::create_directories(user / "themes" / "base");
  std::ofstream(user / "themes" / "base" / "config.xml") << "<theme/>";
  std::string error;
  const auto folders = ChooseGameFolders({user.string(), installed.program.string(), "", home.str()}, error);
  ASSERT_TRUE(folders) << error;
  EXPECT_TRUE(folders->Installed()) << "started in the player's folder, the installed data is still used";
  EXPECT_EQ(folders->user, user.string());
}

TEST(GameFolders, StartedInsideTheInstalledDataTheGameStillWritesElsewhere) {
  Installation installed;
  std::string error;
  const auto folders = ChooseGameFolders({installed.data.string(), installed.program.string(), "", "/home/p"}, error);
  ASSERT_TRUE(folders) << error;
  EXPECT_TRUE(folders->Installed());
  EXPECT_EQ(folders->user, "/home/p/.local/share/gridlet");
}

TEST(GameFolders, MissingDataOrHomeIsAClearError) {
  TempDir elsewhere, bare;
  std::string error;
  const std::string program = (fs::path(bare.str()) / "bin" / "gridlet").string();
  EXPECT_FALSE(ChooseGameFolders({elsewhere.str(), program, "", "/home/p"}, error));
  EXPECT_NE(error.find("no game data in " + elsewhere.str()), std::string::npos) << error;

  Installation installed;
  error.clear();
  EXPECT_FALSE(ChooseGameFolders({elsewhere.str(), installed.program.string(), "", ""}, error));
  EXPECT_NE(error.find("HOME"), std::string::npos) << error;

  // The message names the part that is missing in each folder.
  const struct {
    fs::path removed;
    std::string named;
  } damages[] = {{"themes/base/config.xml", "themes/base/config.xml"}, {"gfx", "gfx/"}};
  for (const auto& damage : damages) {
    Installation broken;
    fs::remove_all(broken.data / damage.removed);
    error.clear();
    EXPECT_FALSE(ChooseGameFolders({elsewhere.str(), broken.program.string(), "", "/home/p"}, error));
    EXPECT_NE(error.find("no game data in " + elsewhere.str() + " (no themes/base/config.xml) nor in " +
                         broken.data.string() + " (no " + damage.named + ")"),
              std::string::npos)
        << error;
  }

  // A player folder that is the installed data itself would write into it.
  const std::string share = installed.data.parent_path().string();
  error.clear();
  EXPECT_FALSE(ChooseGameFolders({elsewhere.str(), installed.program.string(), share, ""}, error));
  EXPECT_NE(error.find("installed game data"), std::string::npos) << error;
}

TEST(GameFolders, FirstStartMakesAPrivateFolderWithTheDefaultSettings) {
  Installation installed;
  TempDir home;
  const fs::path user = fs::path(home.str()) / "share" / "gridlet";
  std::string error;
  ASSERT_TRUE(PrepareUserFolder({installed.data.string(), user.string()}, error)) << error;
  EXPECT_EQ(Contents(user / "settings.xml"), Contents(installed.data / "settings.xml"));
  EXPECT_TRUE(fs::is_directory(user / "screenshots"));
  EXPECT_EQ(fs::status(user).permissions() & fs::perms::all, fs::perms::owner_all);
  EXPECT_FALSE(fs::exists(user / "settings.xml.tmp"));

  // Later starts keep the player's settings.
  std::ofstream(user / "settings.xml") << "changed";
  ASSERT_TRUE(PrepareUserFolder({installed.data.string(), user.string()}, error)) << error;
  EXPECT_EQ(Contents(user / "settings.xml"), "changed");
}

TEST(GameFolders, APlayerFolderThatCannotBeMadeIsReported) {
  Installation installed;
  TempDir home;
  const fs::path blocker = fs::path(home.str()) / "share";
  std::ofstream(blocker) << "a file where the folder should be";
  std::string error;
  EXPECT_FALSE(PrepareUserFolder({installed.data.string(), (blocker / "gridlet").string()}, error));
  EXPECT_NE(error.find("cannot make"), std::string::npos) << error;
}
