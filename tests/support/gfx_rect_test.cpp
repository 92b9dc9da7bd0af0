#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "screen_test_fixture.h"
#include "support/functions.h"

namespace {

// Records what DrawGFXRect asks of the nine sprites, with the viewport in
// force at each call.
struct Call {
  std::string what;
  float x, y;
  int w, h;
  int frame;
  int viewport[4];
  bool operator==(const Call&) const = default;
  friend void PrintTo(const Call& c, std::ostream* os) {
    *os << c.what << " at (" << c.x << ", " << c.y << ") size " << c.w << " x " << c.h << " frame " << c.frame
        << " viewport " << c.viewport[0] << "," << c.viewport[1] << "," << c.viewport[2] << "," << c.viewport[3];
  }
};
std::vector<Call> g_calls;

Call Record(const std::string& what, float x, float y, int w, int h, int frame) {
  Call c{what, x, y, w, h, frame, {}};
  drawing::GetViewport(c.viewport[0], c.viewport[1], c.viewport[2], c.viewport[3]);
  return c;
}

struct FakeSprite {
  std::string name;
  float w = 0, h = 0;
  void Draw(float x, float y, int frame, int alignBottom) {
    g_calls.push_back(Record("Draw " + name, x, y - float(alignBottom) * h, 0, 0, frame));
  }
  void TileDraw(float x, float y, int width, int height, int frame) {
    g_calls.push_back(Record("Tile " + name, x, y, width, height, frame));
  }
};

struct FakePack {
  std::map<std::string, std::shared_ptr<FakeSprite>> sprites;
  void Add(const std::string& name, float w, float h) {
    sprites[name] = std::make_shared<FakeSprite>(FakeSprite{name, w, h});
  }
  std::shared_ptr<FakeSprite> GetSprite(const std::string& name) const {
    auto it = sprites.find(name);
    return it == sprites.end() ? nullptr : it->second;
  }
};

using GfxRectTest = ScreenTest;

TEST_F(GfxRectTest, FramePiecesAndTheirPlaces) {
  auto pack = std::make_shared<FakePack>();
  // Corners of different sizes show which size places which piece.
  pack->Add("TopLeft", 10, 12);
  pack->Add("TopRight", 14, 16);
  pack->Add("BottomLeft", 18, 20);
  pack->Add("BottomRight", 22, 24);
  pack->Add("BorderLeft", 6, 5);
  pack->Add("BorderRight", 7, 5);
  pack->Add("BorderTop", 5, 8);
  pack->Add("BorderBottom", 5, 9);
  pack->Add("Back", 4, 4);
  g_calls.clear();
  drawing::SetViewport(1, 2, 3, 4);
  Functions::DrawGFXRect(pack, 100.5f, 50, 200, 150);

  const std::vector<Call> expected = {
      {"Draw TopLeft", 100.5f, 50, 0, 0, -1, {100, 50, 200, 150}},
      {"Draw TopRight", 286.5f, 50, 0, 0, -1, {100, 50, 200, 150}},
      {"Draw BottomLeft", 100.5f, 180, 0, 0, -1, {100, 50, 200, 150}},
      {"Draw BottomRight", 286.5f, 180, 0, 0, -1, {100, 50, 200, 150}},
      {"Tile BorderLeft", 100.5f, 62, 6, 118, -1, {100, 50, 200, 150}},   // 150 - 20 - 12
      {"Tile BorderRight", 293.5f, 62, 7, 110, -1, {100, 50, 200, 150}},  // 150 - 24 - 16
      {"Tile BorderTop", 110.5f, 50, 176, 8, -1, {100, 50, 200, 150}},    // 200 - 10 - 14
      {"Tile BorderBottom", 118.5f, 191, 160, 9, -1, {100, 50, 200, 150}},  // 200 - 18 - 22
      {"Tile Back", 110.5f, 62, 176, 118, -1, {100, 50, 200, 150}},
  };
  ASSERT_EQ(g_calls.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(g_calls[i], expected[i]) << expected[i].what;
  int v[4];
  drawing::GetViewport(v[0], v[1], v[2], v[3]);
  EXPECT_EQ(v[0] + v[1], 0);
  EXPECT_EQ(v[2] * 1000 + v[3], 800600);
}

TEST_F(GfxRectTest, APackWithoutTheSpritesDrawsNothing) {
  g_calls.clear();
  Functions::DrawGFXRect(std::make_shared<FakePack>(), 0, 0, 100, 100);
  Functions::DrawGFXRect(std::shared_ptr<FakePack>(), 0, 0, 100, 100);
  EXPECT_TRUE(g_calls.empty());
}

}  // namespace
