// A drop-down list: a two-row box showing the selected entry; while it has
// the focus its list is open and the next click picks an entry (or closes
// it) and is consumed.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "widgets/gui_object.h"

class TGUIDropDownEntries;
class TGUIDropDown;
using TGUIDropDownEntriesPtr = std::shared_ptr<TGUIDropDownEntries>;
using TGUIDropDownPtr = std::shared_ptr<TGUIDropDown>;

class TGUIDropDownEntries {
 public:
  std::string value;  // the entry text
  int entryid = 0;    // the caller's id
  int pid = 0;

  static TGUIDropDownEntriesPtr Create(const std::string& value, int entryid);
};

// The default change handler.
int DoNothing(int entryid);

class TGUIDropDown : public TGUIobject {
 public:
  int grayedout = 0;
  std::vector<std::string> Values;
  TGUIDropDownEntriesPtr Entries;  // the entry last visited
  std::vector<TGUIDropDownEntriesPtr> EntryList;
  int PosChangeTimer = 0;
  int ListPosClicked = -1;  // index of the selected entry
  int ListPosEntryID = -1;  // entryid of the selected entry
  int buttonheight = 0;
  int textalign = 0;  // 1: entries centred
  std::function<int(int)> OnChange_ = DoNothing;

  // Returns the list only when `returnIt` is 1; it is registered either way.
  static TGUIDropDownPtr Create(int x, int y, int width, unsigned char on, unsigned char enabled, int grayedout,
                                const std::string& caption, int returnIt, const std::string& state);
  void AddEntry(const std::string& text, int entryid);
  // Selects by position; the selected entry id is left as it was.
  void SetActiveEntry(int index);
  // Removes every entry; the selection and the shown text stay.
  void ClearEntries();
  int GetClicks();
  void Update() override;
  void Draw() override;

  bool IsOpen() const { return uid == ActiveUid; }

  // The box's right end holds the arrow (this many pixels, its divider
  // included); the caption stays left of it.
  static constexpr int kArrowZone = 34;
  // Where a text of textWidth pixels is drawn in `room` pixels from `left`:
  // centred, or (aligned left) at `left`, and squeezed across when wider.
  struct TextPlace {
    float x;
    float scale;
  };
  static TextPlace PlaceText(int left, int room, int textWidth, bool centred);
  // Index of the entry whose row holds the pointer strictly, or -1.
  int EntryUnderPointer();

 private:
  void DrawListPanel(int innerHeight);
  void DrawEntries();
  void DrawCaption(bool openOrGrayed);
};
