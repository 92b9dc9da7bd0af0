// What the option menu holds between its opening and "Apply" or "Cancel".
// The language shows at once (its texts must be read to choose one), so
// the one in force at the opening is kept to go back to; the theme picked
// waits for "Apply"; the positions of both lists are kept so that "Cancel"
// shows what was in force.
#pragma once

#include <string>

struct TListPick {
  int position = -1;  // ListPosClicked
  int id = -1;        // ListPosEntryID
  std::string shown;  // the text the closed list shows

  bool operator==(const TListPick&) const = default;
};

class TPendingOptions {
 public:
  // The menu opens (once per visit; later calls change nothing).
  void Open(const std::string& language, TListPick languageList, TListPick themeList) {
    if (open_) return;
    open_ = true;
    language_ = language;
    languageList_ = languageList;
    themeList_ = themeList;
    theme_ = 0;
  }
  bool IsOpen() const { return open_; }
  void PickTheme(int id) { theme_ = id; }
  // The theme picked in this visit, 0 for none.
  int PickedTheme() const { return open_ ? theme_ : 0; }
  const std::string& LanguageAtOpening() const { return language_; }
  TListPick LanguageListAtOpening() const { return languageList_; }
  TListPick ThemeListAtOpening() const { return themeList_; }
  // "Apply" or "Cancel": nothing stays pending.
  void Close() {
    open_ = false;
    theme_ = 0;
  }

 private:
  bool open_ = false;
  int theme_ = 0;
  std::string language_;
  TListPick languageList_, themeList_;
};
