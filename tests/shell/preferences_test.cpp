// "preferences.xml": what is written reads back, and no file, however
// damaged or hostile, costs more than one log line and the defaults.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

#include "../drawing/temp_dir.h"
#include "drawing/files.h"
#include "drawing/messages.h"
#include "shell/preferences.h"
#include "shell/preferences_page.h"

namespace {

class Preferences : public ::testing::Test {
 protected:
  void SetUp() override {
    drawing::SetPrintHook([this](const std::string& line) { log_.push_back(line); });
  }
  void TearDown() override { drawing::SetPrintHook({}); }

  void Write(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
  std::string Read() {
    std::string bytes;
    drawing::ReadWholeFile(path_, bytes);
    return bytes;
  }

  TempDir dir_;
  const std::string path_ = dir_ / "preferences.xml";
  std::vector<std::string> log_;
};

std::vector<TPreferences> AllCombinations() {
  std::vector<TPreferences> all;
  for (int bits = 0; bits < 16; ++bits) {
    all.push_back({(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0});
  }
  return all;
}

TEST_F(Preferences, EveryCombinationReadsBackAndSavesToTheSameBytes) {
  for (const TPreferences& preferences : AllCombinations()) {
    ASSERT_TRUE(SavePreferences(preferences, path_));
    const std::string first = Read();
    EXPECT_EQ(LoadPreferences(path_), preferences);
    ASSERT_TRUE(SavePreferences(LoadPreferences(path_), path_));
    EXPECT_EQ(Read(), first);
  }
  EXPECT_TRUE(log_.empty()) << log_.front();
  EXPECT_FALSE(std::filesystem::exists(path_ + ".tmp"));
  EXPECT_EQ(Read(),
            "<?xml version=\"1.0\"?>\r\n<preferences version=\"1\">\r\n  <showconflicts>1</showconflicts>\r\n"
            "  <highlight>1</highlight>\r\n  <autoremovenotes>1</autoremovenotes>\r\n  <numeralnotes>1</numeralnotes>\r\n"
            "</preferences>\r\n");
}

TEST_F(Preferences, MissingFileGivesTheDefaultsWithOneLogLine) {
  const TPreferences loaded = LoadPreferences(path_);
  EXPECT_FALSE(loaded.showConflicts);
  EXPECT_TRUE(loaded.highlight);
  EXPECT_TRUE(loaded.autoRemoveNotes);
  EXPECT_FALSE(loaded.numeralNotes);
  EXPECT_EQ(log_.size(), 1u);
}

TEST_F(Preferences, EveryCutOfAFileGivesKnownValuesAndOneLogLineAtMost) {
  const TPreferences saved{true, false, false};
  const std::string whole = PreferencesFileText(saved);
  for (size_t length = 0; length < whole.size(); ++length) {
    Write(whole.substr(0, length));
    log_.clear();
    const TPreferences loaded = LoadPreferences(path_);
    EXPECT_LE(log_.size(), 1u) << length;
    // Each value is either what was saved or its default, never anything else.
    EXPECT_TRUE(loaded.highlight == saved.highlight || loaded.highlight == TPreferences{}.highlight);
    if (log_.empty()) {
      EXPECT_EQ(loaded, saved) << "a cut file read silently at " << length;
    }
  }
}

TEST_F(Preferences, UnreadableValuesKeepTheirDefaultsAndTheRestIsRead) {
  Write("<preferences version=\"7\"><showconflicts> 1 </showconflicts><highlight>yes</highlight>"
        "<autoremovenotes>0</autoremovenotes><future>1</future></preferences>");
  const TPreferences loaded = LoadPreferences(path_);
  EXPECT_TRUE(loaded.showConflicts);
  EXPECT_TRUE(loaded.highlight);  // "yes" is no value: the default
  EXPECT_FALSE(loaded.autoRemoveNotes);
  ASSERT_EQ(log_.size(), 1u);
  EXPECT_NE(log_[0].find("highlight"), std::string::npos);

  for (const char* bytes : {"", "not xml at all", "<settings><highlight>0</highlight></settings>",
                            "<preferences><highlight>2</highlight>", "\x01\x02\x03 binary-ish"}) {
    log_.clear();
    Write(bytes);
    EXPECT_EQ(LoadPreferences(path_), TPreferences{}) << bytes;
    EXPECT_EQ(log_.size(), 1u) << bytes;
  }
}

TEST_F(Preferences, FoldersPipesAndHugeFilesAreNeverRead) {
  std::filesystem::create_directory(path_);
  EXPECT_EQ(LoadPreferences(path_), TPreferences{});
  // Nothing can be written over a folder, and saying so is the answer.
  EXPECT_FALSE(SavePreferences(TPreferences{true, true, true}, path_));
  std::filesystem::remove(path_);

  // A pipe with no writer would block a reader for ever.
  ASSERT_EQ(mkfifo(path_.c_str(), 0600), 0);
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(LoadPreferences(path_), TPreferences{});
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
  std::filesystem::remove(path_);

  // A valid file padded far past any real size is refused whole.
  std::string huge = PreferencesFileText({true, false, false});
  huge.insert(huge.find("<showconflicts>"), std::string(1 << 20, ' '));
  Write(huge);
  log_.clear();
  EXPECT_EQ(LoadPreferences(path_), TPreferences{});
  EXPECT_EQ(log_.size(), 1u);
}

TEST_F(Preferences, AFailedSaveLeavesTheOldFile) {
  ASSERT_TRUE(SavePreferences({true, false, true}, path_));
  const std::string before = Read();
  // A file-size limit below the file's size makes the write of the
  // temporary file fail (also for root, who ignores permissions).
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit tiny = saved;
  tiny.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
  const bool saved_ok = SavePreferences({false, true, false}, path_);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(saved_ok);
  EXPECT_EQ(Read(), before);
  EXPECT_EQ(log_.size(), 1u);
}

TEST(PreferencesPage, TogglesChangeOnlyTheDraftUntilApplied) {
  const TPreferences inForce{false, true, true};
  TPreferencesPage page;
  EXPECT_FALSE(page.IsOpen());
  page.Open(inForce);
  ASSERT_TRUE(page.IsOpen());
  for (int i = 0; i < TPreferencesPage::kToggles; ++i) {
    page.Toggle(i);
    page.Toggle(i);
  }
  EXPECT_EQ(page.Draft(), inForce);
  page.Toggle(-1);
  page.Toggle(TPreferencesPage::kToggles);
  EXPECT_EQ(page.Draft(), inForce);

  page.Toggle(0);
  EXPECT_TRUE(page.IsOn(0));
  page.Toggle(2);
  EXPECT_FALSE(page.IsOn(2));
  EXPECT_TRUE(page.IsOn(1));
  const TPreferences applied = page.Apply();
  EXPECT_FALSE(page.IsOpen());
  EXPECT_EQ(applied, (TPreferences{true, true, false}));

  // Opening again starts from what is in force, not from the old draft.
  page.Open(inForce);
  page.Toggle(1);
  page.Cancel();
  EXPECT_FALSE(page.IsOpen());
  page.Open(inForce);
  EXPECT_EQ(page.Draft(), inForce);
}

}  // namespace
