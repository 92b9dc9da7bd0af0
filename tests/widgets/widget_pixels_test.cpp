// Each widget kind in each of its states through the software renderer,
// compared with reference pictures in reference/. The strips are made here
// (every cell its own colour, with a dark border and light marks along its
// top edge), so the references show exactly where each cell lands. A
// missing reference is written and the test fails until it has been looked
// at; GRIDLET_WRITE_REFERENCES=1 rewrites them all.
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "widget_fixture.h"
#include "widgets/gui_button.h"
#include "widgets/gui_dropdown.h"
#include "widgets/gui_input.h"
#include "widgets/gui_slider.h"

namespace {

const std::filesystem::path kReferenceDir = std::filesystem::path(__FILE__).parent_path() / "reference";

uint32_t CellColour(int cell) {
  static const uint32_t palette[] = {
      0xFF3A6EA5, 0xFFC0504D, 0xFF9BBB59, 0xFF8064A2, 0xFF4BACC6, 0xFFF79646, 0xFF2C4D75, 0xFF772C2A,
      0xFF5F7530, 0xFF4D3B62, 0xFF276A7C, 0xFFB65708, 0xFF729ACA, 0xFFD99694, 0xFFC3D69B, 0xFFB3A2C7,
      0xFF93CDDD, 0xFFFAC090, 0xFF1F3B57, 0xFF632523, 0xFF4F6228, 0xFF3F3151, 0xFF205867, 0xFF974806,
  };
  return palette[cell % 24];
}

drawing::ImagePtr MakeStrip(int cellW, int cellH, int cells) {
  auto sheet = drawing::Pixmap::Create(cellW * cells, cellH);
  for (int cell = 0; cell < cells; ++cell) {
    const uint32_t fill = CellColour(cell);
    const uint32_t edge = drawing::ARGB(255, drawing::ARGB_R(fill) / 3, drawing::ARGB_G(fill) / 3,
                                        drawing::ARGB_B(fill) / 3);
    for (int y = 0; y < cellH; ++y) {
      for (int x = 0; x < cellW; ++x) {
        const bool border = x == 0 || y == 0 || x == cellW - 1 || y == cellH - 1;
        const bool mark = y == 2 && x % 4 == 2;
        sheet->WritePixel(cell * cellW + x, y, border ? edge : mark ? 0xFFF0F0F0u : fill);
      }
    }
  }
  return drawing::LoadAnimImageFromPixmap(*sheet, cellW, cellH, 0, cells, 0);
}

struct State {
  const char* name;
  std::function<void()> show;  // builds the widget and brings it into the state
};

class WidgetPixels : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    InstallStrips();
  }
  void InstallStrips() {
    GUIResources.button = MakeStrip(GUI_BUTTON_CELL_W, GUI_BUTTON_CELL_H, 18);
    GUIResources.slider = MakeStrip(GUI_SLIDER_CELL_W, GUI_SLIDER_CELL_H, 8);
    GUIResources.input = MakeStrip(GUI_INPUT_CELL_W, GUI_INPUT_CELL_H, 6);
    GUIResources.dropdown = MakeStrip(GUI_DROPDOWN_CELL_W, GUI_DROPDOWN_CELL_H, 24);
  }
  // A fresh registry and input for the next state; the pointer far away.
  void Fresh() {
    GUIObjectList.clear();
    ActiveUid = 0;
    drawing::Input().ReleaseButton(1);
    drawing::FlushMouse();
    MouseManager = TMouseManager{};
    MoveTo(700, 500);
  }
  void HoldAt(int x, int y) { PressAndHold(x, y, "S"); }

  // Draws every state in turn, stacks the areas (x, y, w, h) into one picture
  // and compares it with reference/<name>.png.
  void Check(const std::string& name, int x, int y, int w, int h, const std::vector<State>& states) {
    auto sheet = drawing::Pixmap::Create(w, int(states.size()) * (h + 2));
    sheet->ClearPixels(0xFF404040u);
    for (size_t i = 0; i < states.size(); ++i) {
      Fresh();
      states[i].show();
      drawing::SetClsColor(0, 0, 0);
      drawing::Cls();
      TGUIobject::DrawAll("S", 0);
      auto area = drawing::GrabPixmap(x, y, w, h);
      ASSERT_TRUE(area);
      for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px)
          sheet->WritePixel(px, int(i) * (h + 2) + py, area->ReadPixel(px, py) | 0xFF000000u);
    }
    Compare(name, *sheet, states);
  }

  void Compare(const std::string& name, const drawing::Pixmap& actual, const std::vector<State>& states) {
    const std::filesystem::path path = kReferenceDir / (name + ".png");
    const char* rewrite = std::getenv("GRIDLET_WRITE_REFERENCES");
    if (!std::filesystem::exists(path) || (rewrite && std::string(rewrite) == "1")) {
      std::filesystem::create_directories(kReferenceDir);
      ASSERT_TRUE(drawing::SavePixmapPNG(actual, path.string(), 9));
      ADD_FAILURE() << "wrote " << path << ": look at it, then run again";
      return;
    }
    auto expected = drawing::LoadPixmap(path.string());
    ASSERT_TRUE(expected) << path;
    ASSERT_EQ(expected->width(), actual.width());
    ASSERT_EQ(expected->height(), actual.height());
    const int band = actual.height() / int(states.size());
    for (int y = 0; y < actual.height(); ++y) {
      for (int x = 0; x < actual.width(); ++x) {
        const uint32_t want = expected->ReadPixel(x, y) & 0xFFFFFFu, got = actual.ReadPixel(x, y) & 0xFFFFFFu;
        if (want != got) {
          FAIL() << name << ", state \"" << states[size_t(y / band)].name << "\": pixel (" << x << ", " << y % band
                 << ") is " << std::hex << got << ", the reference has " << want;
        }
      }
    }
  }
};

}  // namespace

TEST_F(WidgetPixels, Button) {
  auto make = [] { return TGUIButton::Create(20, 20, 100, 0, 1, 0, 1, "Play", "S", nullptr); };
  Check("button", 10, 10, 120, 56,
        {
            {"normal", [&] { make(); TGUIobject::UpdateAll("S", 0); }},
            {"pointer over", [&] { make(); MoveTo(70, 30); TGUIobject::UpdateAll("S", 0); }},
            {"pressed", [&] { make(); HoldAt(70, 30); }},
            {"grayed out", [&] { make()->grayedout = 1; TGUIobject::UpdateAll("S", 0); }},
            {"left-aligned, set by the game", [&] {
               auto b = TGUIButton::Create(20, 20, 100, 1, 1, 0, 0, "Stones", "S", nullptr);
               b->manualState = 1;
               TGUIobject::UpdateAll("S", 0);
             }},
        });
}

TEST_F(WidgetPixels, Slider) {
  auto make = [] {
    auto s = TGUISlider::Create(20, 20, 100, 0, 11, 1, "Level", 1, "S");
    s->EnableDrawValue();
    return s;
  };
  Check("slider", 10, 10, 200, 58,
        {
            {"at the start", [&] { make(); }},
            {"value 5", [&] { make()->actvalue = 5; }},
            {"value 10", [&] { make()->actvalue = 10; }},
            {"held at 60", [&] { make(); HoldAt(80, 40); }},
            {"held left of the start", [&] { make(); HoldAt(21, 40); }},
        });
}

TEST_F(WidgetPixels, TextInput) {
  auto make = [](const std::string& text) {
    auto input = TGUIinput::Create(20, 20, 160, 50, 1, text, 40, 1, "S");
    input->SetCol(200, 220, 255);
    return input;
  };
  Check("input", 10, 10, 180, 56,
        {
            {"idle", [&] { make("Name"); }},
            {"focused, cursor shown", [&] {
               ActiveUid = make("Name")->uid;
               clock_->now = 720 * 1000 + 100;
             }},
            {"focused, cursor hidden", [&] {
               ActiveUid = make("Name")->uid;
               clock_->now = 720 * 1000 + 500;
             }},
            {"long text, focused: its end shows", [&] {
               ActiveUid = make("a rather long player name here")->uid;
               clock_->now = 720 * 1000 + 100;
             }},
            {"long text: its start shows", [&] { make("a rather long player name here"); }},
            {"grayed out", [&] { make("Name")->grayedout = 1; }},
            {"overlay picture under the frame", [&] { make("Name")->SetOverlayImage(MakeStrip(30, 30, 1)); }},
            {"no background, focused: overlay rectangle", [&] {
               auto input = make("Name");
               input->nobackground = 1;
               input->OverlayRect = 1;
               input->OverlayColR = 255;
               input->OverlayColA = 0.5f;
               ActiveUid = input->uid;
               clock_->now = 720 * 1000 + 500;
             }},
            {"no background, not focused: text only", [&] { make("Name")->nobackground = 1; }},
        });
}

TEST_F(WidgetPixels, DropDown) {
  auto make = [] {
    auto list = TGUIDropDown::Create(20, 20, 160, 0, 1, 0, "Mode", 1, "S");
    list->AddEntry("OpenGL", 0);
    list->AddEntry("DirectX 7", 1);
    list->AddEntry("DirectX 9", 2);
    return list;
  };
  const int rowH = drawing::TextHeight("X");
  Check("dropdown", 10, 10, 180, 124,
        {
            {"closed", [&] { make(); }},
            {"open, second selected, pointer on the third", [&] {
               auto list = make();
               list->SetActiveEntry(1);
               ActiveUid = list->uid;
               MoveTo(60, 20 + 35 + 2 * rowH + rowH / 2);
             }},
            {"open, centred entries", [&] {
               auto list = make();
               list->textalign = 1;
               ActiveUid = list->uid;
             }},
            {"grayed out", [&] { make()->grayedout = 1; }},
        });
}
