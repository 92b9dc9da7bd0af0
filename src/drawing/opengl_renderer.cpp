// The OpenGL renderer: an SDL2 window with a legacy (2.1) OpenGL context.
// Frames are drawn into an off-screen framebuffer of the window's size and
// copied to the window on Flip, so the back buffer can always be read back
// (screenshots) whatever the driver does with it after a swap.
#include <SDL.h>
#include <SDL_opengl.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "drawing/x_errors.h"
#include "drawing/input.h"
#include "drawing/key_map.h"
#include "drawing/platform.h"
#include "drawing/renderer.h"

#ifndef GL_FRAMEBUFFER
#define GL_FRAMEBUFFER 0x8D40
#define GL_COLOR_ATTACHMENT0 0x8CE0
#define GL_FRAMEBUFFER_COMPLETE 0x8CD5
#endif
#ifndef GL_GENERATE_MIPMAP
#define GL_GENERATE_MIPMAP 0x8191
#endif
#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif

namespace drawing {

namespace {

using GenFramebuffersFn = void (*)(GLsizei, GLuint*);
using BindFramebufferFn = void (*)(GLenum, GLuint);
using FramebufferTexture2DFn = void (*)(GLenum, GLenum, GLenum, GLuint, GLint);
using CheckFramebufferStatusFn = GLenum (*)(GLenum);
using DeleteFramebuffersFn = void (*)(GLsizei, const GLuint*);

// Id of the live GL context; textures of a context that is gone are not
// deleted through GL any more.
int g_live_context = 0;
int g_context_counter = 0;
SDL_Window* g_window = nullptr;
// Drawable pixels per window point (above 1 on high-DPI desktops); mouse
// positions come in points and the game maps pixels.
double g_pixels_per_point = 1.0;
int PointsToPixels(int points) {
  return g_pixels_per_point == 1.0 ? points : int(std::lround(double(points) * g_pixels_per_point));
}

class GLTexture : public Texture {
 public:
  GLuint id = 0;
  int context = 0;
  ~GLTexture() override {
    if (id && context == g_live_context) glDeleteTextures(1, &id);
  }
};

void Upload(GLTexture& t, const Pixmap& pixmap) {
  t.width = pixmap.width();
  t.height = pixmap.height();
  std::vector<uint8_t> rgba(size_t(t.width) * size_t(t.height) * 4);
  const uint32_t* src = pixmap.data();
  for (size_t i = 0, n = size_t(t.width) * size_t(t.height); i < n; ++i) {
    rgba[i * 4 + 0] = uint8_t(ARGB_R(src[i]));
    rgba[i * 4 + 1] = uint8_t(ARGB_G(src[i]));
    rgba[i * 4 + 2] = uint8_t(ARGB_B(src[i]));
    rgba[i * 4 + 3] = uint8_t(ARGB_A(src[i]));
  }
  glBindTexture(GL_TEXTURE_2D, t.id);
  bool filtered = t.flags & 2, mipmapped = t.flags & 4;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filtered ? GL_LINEAR : GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                  mipmapped ? (filtered ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_NEAREST)
                            : (filtered ? GL_LINEAR : GL_NEAREST));
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_GENERATE_MIPMAP, mipmapped ? GL_TRUE : GL_FALSE);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, t.width, t.height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
}

int DepthOf(Uint32 format) {
  int bits = SDL_BITSPERPIXEL(format);
  return bits > 16 ? 32 : 16;  // 24-bit desktops offer what games call 32
}

class OpenGLRenderer : public Renderer {
 public:
  ~OpenGLRenderer() override { Close(); }
  std::string Name() const override { return "OpenGL"; }
  bool PixelSize(int& width, int& height) override {
    if (!window_) return false;
    width = width_;
    height = height_;
    return true;
  }

  bool Open(int width, int height, int depth, int hertz, int flags) override {
    (void)flags;
    if (width < 1 || height < 1 || width > 16384 || height > 16384) return false;
    if (!InitVideo()) return false;
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    // High-DPI desktops give the full pixel count; the fit follows it.
    Uint32 wflags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI;
    // Full screen at the desktop's own size takes the desktop as it is
    // (borderless, no mode change); the game area is fitted with bars.
    SDL_DisplayMode desktop{};
    const bool borderless =
        depth != 0 && SDL_GetDesktopDisplayMode(0, &desktop) == 0 && desktop.w == width && desktop.h == height;
    if (depth != 0) wflags |= borderless ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_FULLSCREEN;
    window_ = SDL_CreateWindow(AppTitle().c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                               wflags);
    if (!window_) return false;
    WatchXErrors();
    // Text inputs take the characters the player's layout produces.
    SDL_StartTextInput();
    if (depth != 0 && !borderless) {
      SDL_DisplayMode want{}, got{};
      want.w = width;
      want.h = height;
      want.refresh_rate = hertz;
      if (!SDL_GetClosestDisplayMode(0, &want, &got) || got.w != width || got.h != height ||
          SDL_SetWindowDisplayMode(window_, &got) != 0) {
        Close();
        return false;
      }
    }
    context_ = SDL_GL_CreateContext(window_);
    if (!context_) {
      Close();
      return false;
    }
    SDL_GL_MakeCurrent(window_, context_);
    SDL_GL_SetSwapInterval(0);
    g_live_context = ++g_context_counter;
    g_window = window_;
    SDL_ShowWindow(window_);
    Input().window_hidden = false;
    ++Input().exposures;  // a new window shows nothing yet
    SDL_GL_GetDrawableSize(window_, &width_, &height_);
    g_pixels_per_point = width > 0 && width_ > 0 ? double(width_) / double(width) : 1.0;
    if (!(g_pixels_per_point > 0)) g_pixels_per_point = 1.0;
    LoadFramebufferFunctions();
    CreateTarget();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glEnable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    return true;
  }

  void Close() override {
    if (context_) {
      if (fbo_ && delete_framebuffers_) delete_framebuffers_(1, &fbo_);
      if (target_) glDeleteTextures(1, &target_);
      fbo_ = target_ = 0;
      SDL_GL_DeleteContext(context_);
      context_ = nullptr;
      g_live_context = 0;
    }
    if (window_) {
      SDL_DestroyWindow(window_);
      if (g_window == window_) g_window = nullptr;
      window_ = nullptr;
    }
  }

  std::vector<DisplayMode> Modes() override {
    std::vector<DisplayMode> modes;
    if (!InitVideo()) return modes;
    int n = SDL_GetNumDisplayModes(0);
    std::set<std::tuple<int, int, int, int>> seen;
    for (int i = 0; i < n; ++i) {
      SDL_DisplayMode m{};
      if (SDL_GetDisplayMode(0, i, &m) != 0) continue;
      DisplayMode d{m.w, m.h, DepthOf(m.format), m.refresh_rate ? m.refresh_rate : 60};
      if (seen.insert({d.width, d.height, d.depth, d.hertz}).second) modes.push_back(d);
    }
    return modes;
  }

  void SetTitle(const std::string& title) override {
    if (window_) SDL_SetWindowTitle(window_, title.c_str());
  }

  void ShowPointer(bool show) override { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }

  void SetFit(const DisplayFit& fit, int logical_w, int logical_h) override {
    fit_ = fit;
    lw_ = logical_w;
    lh_ = logical_h;
    // Window-pixel rectangle of the game area.
    gx0_ = int(std::lround(fit.ToWindowX(0)));
    gy0_ = int(std::lround(fit.ToWindowY(0)));
    gx1_ = int(std::lround(fit.ToWindowX(lw_)));
    gy1_ = int(std::lround(fit.ToWindowY(lh_)));
    BindTarget();
    SetClip(0, 0, lw_, lh_);
  }

  std::shared_ptr<Texture> CreateTexture(const Pixmap& pixmap, int flags) override {
    auto t = std::make_shared<GLTexture>();
    t->flags = flags;
    t->context = g_live_context;
    glGenTextures(1, &t->id);
    Upload(*t, pixmap);
    return t;
  }

  void UpdateTexture(Texture& texture, const Pixmap& pixmap) override {
    Upload(static_cast<GLTexture&>(texture), pixmap);
  }

  void SetClip(int x, int y, int w, int h) override {
    int x0 = std::clamp(x, 0, lw_), y0 = std::clamp(y, 0, lh_);
    int x1 = std::clamp(x + std::max(w, 0), x0, lw_), y1 = std::clamp(y + std::max(h, 0), y0, lh_);
    int wx0 = int(std::lround(fit_.ToWindowX(x0))), wy0 = int(std::lround(fit_.ToWindowY(y0)));
    int wx1 = int(std::lround(fit_.ToWindowX(x1))), wy1 = int(std::lround(fit_.ToWindowY(y1)));
    clip_[0] = wx0;
    clip_[1] = height_ - wy1;
    clip_[2] = wx1 - wx0;
    clip_[3] = wy1 - wy0;
    glScissor(clip_[0], clip_[1], clip_[2], clip_[3]);
  }

  void Clear(int r, int g, int b) override {
    // Bars stay black; the game area takes the clear colour.
    glScissor(0, 0, width_, height_);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glScissor(gx0_, height_ - gy1_, gx1_ - gx0_, gy1_ - gy0_);
    glClearColor(float(r) / 255.0f, float(g) / 255.0f, float(b) / 255.0f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glScissor(clip_[0], clip_[1], clip_[2], clip_[3]);
  }

  void DrawTriangles(const Vertex* v, int count, Texture* texture, const Paint& paint) override {
    auto* t = static_cast<GLTexture*>(texture);
    if (t) {
      glEnable(GL_TEXTURE_2D);
      glBindTexture(GL_TEXTURE_2D, t->id);
    } else {
      glDisable(GL_TEXTURE_2D);
    }
    glDisable(GL_ALPHA_TEST);
    switch (paint.blend) {
      case MASKBLEND:
        glDisable(GL_BLEND);
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_GEQUAL, 0.5f);
        break;
      case SOLIDBLEND: glDisable(GL_BLEND); break;
      case LIGHTBLEND:
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        break;
      case SHADEBLEND:
        glEnable(GL_BLEND);
        glBlendFunc(GL_DST_COLOR, GL_ZERO);
        break;
      default:
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        break;
    }
    glColor4ub(GLubyte(paint.r), GLubyte(paint.g), GLubyte(paint.b), GLubyte(std::lround(paint.alpha * 255.0f)));
    float su = t && t->width ? 1.0f / float(t->width) : 0, sv = t && t->height ? 1.0f / float(t->height) : 0;
    glBegin(GL_TRIANGLES);
    for (int i = 0; i < count; ++i) {
      glTexCoord2f(v[i].u * su, v[i].v * sv);
      glVertex2f(v[i].x, v[i].y);
    }
    glEnd();
  }

  void Present() override {
    if (fbo_) {
      bind_framebuffer_(GL_FRAMEBUFFER, 0);
      glViewport(0, 0, width_, height_);
      glMatrixMode(GL_PROJECTION);
      glLoadIdentity();
      glOrtho(0, width_, height_, 0, -1, 1);
      glMatrixMode(GL_MODELVIEW);
      glLoadIdentity();
      glDisable(GL_SCISSOR_TEST);
      glDisable(GL_BLEND);
      glDisable(GL_ALPHA_TEST);
      glEnable(GL_TEXTURE_2D);
      glBindTexture(GL_TEXTURE_2D, target_);
      glColor4ub(255, 255, 255, 255);
      glBegin(GL_TRIANGLE_STRIP);
      glTexCoord2f(0, 1);
      glVertex2f(0, 0);
      glTexCoord2f(1, 1);
      glVertex2f(float(width_), 0);
      glTexCoord2f(0, 0);
      glVertex2f(0, float(height_));
      glTexCoord2f(1, 0);
      glVertex2f(float(width_), float(height_));
      glEnd();
      SDL_GL_SwapWindow(window_);
      glEnable(GL_SCISSOR_TEST);
      BindTarget();
    } else {
      SDL_GL_SwapWindow(window_);
    }
  }

  PixmapPtr Grab(int x, int y, int w, int h) override {
    auto pix = Pixmap::Create(w, h);
    if (!pix) return nullptr;
    std::vector<uint8_t> rgba(size_t(w) * size_t(h) * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(fbo_ ? GL_COLOR_ATTACHMENT0 : GL_BACK);
    glReadPixels(x, height_ - y - h, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    for (int row = 0; row < h; ++row) {
      const uint8_t* src = rgba.data() + size_t(h - 1 - row) * size_t(w) * 4;
      for (int col = 0; col < w; ++col, src += 4) pix->WritePixel(col, row, ARGB(255, src[0], src[1], src[2]));
    }
    return pix;
  }

  void PutPixels(const Pixmap& pixmap, int x, int y) override {
    std::vector<uint8_t> rgba(size_t(pixmap.width()) * size_t(pixmap.height()) * 4);
    for (int row = 0; row < pixmap.height(); ++row) {
      uint8_t* dst = rgba.data() + size_t(pixmap.height() - 1 - row) * size_t(pixmap.width()) * 4;
      for (int col = 0; col < pixmap.width(); ++col, dst += 4) {
        uint32_t p = pixmap.ReadPixel(col, row);
        dst[0] = uint8_t(ARGB_R(p)), dst[1] = uint8_t(ARGB_G(p)), dst[2] = uint8_t(ARGB_B(p)), dst[3] = 255;
      }
    }
    glViewport(0, 0, width_, height_);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width_, height_, 0, -1, 1);
    glDisable(GL_SCISSOR_TEST);
    glRasterPos2i(x, y + pixmap.height());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glDrawPixels(pixmap.width(), pixmap.height(), GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    glEnable(GL_SCISSOR_TEST);
    BindTarget();
  }

 private:
  static bool InitVideo() {
    if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
  }

  void LoadFramebufferFunctions() {
    auto load = [](const char* name, const char* ext) {
      void* p = SDL_GL_GetProcAddress(name);
      return p ? p : SDL_GL_GetProcAddress(ext);
    };
    gen_framebuffers_ = reinterpret_cast<GenFramebuffersFn>(load("glGenFramebuffers", "glGenFramebuffersEXT"));
    bind_framebuffer_ = reinterpret_cast<BindFramebufferFn>(load("glBindFramebuffer", "glBindFramebufferEXT"));
    framebuffer_texture_ =
        reinterpret_cast<FramebufferTexture2DFn>(load("glFramebufferTexture2D", "glFramebufferTexture2DEXT"));
    check_status_ =
        reinterpret_cast<CheckFramebufferStatusFn>(load("glCheckFramebufferStatus", "glCheckFramebufferStatusEXT"));
    delete_framebuffers_ =
        reinterpret_cast<DeleteFramebuffersFn>(load("glDeleteFramebuffers", "glDeleteFramebuffersEXT"));
  }

  void CreateTarget() {
    if (!gen_framebuffers_ || !bind_framebuffer_ || !framebuffer_texture_ || !check_status_ || !delete_framebuffers_)
      return;
    glGenTextures(1, &target_);
    glBindTexture(GL_TEXTURE_2D, target_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width_, height_, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    gen_framebuffers_(1, &fbo_);
    bind_framebuffer_(GL_FRAMEBUFFER, fbo_);
    framebuffer_texture_(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, target_, 0);
    if (check_status_(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
      bind_framebuffer_(GL_FRAMEBUFFER, 0);
      delete_framebuffers_(1, &fbo_);
      glDeleteTextures(1, &target_);
      fbo_ = target_ = 0;
    }
  }

  // Drawing target and projection for the game area.
  void BindTarget() {
    if (fbo_) bind_framebuffer_(GL_FRAMEBUFFER, fbo_);
    glViewport(gx0_, height_ - gy1_, gx1_ - gx0_, gy1_ - gy0_);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, lw_, lh_, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glScissor(clip_[0], clip_[1], clip_[2], clip_[3]);
  }

  SDL_Window* window_ = nullptr;
  SDL_GLContext context_ = nullptr;
  int width_ = 0, height_ = 0;
  int lw_ = 1, lh_ = 1;
  int gx0_ = 0, gy0_ = 0, gx1_ = 0, gy1_ = 0;
  int clip_[4] = {0, 0, 0, 0};
  DisplayFit fit_;
  GLuint fbo_ = 0, target_ = 0;
  GenFramebuffersFn gen_framebuffers_ = nullptr;
  BindFramebufferFn bind_framebuffer_ = nullptr;
  FramebufferTexture2DFn framebuffer_texture_ = nullptr;
  CheckFramebufferStatusFn check_status_ = nullptr;
  DeleteFramebuffersFn delete_framebuffers_ = nullptr;
};

int ButtonOf(Uint8 sdl_button) {
  switch (sdl_button) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    default: return 0;
  }
}

// The code each held key was pressed as, by scancode, so that its release
// matches even if the layout changed while it was held.
int g_pressed_as[SDL_NUM_SCANCODES] = {};
// An Alt chord typed its own text; the layout's text for that key is dropped.
bool g_alt_chord_typed = false;

void KeyEvent(const SDL_KeyboardEvent& key, InputState& input) {
  const int sc = key.keysym.scancode;
  if (sc < 0 || sc >= SDL_NUM_SCANCODES) return;
  g_alt_chord_typed = false;
  if (key.type == SDL_KEYUP) {
    const int vk = g_pressed_as[sc] ? g_pressed_as[sc] : VirtualKeyFromKey(key.keysym.sym, sc);
    g_pressed_as[sc] = 0;
    input.ReleaseKey(vk);
    return;
  }
  const int vk = key.repeat && g_pressed_as[sc] ? g_pressed_as[sc] : VirtualKeyFromKey(key.keysym.sym, sc);
  if (!vk) return;
  // The left Alt key types the German table's Alt signs (AltGr is the
  // layout's own and types through text events).
  if (input.key_down[KEY_LALT]) {
    if (const char* text = AltChordText(vk, input.key_down[KEY_SHIFT])) {
      input.TypeText(text);
      g_alt_chord_typed = true;
    }
  }
  if (key.repeat) return;  // held keys repeat by the game's own rules
  g_pressed_as[sc] = vk;
  input.PressKey(vk);
}

}  // namespace

void PumpWindowEvents(InputState& input) {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
  if (XWindowLost()) input.terminate = true;
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    switch (e.type) {
      case SDL_QUIT: input.terminate = true; break;
      case SDL_KEYDOWN:
      case SDL_KEYUP: KeyEvent(e.key, input); break;
      case SDL_TEXTINPUT:
        if (!g_alt_chord_typed) input.TypeText(Latin1FromUtf8(e.text.text));
        g_alt_chord_typed = false;
        break;
      case SDL_MOUSEMOTION:
        input.mouse_x = PointsToPixels(e.motion.x);
        input.mouse_y = PointsToPixels(e.motion.y);
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: {
        input.mouse_x = PointsToPixels(e.button.x);
        input.mouse_y = PointsToPixels(e.button.y);
        int b = ButtonOf(e.button.button);
        if (e.type == SDL_MOUSEBUTTONDOWN) {
          input.PressButton(b);
        } else {
          input.ReleaseButton(b);
        }
        break;
      }
      case SDL_WINDOWEVENT:
        // Keys released while another window had the focus would stick.
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
          for (int k = 1; k < 256; ++k) input.ReleaseKey(k);
          for (int b = 1; b < 4; ++b) input.ReleaseButton(b);
          std::fill(std::begin(g_pressed_as), std::end(g_pressed_as), 0);
        }
        // A window closed for a new display mode still reports its hiding.
        if (!SDL_GetWindowFromID(e.window.windowID)) break;
        if (e.window.event == SDL_WINDOWEVENT_HIDDEN || e.window.event == SDL_WINDOWEVENT_MINIMIZED) {
          input.window_hidden = true;
        } else if (e.window.event == SDL_WINDOWEVENT_SHOWN || e.window.event == SDL_WINDOWEVENT_RESTORED ||
                   e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_MAXIMIZED) {
          input.window_hidden = false;
          ++input.exposures;
        } else if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
          ++input.exposures;
        }
        break;
      default: break;
    }
  }
}

std::unique_ptr<Renderer> CreateOpenGLRenderer() { return std::make_unique<OpenGLRenderer>(); }

}  // namespace drawing
