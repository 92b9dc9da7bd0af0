// The pages added to the menus: the play aids in the settings, the way back
// from the game menu to an unfinished game, and "How to play".
#include <map>
#include <utility>
#include <vector>

#include "drawing/messages.h"
#include "game_fixture.h"
#include "shell/how_to_play.h"
#include "support/functions.h"

namespace {

// Clicks a widget of a menu shown over the play screen, 100 pixels higher.
void ClickRaised(const TGUIobject& widget) {
  GameTest::Click(widget.x + widget.width / 2, widget.y - 100 + widget.height / 2);
}

int ElapsedMs() { return GameClock::now - GameStartTime; }

int WidthIn(const drawing::ImageFontPtr& font, const std::string& text) {
  drawing::SetImageFont(font);
  return drawing::TextWidth(text);
}

std::string PlayerBoard() {
  std::string cells;
  for (const auto& column : PlayMaps.Map)
    for (const auto& cell : column) cells += char('0' + cell[0]) + std::string(1, char('0' + cell[1]));
  return cells;
}

}  // namespace

TEST_F(GameTest, PlayAidsPageKeepsAppliedTogglesAndForgetsCancelledOnes) {
  std::filesystem::remove("preferences.xml");
  const std::string settings = FileBytes("settings.xml");
  Game->Preferences = TPreferences{};
  GameState = GAME_OPTIONMENU;
  LastGameState = GAME_STARTMENU;
  Click(*Widgets.preferencesOpen);
  ASSERT_TRUE(Game->PreferencesPage.IsOpen());
  EXPECT_EQ(GameState, GAME_OPTIONMENU);
  Step();
  EXPECT_EQ(Widgets.preferenceToggles[0]->on, 0);
  EXPECT_EQ(Widgets.preferenceToggles[1]->on, 1);  // highlight is on by default

  // The main page's buttons sleep under the page.
  Click(*Widgets.preferenceToggles[0]);
  Click(*Widgets.preferencesCancel);
  EXPECT_FALSE(Game->PreferencesPage.IsOpen());
  EXPECT_EQ(GameState, GAME_OPTIONMENU);
  EXPECT_EQ(Game->Preferences, TPreferences{});
  EXPECT_FALSE(std::filesystem::exists("preferences.xml"));

  Click(*Widgets.preferencesOpen);
  Click(*Widgets.preferenceToggles[0]);
  Click(*Widgets.preferenceToggles[2]);
  EXPECT_EQ(Widgets.preferenceToggles[0]->on, 1);
  EXPECT_EQ(Widgets.preferenceToggles[2]->on, 0);
  Click(*Widgets.preferencesApply);
  const TPreferences chosen{true, true, false};
  EXPECT_EQ(Game->Preferences, chosen);
  EXPECT_EQ(LoadPreferences("preferences.xml"), chosen);
  // Back on the main page, which still leads where it came from.
  EXPECT_EQ(GameState, GAME_OPTIONMENU);
  Click(*Widgets.optionCancel);
  EXPECT_EQ(GameState, GAME_STARTMENU);
  EXPECT_EQ(FileBytes("settings.xml"), settings);
  std::filesystem::remove("preferences.xml");
  Game->Preferences = TPreferences{};
}

TEST_F(GameTest, PlayAidsPageOverTheBoardSitsHigherAndReturnsToTheGame) {
  StartLevelOne();
  Game->Preferences = TPreferences{};
  Click(*Widgets.inGame[kSettings]);
  ASSERT_EQ(GameState, GAME_OPTIONMENU);
  ClickRaised(*Widgets.preferencesOpen);
  ASSERT_TRUE(Game->PreferencesPage.IsOpen());
  const int y = Widgets.preferenceToggles[1]->y;
  Game->Draw(1);
  EXPECT_EQ(Widgets.preferenceToggles[1]->y, y);  // moved only while drawn
  ClickRaised(*Widgets.preferenceToggles[1]);
  ClickRaised(*Widgets.preferencesApply);
  EXPECT_FALSE(Game->Preferences.highlight);
  ClickRaised(*Widgets.optionCancel);
  EXPECT_EQ(GameState, GAME_RUNNING);
  std::filesystem::remove("preferences.xml");
  Game->Preferences = TPreferences{};
}

TEST_F(GameTest, BackReturnsToTheUnfinishedGameWithoutTheMenuTime) {
  StartLevelOne();
  int c = 0, r = 0;
  ASSERT_TRUE(FindCell(0, c, r));
  ClickCell(c, r);
  Click(*Widgets.inGame[kShowWrong]);
  Step(120);
  const std::string board = PlayerBoard();
  const int level = CurrentLevel;
  const int stones = CurrentSkin->ActiveStoneSkin;

  Click(*Widgets.inGame[kNewGame]);
  ASSERT_EQ(GameState, GAME_GAMEMENU);
  ASSERT_TRUE(Game->Suspended.Active());
  const int elapsed = ElapsedMs();
  EXPECT_EQ(Widgets.gameStart->x, 225);  // beside "Back"
  // Whatever the menu changes meanwhile: another level, the second stone set.
  Widgets.difficulty->actvalue = 5;
  Click(*Widgets.stoneSets[1]);
  EXPECT_EQ(StoneSetFactor, 3);
  Step(600);
  Click(*Widgets.gameBack);

  ASSERT_EQ(GameState, GAME_RUNNING);
  EXPECT_FALSE(Game->Suspended.Active());
  EXPECT_EQ(PlayerBoard(), board);
  EXPECT_EQ(CurrentLevel, level);
  EXPECT_EQ(CurrentSkin->ActiveStoneSkin, stones);
  EXPECT_EQ(StoneSetFactor, 1);
  EXPECT_EQ(Game->MaxColors, 9);
  EXPECT_EQ(ShowWrongTurns, 1);
  EXPECT_EQ(Widgets.inGame[kShowWrong]->on, 1);
  // The clock goes on from where "New game" stopped it: the ten seconds in
  // the menu and the updates of both clicks there are no play time.
  EXPECT_EQ(ElapsedMs(), elapsed);
  Step();
  EXPECT_EQ(ElapsedMs(), elapsed + 17);
  Widgets.difficulty->actvalue = 0;
}

TEST_F(GameTest, BackBeforeAnyTurnLeavesTheTurnStatisticsAsTheyWere) {
  // Level 6: its set-up gives no hints, so no turn is counted yet.
  GameState = GAME_GAMEMENU;
  Widgets.difficulty->actvalue = 5;
  Click(*Widgets.gameStart);
  ASSERT_EQ(GameState, GAME_RUNNING);
  ASSERT_EQ(CurrentLevel, 6);
  Step(60);
  const TSudoku& sudoku = *Game->Sudoku;
  const auto stats = [&sudoku] {
    return std::vector<int>{sudoku.stats_usedturns, sudoku.stats_lastturntime, sudoku.stats_longestturntime,
                            sudoku.stats_averageturntime, sudoku.stats_givenhints};
  };
  const std::vector<int> before = stats();
  ASSERT_EQ(sudoku.stats_lastturntime, 0) << "no turn yet";
  Click(*Widgets.inGame[kNewGame]);
  ASSERT_TRUE(Game->Suspended.Active());
  Step(600);
  Click(*Widgets.gameBack);
  ASSERT_EQ(GameState, GAME_RUNNING);
  EXPECT_EQ(stats(), before);

  // The first turn is measured from the start of the game, without the menu.
  Step(120);
  Click(*Widgets.inGame[kHint]);
  ASSERT_EQ(sudoku.stats_usedturns, before[0] + 1);
  EXPECT_NEAR(sudoku.stats_longestturntime, ElapsedMs(), 100);
}

TEST_F(GameTest, StartingFromTheMenuGivesUpTheSuspendedGame) {
  StartLevelOne();
  Click(*Widgets.inGame[kShowWrong]);
  const int firstSeed = Game->Sudoku->seed;
  Click(*Widgets.inGame[kNewGame]);
  ASSERT_TRUE(Game->Suspended.Active());
  // Not given up until a new puzzle is there.
  EXPECT_EQ(ShowWrongTurns, 1);
  Click(*Widgets.gameStart);
  ASSERT_EQ(GameState, GAME_RUNNING);
  EXPECT_FALSE(Game->Suspended.Active());
  EXPECT_EQ(ShowWrongTurns, 0);
  EXPECT_EQ(Widgets.inGame[kShowWrong]->on, 0);
  EXPECT_NE(Game->Sudoku->seed, firstSeed);

  // The menu opened from the start menu has no way back.
  GameState = GAME_GAMEMENU;
  Step();
  EXPECT_EQ(Widgets.gameStart->x, 320);
  Click(Widgets.gameBack->x + Widgets.gameBack->width - 10, Widgets.gameBack->y + 10);
  EXPECT_EQ(GameState, GAME_GAMEMENU);
}

TEST_F(GameTest, NewGameAfterAFinishedGameHasNothingToGoBackTo) {
  StartLevelOne();
  Click(*Widgets.inGame[kSolve]);
  ASSERT_EQ(GameFinished, 1);
  Click(*Widgets.inGame[kNewGame]);
  EXPECT_EQ(GameState, GAME_GAMEMENU);
  EXPECT_FALSE(Game->Suspended.Active());
  EXPECT_EQ(GameFinished, 0);
}

TEST(SuspendedGame, ResumeMeasuresThePauseAcrossAClockWrap) {
  TSuspendedGame suspended;
  EXPECT_EQ(suspended.Resume(5000), 0);  // nothing was suspended
  const TRunningGameView view{4, 2, 9, 3};
  suspended.Suspend(view, 1000);
  EXPECT_EQ(suspended.View(), view);
  EXPECT_EQ(suspended.Resume(5000), 4000);
  EXPECT_FALSE(suspended.Active());
  EXPECT_EQ(suspended.Resume(9000), 0);  // once only

  suspended.Suspend(view, 2147483000);
  EXPECT_EQ(suspended.Resume(-2147483000), 1296);
  suspended.Suspend(view, 10);
  suspended.Discard();
  EXPECT_FALSE(suspended.Active());
}

TEST_F(GameTest, HowToPlayLeafsThroughItsPagesAndClosesToTheStartMenu) {
  Step();
  EXPECT_EQ(Widgets.howToPlay->grayedout, 0);
  Click(*Widgets.howToPlay);
  ASSERT_EQ(GameState, GAME_HOWTOPLAY);
  EXPECT_EQ(Game->HowToPlayPage, 0);
  EXPECT_EQ(Widgets.howToPrevious->grayedout, 1);
  const int pages = int(HowToPlayPages(Text).size());
  ASSERT_EQ(pages, 4);
  for (int i = 1; i < pages + 2; ++i) Click(*Widgets.howToNext);
  EXPECT_EQ(Game->HowToPlayPage, pages - 1);  // stops at the last page
  EXPECT_EQ(Widgets.howToNext->grayedout, 1);
  Click(*Widgets.howToPrevious);
  EXPECT_EQ(Game->HowToPlayPage, pages - 2);
  // The arrow keys leaf too (a key acts from its second update held).
  drawing::Input().PressKey(39);
  Step(2);
  drawing::Input().ReleaseKey(39);
  Step();
  EXPECT_EQ(Game->HowToPlayPage, pages - 1);
  Game->Draw(1);
  Click(*Widgets.howToClose);
  EXPECT_EQ(GameState, GAME_STARTMENU);
  Click(*Widgets.howToPlay);
  EXPECT_EQ(Game->HowToPlayPage, 0);  // always opens on the rules
  Click(*Widgets.howToClose);
}

// Every text of the new pages exists in both languages and fits its place.
TEST_F(GameTest, NewPagesReadTheSameInBothLanguagesAndFitTheirPlaces) {
  std::vector<size_t> rowsPerPage;
  for (const char* language : {"english", "german"}) {
    SCOPED_TRACE(language);
    ASSERT_EQ(Localization::SetLanguage(language), 1);
    const std::vector<THowToPage> pages = HowToPlayPages(Text);
    ASSERT_EQ(pages.size(), HowToPlayPrefixes().size());
    std::vector<size_t> rows;
    for (const THowToPage& page : pages) {
      EXPECT_FALSE(page.title.empty()) << page.prefix;
      EXPECT_TRUE(page.text.empty() != page.rows.empty()) << page.prefix << ": a text or rows, not both";
      rows.push_back(page.rows.size());
      for (const THowToRow& row : page.rows) {
        EXPECT_FALSE(row.control.empty() || row.action.empty()) << row.control << row.action;
        EXPECT_LE(WidthIn(FontBold12, row.control), 200) << row.control;
        EXPECT_LE(WidthIn(Font12, row.action), 330) << row.action;
      }
    }
    // Rows beyond what fits between the title and the buttons would be cut.
    for (size_t n : rows) EXPECT_LE(n, 14u);
    if (rowsPerPage.empty()) {
      rowsPerPage = rows;
    } else {
      EXPECT_EQ(rows, rowsPerPage);
    }
    const std::pair<TGUIButtonPtr, std::string> captions[] = {
        {Widgets.gameBack, "BACK"},
        {Widgets.preferencesOpen, "PLAYAIDS"},
        {Widgets.preferenceToggles[0], "SHOWCONFLICTS"},
        {Widgets.preferenceToggles[1], "HIGHLIGHTDIGITS"},
        {Widgets.preferenceToggles[2], "AUTOREMOVENOTES"},
        {Widgets.preferenceToggles[3], "NUMERALNOTES"},
        {Widgets.howToPrevious, "PREVIOUSPAGE"},
        {Widgets.howToNext, "NEXTPAGE"}};
    for (const auto& [button, key] : captions) {
      const std::string caption = Text(key);
      EXPECT_NE(caption, key) << "no text";
      EXPECT_LE(WidthIn(button->UseFont, caption), button->width - 16) << caption;
    }
    // The row under the board is tight: 6 pixels a side.
    const std::pair<TGUIButtonPtr, std::string> tools[] = {{Game->Play.tools[kToolNotesMode], "NOTESMODE"},
                                                           {Game->Play.tools[kToolUndo], "UNDO"},
                                                           {Game->Play.tools[kToolRedo], "REDO"},
                                                           {Game->Play.tools[kToolFillNotes], "FILLNOTES"},
                                                           {Game->Play.tools[kToolClearNotes], "CLEARNOTES"}};
    for (const auto& [button, key] : tools) EXPECT_LE(WidthIn(button->UseFont, Text(key)), button->width - 12) << Text(key);
    // "Back" leaves a menu; a move taken back must not read the same.
    EXPECT_NE(Text("UNDO"), Text("BACK"));
    for (const char* key : {"PLAYAIDS", "PLAYAIDS_CONFLICTS_TEXT", "PLAYAIDS_HIGHLIGHT_TEXT", "PLAYAIDS_NOTES_TEXT",
                            "PLAYAIDS_NUMERALS_TEXT", "PLAYAIDS_ON", "PLAYAIDS_OFF"}) {
      EXPECT_NE(Text(key), key);
    }
  }
}

TEST(HowToPlayPages, RowsEndAtTheFirstGapAndSilentPagesAreLeftOut) {
  const std::map<std::string, std::string> texts = {
      {"HOWTO_RULES_TITLE", "Rules"},        {"HOWTO_RULES_TEXT", "Fill it."},
      {"HOWTO_KEYS_CONTROL1", "A"},          {"HOWTO_KEYS_ACTION1", "does a"},
      {"HOWTO_KEYS_CONTROL2", "B"},          {"HOWTO_KEYS_ACTION2", "does b"},
      {"HOWTO_KEYS_CONTROL4", "D"},          {"HOWTO_KEYS_ACTION4", "never shown"},
      {"HOWTO_AIDS_CONTROL1", "only a key"},
  };
  // Missing keys come back as the key itself, as the localization answers.
  const auto lookup = [&](const std::string& key) {
    const auto found = texts.find(key);
    return found == texts.end() ? key : found->second;
  };
  const std::vector<THowToPage> pages = HowToPlayPages(lookup);
  ASSERT_EQ(pages.size(), 3u);  // nothing about the mouse
  EXPECT_EQ(pages[0].prefix, "HOWTO_RULES");
  EXPECT_EQ(pages[0].text, "Fill it.");
  EXPECT_TRUE(pages[0].rows.empty());
  EXPECT_EQ(pages[1].title, "");
  ASSERT_EQ(pages[1].rows.size(), 2u);
  EXPECT_EQ(pages[1].rows[1].action, "does b");
  ASSERT_EQ(pages[2].rows.size(), 1u);
  EXPECT_EQ(pages[2].rows[0].action, "");
}
