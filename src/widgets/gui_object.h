// The widget model: every control of the menus is a TGUIobject kept in one
// global registry. Screens run UpdateAll / DrawAll with their state name
// and poll their widgets afterwards; the registry does the hit-testing,
// click bookkeeping, focus and caption translation.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "drawing/font.h"

class TGUIobject;
using TGUIobjectPtr = std::shared_ptr<TGUIobject>;

// All widgets ever created, in update and draw order.
extern std::vector<TGUIobjectPtr> GUIObjectList;
// uid of the widget holding the focus; 0 = none.
extern int ActiveUid;

class TGUIobject : public std::enable_shared_from_this<TGUIobject> {
 public:
  // What a widget without caption or text holds, so that it never draws as nothing.
  static constexpr const char* kEmptyCaption = "  ";

  int x = 0, y = 0;
  int width = 0, height = 0;  // also the hit rectangle
  std::string value;          // the shown (translated) caption or text
  std::string backupvalue = "x";  // caption as created; "x" = not captured yet
  int Clicked = 0;
  int clickedX = 0, clickedY = 0;
  int MouseIsDown = 0;
  int MouseIsDownX = 0, MouseIsDownY = 0;
  int ParentID = 0;
  TGUIobjectPtr ParentGUIObject;
  int enabled = 0;
  int ZORDER = 0;
  int EnterPressed = 0;
  int uid = 0;
  int mouseposx = 0, mouseposy = 0;
  int on = 0;  // 0 normal, 1 pressed or active, 2 grayed out
  std::string typ;  // "button", "slider", "dropdown"; empty for inputs
  int clickable = 1;
  unsigned char mouseover = 0;
  std::string forstateonly;
  drawing::ImageFontPtr UseFont;

  TGUIobject();
  virtual ~TGUIobject() = default;

  // Remembers the drawing layer's image font, then sets `font`.
  virtual void SetImgFont(const drawing::ImageFontPtr& font);
  virtual void RestoreImgFont();
  virtual void Remove();
  virtual void Draw() = 0;
  virtual void enable();
  virtual void disable();
  // Re-sorts so that the focused widget comes last (updated and drawn on top).
  static void SortListArray(std::vector<TGUIobjectPtr>& list);
  virtual void Update() = 0;
  // `state` "" updates every enabled widget (and completes no click).
  static int UpdateAll(const std::string& state, int relocalize);
  static int DisplaceAll(const std::string& state, int dx, int dy);
  static int DrawAll(const std::string& state, int relocalize);
  // `text` with what was typed in this update applied: the characters of
  // the player's keyboard layout, Backspace and Enter (sets EnterPressed).
  virtual std::string Input2Value(std::string text);
  // -1 when `other` holds the focus, else 1.
  int Compare(const TGUIobject& other) const;

  // Registers a widget: a fresh uid, appended to the registry, re-sorted.
  static void Register(const TGUIobjectPtr& widget);

 protected:
  // The caption rule shared by UpdateAll and DrawAll.
  void CaptureAndTranslateCaption(int relocalize);
  // Sets position, width (a `width` below 0 fits the caption in the widget's
  // font, plus 8), caption, state and enabled flag, as every Create does.
  void Place(int x, int y, int width, const std::string& caption, const std::string& state, int enabled);
  int AutoWidth(const std::string& caption) const;

 private:
  void ResetPointerFlags();
};
