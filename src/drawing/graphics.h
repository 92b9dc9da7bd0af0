// Graphics contexts, the current drawing state and the drawing calls.
//
// All positions are in game coordinates. The open graphics map a logical
// area (the game's 800 x 600, set with SetLogicalSize) to the window or
// screen: scaled uniformly to fit and centred, with bars where the aspect
// ratios differ. Renderers apply that mapping; the game never sees it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "drawing/font.h"
#include "drawing/image.h"
#include "drawing/pixmap.h"

namespace drawing {

// Blend modes.
constexpr int MASKBLEND = 1;
constexpr int SOLIDBLEND = 2;
constexpr int ALPHABLEND = 3;
constexpr int LIGHTBLEND = 4;
constexpr int SHADEBLEND = 5;

// Renderer codes of SetGraphicsDriver. DirectX renderers do not exist on
// this platform: selecting them keeps the renderer in force.
enum Driver { DRIVER_OPENGL = 0, DRIVER_DIRECTX7 = 1, DRIVER_DIRECTX9 = 2, DRIVER_SOFTWARE = 3 };

struct DisplayMode {
  int width = 0, height = 0, depth = 0, hertz = 0;
};

// Whether this platform has the renderer at all.
bool GraphicsDriverAvailable(int driver);
// Selects the renderer for the next Graphics call; false when it is absent.
bool SetGraphicsDriver(int driver, int flags = 2);
// Name of the selected renderer: "OpenGL" or "Software".
std::string GraphicsDriverName();
// Opens a window (depth 0) or a full-screen mode; false when it cannot.
// The logical area starts equal to the graphics size.
bool Graphics(int width, int height, int depth = 0, int hertz = 60, int flags = 0);
void EndGraphics();
bool GraphicsOpen();
int GraphicsWidth();
int GraphicsHeight();
int CountGraphicsModes();
bool GetGraphicsMode(int index, int& width, int& height, int& depth, int& hertz);
void SetWindowTitle(const std::string& title);
// The desktop's name of the application (its reverse-DNS id), given to the
// window so that desktops show it with its menu entry's name and icon.
// Call before the graphics open.
void SetApplicationId(const std::string& id);

// The area of game coordinates shown in the window, fitted and centred.
void SetLogicalSize(int width, int height);
int LogicalWidth();
int LogicalHeight();
// The fit mapping between window pixels and game coordinates.
struct DisplayFit {
  double scale = 1, offset_x = 0, offset_y = 0;
  double ToWindowX(double gx) const { return offset_x + gx * scale; }
  double ToWindowY(double gy) const { return offset_y + gy * scale; }
  double ToGameX(double wx) const { return (wx - offset_x) / scale; }
  double ToGameY(double wy) const { return (wy - offset_y) / scale; }
};
DisplayFit ComputeFit(int window_w, int window_h, int logical_w, int logical_h);
DisplayFit CurrentFit();

void Cls();
void SetClsColor(int r, int g, int b);
void Flip(int sync = 0);

// Drawing state.
void SetColor(int r, int g, int b);
void GetColor(int& r, int& g, int& b);
void SetAlpha(float alpha);
float GetAlpha();
void SetBlend(int mode);
int GetBlend();
void SetScale(float sx, float sy);
void GetScale(float& sx, float& sy);
void SetRotation(float degrees);
float GetRotation();
void SetTransform(float degrees, float sx, float sy);
void SetViewport(int x, int y, int w, int h);
void GetViewport(int& x, int& y, int& w, int& h);
void SetOrigin(float x, float y);
void GetOrigin(float& x, float& y);
void SetHandle(float x, float y);
void GetHandle(float& x, float& y);
void SetLineWidth(float width);
float GetLineWidth();
void SetImageFont(ImageFontPtr font);
ImageFontPtr GetImageFont();

// Drawing.
void DrawImage(const ImagePtr& image, float x, float y, int frame = 0);
void DrawImageRect(const ImagePtr& image, float x, float y, float w, float h, int frame = 0);
// Draws the source rectangle of a frame with its top-left at (x, y) less
// the image handle; the rectangle is cut at the frame's edges.
void DrawSubImageRect(const ImagePtr& image, float x, float y, float w, float h, float sx, float sy, float sw, float sh,
                      int frame = 0);
void DrawRect(float x, float y, float w, float h);
void DrawLine(float x1, float y1, float x2, float y2, bool draw_last_pixel = true);
void Plot(float x, float y);
void DrawOval(float x, float y, float w, float h);
void DrawPoly(const std::vector<float>& xy);
void DrawText(const std::string& text, float x, float y);
int TextWidth(const std::string& text);
// How many leading characters of `text` are narrower than `width` as
// TextWidth measures them: the count before the first start that is not.
// Costs only the characters it looks at, however long the text.
size_t TextFitLength(std::string_view text, int width);
int TextHeight(const std::string& text);

// Back-buffer pixels, in window pixels.
PixmapPtr GrabPixmap(int x, int y, int w, int h);
void DrawPixmap(const Pixmap& pixmap, int x, int y);

// System pointer.
void ShowMouse();
void HideMouse();

}  // namespace drawing
