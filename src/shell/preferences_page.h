// The settings page of the play aids. Its toggles change a draft; "Apply"
// makes the draft the preferences in force, "Cancel" drops it, as the
// option menu's own buttons do with the display settings.
#pragma once

#include "shell/preferences.h"

class TPreferencesPage {
 public:
  // The toggles from the top: show conflicts, highlight, remove notes,
  // numeral notes.
  static constexpr int kToggles = 4;

  void Open(const TPreferences& current) {
    draft_ = current;
    open_ = true;
  }
  bool IsOpen() const { return open_; }
  // Indexes outside the toggles change nothing.
  void Toggle(int index);
  bool IsOn(int index) const;
  const TPreferences& Draft() const { return draft_; }
  // Closes the page with the draft, which the caller keeps and saves.
  TPreferences Apply() {
    open_ = false;
    return draft_;
  }
  void Cancel() { open_ = false; }

 private:
  bool open_ = false;
  TPreferences draft_;
};
