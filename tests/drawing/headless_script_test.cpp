// The headless script reader: the commands that hold keys, type text and
// start the clock.
#include <gtest/gtest.h>

#include "drawing/headless.h"

namespace {

std::vector<drawing::ScriptCommand> Parse(const std::string& source, std::string* error = nullptr) {
  std::vector<drawing::ScriptCommand> commands;
  std::string message;
  if (!drawing::ParseScript(source, commands, message)) {
    if (error) *error = message;
    return {};
  }
  return commands;
}

}  // namespace

TEST(HeadlessScript, KeysCanBeHeldAroundOtherCommands) {
  auto commands = Parse("keydown 162\nkey 90\nkeyup 162\n");
  ASSERT_EQ(commands.size(), 3u);
  EXPECT_EQ(commands[0].kind, drawing::ScriptCommand::kKeyDown);
  EXPECT_EQ(commands[0].a, 162);
  EXPECT_EQ(commands[2].kind, drawing::ScriptCommand::kKeyUp);
  std::string error;
  EXPECT_TRUE(Parse("keydown 256\n", &error).empty());
  EXPECT_NE(error.find("line 1"), std::string::npos);
  EXPECT_TRUE(Parse("wait 1\nkeyup\n", &error).empty());
  EXPECT_NE(error.find("line 2"), std::string::npos);
}

TEST(HeadlessScript, TypeTakesLatin1TextWrittenAsUtf8) {
  auto commands = Parse("type J\xC3\xBCrgen O'Neil @=+\n");
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].text, "J\xFCrgen O'Neil @=+");
  EXPECT_TRUE(Parse("type \xE2\x80\x94\n").empty()) << "a character the game cannot hold";
  EXPECT_TRUE(Parse("type \xC3\n").empty()) << "a cut character";
  EXPECT_TRUE(Parse("type \xAA\n").empty()) << "a stray byte, which would type nothing";
  EXPECT_TRUE(Parse("type a\x01\n").empty()) << "a control character";
  EXPECT_EQ(Parse("type \xE2\x82\xAC\n").at(0).text, "\x80") << "the euro sign";
  EXPECT_TRUE(Parse("type\n").empty());
}

TEST(HeadlessScript, TheClockIsSetOnlyBeforeAnythingElse) {
  auto commands = Parse("# near the wrap\nclock 2147480000\nwait 1\n");
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0].kind, drawing::ScriptCommand::kClock);
  EXPECT_EQ(commands[0].a, 2147480000);
  EXPECT_TRUE(Parse("wait 1\nclock 5\n").empty());
  EXPECT_TRUE(Parse("clock -5\n").empty());
}
