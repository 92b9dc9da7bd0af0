#include "widgets/gui_dropdown.h"

#include "drawing/graphics.h"
#include "widgets/game_graphics.h"
#include "widgets/gui_frame.h"
#include "widgets/gui_resources.h"
#include "widgets/input_trackers.h"

namespace {

// Strip cells of the open list's panel.
constexpr int kPanelLeft = 18, kPanelMiddle = 19, kPanelRight = 20;
constexpr int kPanelBottomLeft = 21, kPanelBottomMiddle = 22, kPanelBottomRight = 23;
// Entries start this far below the box's top; the panel starts under the box.
constexpr int kEntriesTop = 35;
constexpr int kPanelTop = 25;

// Measures (and draws) entries in the widget's own font, so that the rows a
// click is tested against are the rows on screen.
class FontScope {
 public:
  explicit FontScope(const drawing::ImageFontPtr& font) : previous_(drawing::GetImageFont()) {
    drawing::SetImageFont(font);
  }
  ~FontScope() { drawing::SetImageFont(previous_); }
  FontScope(const FontScope&) = delete;
  FontScope& operator=(const FontScope&) = delete;

 private:
  drawing::ImageFontPtr previous_;
};

}  // namespace

TGUIDropDown::TextPlace TGUIDropDown::PlaceText(int left, int room, int textWidth, bool centred) {
  if (textWidth > room && textWidth > 0) return {float(left), float(room) / float(textWidth)};
  return {centred ? float(left + (room - textWidth) / 2) : float(left), 1.0f};
}

namespace {

void DrawPlacedText(const std::string& text, TGUIDropDown::TextPlace place, float y) {
  drawing::SetScale(place.scale, 1);
  drawing::DrawText(text, place.x, y);
  drawing::SetScale(1, 1);
}

}  // namespace

int DoNothing(int entryid) {
  (void)entryid;
  return 0;
}

TGUIDropDownEntriesPtr TGUIDropDownEntries::Create(const std::string& value, int entryid) {
  auto entry = std::make_shared<TGUIDropDownEntries>();
  entry->value = value;
  entry->entryid = entryid;
  return entry;
}

TGUIDropDownPtr TGUIDropDown::Create(int x, int y, int width, unsigned char on, unsigned char enabled, int grayedout,
                                     const std::string& caption, int returnIt, const std::string& state) {
  auto list = std::make_shared<TGUIDropDown>();
  list->Place(x, y, width, caption, state, enabled);
  list->height = list->buttonheight = 2 * CellHeight(GUIResources.dropdown, GUI_DROPDOWN_CELL_H);
  list->on = on;
  list->grayedout = grayedout;
  list->typ = "dropdown";
  Register(list);
  return returnIt == 1 ? list : nullptr;
}

void TGUIDropDown::AddEntry(const std::string& text, int entryid) {
  Entries = TGUIDropDownEntries::Create(text, entryid);
  EntryList.push_back(Entries);
  if (value.empty()) value = text;
  if (ListPosEntryID == -1) ListPosEntryID = entryid;
}

void TGUIDropDown::SetActiveEntry(int index) {
  ListPosClicked = index;
  if (index >= 0 && index < int(EntryList.size())) value = EntryList[size_t(index)]->value;
}

void TGUIDropDown::ClearEntries() {
  EntryList.clear();
  Entries.reset();
}

int TGUIDropDown::GetClicks() {
  const int clicks = grayedout ? 0 : Clicked;
  Clicked = 0;
  return clicks;
}

int TGUIDropDown::EntryUnderPointer() {
  FontScope font(UseFont);
  const int px = GameGraphics.MouseX();
  const int py = GameGraphics.MouseY();
  int h = 0;
  for (size_t i = 0; i < EntryList.size(); ++i) {
    const int rowH = drawing::TextHeight(EntryList[i]->value);
    if (x + 5 < px && px < x + width - 10 && y + h + kEntriesTop < py && py < y + h + rowH + kEntriesTop) {
      return int(i);
    }
    h += rowH;
  }
  return -1;
}

void TGUIDropDown::Update() {
  if (grayedout) {
    // A grayed-out list shows no entries, so it must not pick one blindly.
    if (IsOpen()) ActiveUid = 0;
    return;
  }
  on = IsOpen() ? 1 : 0;
  if (!on || !MouseManager.IsHit(1)) return;
  const int chosen = EntryUnderPointer();
  // Close and consume first: the change handler may run a nested registry
  // pass, which must not see this list open with the click still pending.
  on = 0;
  ActiveUid = 0;
  MouseManager.resetKey(1);
  if (chosen < 0) return;
  Entries = EntryList[size_t(chosen)];
  ListPosClicked = chosen;
  value = Entries->value;
  EnterPressed = 0;
  ListPosEntryID = Entries->entryid;
  if (OnChange_) OnChange_(Entries->entryid);
}

void TGUIDropDown::DrawListPanel(int innerHeight) {
  const drawing::ImagePtr& strip = GUIResources.dropdown;
  if (!strip || strip->width <= 0 || strip->height <= 0) return;
  const int cellW = strip->width, cellH = strip->height;
  const int left = x + 5, right = x + width - 5 - cellW;
  const int top = y + kPanelTop, bottom = top + innerHeight;
  auto row = [&](int rowY, int leftCell, int middleCell, int rightCell, int clipTop, int clipH) {
    DrawCellClipped(strip, leftCell, float(left), float(rowY), float(left), float(clipTop), float(cellW),
                    float(clipH));
    for (int tileX = left + cellW; tileX < right; tileX += cellW) {
      DrawCellClipped(strip, middleCell, float(tileX), float(rowY), float(left + cellW), float(clipTop),
                      float(right - left - cellW), float(clipH));
    }
    DrawCellClipped(strip, rightCell, float(right), float(rowY), float(right), float(clipTop), float(cellW),
                    float(clipH));
  };
  for (int rowY = top; rowY < bottom; rowY += cellH) row(rowY, kPanelLeft, kPanelMiddle, kPanelRight, top, innerHeight);
  row(bottom, kPanelBottomLeft, kPanelBottomMiddle, kPanelBottomRight, bottom, cellH);
}

void TGUIDropDown::DrawEntries() {
  const int hovered = EntryUnderPointer();
  drawing::SetViewport(0, 0, drawing::LogicalWidth(), drawing::LogicalHeight());
  int h = 0;
  for (size_t i = 0; i < EntryList.size(); ++i) {
    const std::string& text = EntryList[i]->value;
    const int rowH = drawing::TextHeight(text);
    const int rowY = y + h + kEntriesTop;
    const bool selected = int(i) == ListPosClicked;
    if (selected) {
      drawing::SetColor(95, 80, 30);
      drawing::SetAlpha(0.2f);
      drawing::DrawRect(float(x + 13), float(rowY), float(width - 27), float(rowH));
    }
    if (int(i) == hovered) {
      drawing::SetColor(255, 255, 255);
      drawing::SetAlpha(0.2f);
      drawing::DrawRect(float(x + 13), float(rowY), float(width - 27), float(rowH));
    }
    drawing::SetAlpha(1);
    if (selected) {
      drawing::SetColor(244, 206, 74);
    } else {
      drawing::SetColor(255, 255, 255);
    }
    // Within the row's highlight, which the panel's rim encloses.
    DrawPlacedText(text, PlaceText(x + 15, width - 30, drawing::TextWidth(text), textalign == 1), float(rowY));
    h += rowH;
  }
  drawing::SetColor(255, 255, 255);
}

void TGUIDropDown::DrawCaption(bool openOrGrayed) {
  const int textW = drawing::TextWidth(value);
  const int textH = drawing::TextHeight(value);
  // Centred in the face left of the arrow; open or grayed it sits a pixel
  // higher and further left, as if pressed in.
  constexpr int kFaceLeft = 8;
  const TextPlace place = PlaceText(x + kFaceLeft, width - kArrowZone - kFaceLeft, textW, true);
  if (openOrGrayed) {
    drawing::SetColor(255, 255, 255);
    if (grayedout == 1) drawing::SetAlpha(0.6f);
    DrawPlacedText(value, {place.x - 1, place.scale}, float(y - (textH - buttonheight) / 2 - 2));
  } else {
    drawing::SetColor(230, 230, 230);
    DrawPlacedText(value, place, float(y - (textH - buttonheight) / 2 - 1));
  }
  drawing::SetAlpha(1);
  drawing::SetColor(255, 255, 255);
}

void TGUIDropDown::Draw() {
  if (grayedout == 1) {
    on = 2;
    Clicked = 0;
  } else {
    on = IsOpen() ? 1 : 0;
  }
  drawing::SetColor(255, 255, 255);
  if (on == 1) {
    int innerHeight = 15;
    for (const auto& entry : EntryList) innerHeight += drawing::TextHeight(entry->value);
    // The panel keeps its 0.8 alpha, but over an opaque copy of itself,
    // so labels and buttons behind the list never show through.
    DrawListPanel(innerHeight);
    drawing::SetAlpha(0.8f);
    DrawListPanel(innerHeight);
    drawing::SetAlpha(1);
    DrawEntries();
  }
  DrawThreePartFrame(GUIResources.dropdown, on, x, y, width, buttonheight, 2);
  DrawCaption(on != 0);
}
