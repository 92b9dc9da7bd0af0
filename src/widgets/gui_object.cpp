#include "widgets/gui_object.h"

#include <algorithm>
#include <random>

#include "drawing/graphics.h"
#include "support/localization.h"
#include "widgets/game_graphics.h"
#include "widgets/gui_resources.h"
#include "widgets/input_trackers.h"

std::vector<TGUIobjectPtr> GUIObjectList;
int ActiveUid = 0;

namespace {

drawing::ImageFontPtr SavedImageFont;

// uids are drawn from 1 to 10000 and redrawn while another registered widget
// holds the number: two widgets sharing one would take the focus together.
int FreshUid() {
  static std::minstd_rand generator(20240607u);
  std::uniform_int_distribution<int> draw(1, 10000);
  for (;;) {
    const int uid = draw(generator);
    const bool taken = std::any_of(GUIObjectList.begin(), GUIObjectList.end(),
                                   [uid](const TGUIobjectPtr& w) { return w->uid == uid; });
    if (!taken || GUIObjectList.size() >= 10000) return uid;
  }
}

bool StrictlyInside(const TGUIobject& w, int px, int py) {
  return w.x < px && px < w.x + w.width && w.y < py && py < w.y + w.height;
}

}  // namespace

TGUIobject::TGUIobject() : UseFont(GUIResources.smallFont) {}

void TGUIobject::SetImgFont(const drawing::ImageFontPtr& font) {
  SavedImageFont = drawing::GetImageFont();
  drawing::SetImageFont(font);
}

void TGUIobject::RestoreImgFont() { drawing::SetImageFont(SavedImageFont); }

void TGUIobject::Remove() {
  auto found = std::find_if(GUIObjectList.begin(), GUIObjectList.end(),
                            [this](const TGUIobjectPtr& w) { return w.get() == this; });
  if (found != GUIObjectList.end()) GUIObjectList.erase(found);
}

void TGUIobject::enable() {
  enabled = 1;
  SortListArray(GUIObjectList);
}

void TGUIobject::disable() {
  enabled = 0;
  SortListArray(GUIObjectList);
}

int TGUIobject::Compare(const TGUIobject& other) const { return other.uid == ActiveUid ? -1 : 1; }

void TGUIobject::SortListArray(std::vector<TGUIobjectPtr>& list) {
  // Compare is no ordering a general sort may rely on; what it asks for is
  // exactly this: the focused widget behind all others, the rest as they were.
  std::vector<TGUIobjectPtr> sorted = list;
  std::stable_partition(sorted.begin(), sorted.end(),
                        [](const TGUIobjectPtr& w) { return !(ActiveUid != 0 && w->uid == ActiveUid); });
  list = std::move(sorted);
}

void TGUIobject::Register(const TGUIobjectPtr& widget) {
  widget->uid = FreshUid();
  GUIObjectList.push_back(widget);
  SortListArray(GUIObjectList);
}

void TGUIobject::CaptureAndTranslateCaption(int relocalize) {
  if (value.empty()) value = kEmptyCaption;
  if (backupvalue == "x") backupvalue = value;
  if ((relocalize != 0 || value[0] == '_') && !backupvalue.empty() && backupvalue[0] == '_') {
    value = Localization::GetString(backupvalue.substr(1), "");
  }
}

void TGUIobject::Place(int px, int py, int w, const std::string& caption, const std::string& state, int isEnabled) {
  x = px;
  y = py;
  width = w < 0 ? AutoWidth(caption) : w;
  value = caption;
  forstateonly = state;
  enabled = isEnabled;
}

int TGUIobject::AutoWidth(const std::string& caption) const {
  const drawing::ImageFontPtr previous = drawing::GetImageFont();
  drawing::SetImageFont(UseFont);
  const int w = drawing::TextWidth(caption) + 8;
  drawing::SetImageFont(previous);
  return w;
}

void TGUIobject::ResetPointerFlags() {
  MouseIsDown = 0;
  MouseIsDownX = MouseIsDownY = -1;
  Clicked = 0;
  clickedX = clickedY = -1;
  mouseover = 0;
}

int TGUIobject::UpdateAll(const std::string& state, int relocalize) {
  if (GUIObjectList.empty()) return 0;
  SortListArray(GUIObjectList);
  // A widget's Update may change the registry (a drop-down's change handler
  // re-translating every caption runs a nested pass): walk a snapshot.
  const std::vector<TGUIobjectPtr> widgets = GUIObjectList;
  const int px = GameGraphics.MouseX();
  const int py = GameGraphics.MouseY();
  // Widgets marked pressed by this update's hit; an open list may take the
  // hit for itself later in the pass, and then they were never pressed.
  std::vector<TGUIobject*> pressed_by_hit;
  for (const TGUIobjectPtr& w : widgets) {
    const bool ownState = w->forstateonly == state;
    if (!ownState && !state.empty()) continue;
    if (w->enabled != 1) continue;
    const bool inside = StrictlyInside(*w, px, py);
    if ((w->clickable && !ownState) || !inside) w->ResetPointerFlags();
    if (w->clickable && w->typ != "background" && inside) {
      // The press is marked from its first update, so that one released
      // before it was ever seen held (a tap) still completes over the
      // widget; the focus waits for the press to be held or completed, as
      // an open list would take this very hit for itself.
      if (MouseManager.IsHit(1) || MouseManager.IsDown(1)) {
        if (MouseManager.IsDown(1)) ActiveUid = w->uid;
        if (MouseManager.IsHit(1)) pressed_by_hit.push_back(w.get());
        w->MouseIsDown = 1;
        w->MouseIsDownX = px;
        w->MouseIsDownY = py;
      }
      w->mouseover = 1;
      if (MouseManager.isUp(1) && w->MouseIsDown == 1) {
        if (MouseManager.isTap(1)) ActiveUid = w->uid;
        w->Clicked = 1;
        w->clickedX = px;
        w->clickedY = py;
        w->MouseIsDown = 0;
      }
    }
    w->CaptureAndTranslateCaption(relocalize);
    w->Update();
  }
  if (!MouseManager.IsHit(1)) {
    for (TGUIobject* w : pressed_by_hit) w->MouseIsDown = 0;
  }
  return 0;
}

int TGUIobject::DrawAll(const std::string& state, int relocalize) {
  if (GUIObjectList.empty()) return 0;
  int vx = 0, vy = 0, vw = 0, vh = 0;
  drawing::GetViewport(vx, vy, vw, vh);
  const drawing::ImageFontPtr font = drawing::GetImageFont();
  const std::vector<TGUIobjectPtr> widgets = GUIObjectList;
  for (const TGUIobjectPtr& w : widgets) {
    if (w->forstateonly != state || w->enabled != 1) continue;
    drawing::SetImageFont(w->UseFont);
    w->CaptureAndTranslateCaption(relocalize);
    w->Draw();
  }
  drawing::SetImageFont(font);
  drawing::SetViewport(vx, vy, vw, vh);
  return 0;
}

int TGUIobject::DisplaceAll(const std::string& state, int dx, int dy) {
  for (const TGUIobjectPtr& w : GUIObjectList) {
    if (w->forstateonly != state) continue;
    w->x += dx;
    w->y += dy;
  }
  return 0;
}
