#include "platform/game_window.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

#include <unistd.h>

#ifdef TENRALI_HAVE_X11
#include <SDL_syswm.h>
#include <X11/Xutil.h>
#endif

namespace tenrali {

namespace {

constexpr int kMaxScale = 8;
const char kAppTitle[] = "Ｔｅｎｒａｌｉ！！";

bool invisibleDriver(const char* name) {
  return name && (std::strcmp(name, "offscreen") == 0 || std::strcmp(name, "dummy") == 0);
}

// SDL writes X11's legacy window name as raw UTF-8 bytes marked as Latin-1, so whatever reads
// that name (window lists, xdotool search --name) sees garbage in place of the full-width
// caption. Write it again in an encoding that says what it is.
void writeLegacyTitle(SDL_Window* window, const char* caption) {
#ifdef TENRALI_HAVE_X11
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
  char* list[] = {const_cast<char*>(caption)};
  XTextProperty text;
  if (Xutf8TextListToTextProperty(info.info.x11.display, list, 1, XStdICCTextStyle, &text) != Success &&
      Xutf8TextListToTextProperty(info.info.x11.display, list, 1, XUTF8StringStyle, &text) != Success)
    return;
  XSetWMName(info.info.x11.display, info.info.x11.window, &text);
  XSetWMIconName(info.info.x11.display, info.info.x11.window, &text);
  XFree(text.value);
  XFlush(info.info.x11.display);
#else
  (void)window;
  (void)caption;
#endif
}

// True when the session has a message bus to talk to: one named in the environment, or the
// user's bus in the runtime folder.
bool sessionHasBus() {
  if (const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address && *address) return true;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  return runtime && *runtime && ::access((std::string(runtime) + "/bus").c_str(), F_OK) == 0;
}

}  // namespace

void configureSdl() {
  // SDL asks for the session's message bus as it starts. Where the session has none, D-Bus would
  // fork and run dbus-launch to start one for the game: a fork taken while the helper thread
  // loads the game, which can stop the child for ever, and a bus left running after the game.
  // The game needs no bus (the screen saver may come on, keys need no input method): it asks
  // for none.
  if (!sessionHasBus()) setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
  // Docks group the window under its launcher by its class (X11's WM_CLASS, Wayland's app id),
  // which is the desktop entry's name. A class the player chose stays.
  setenv("SDL_VIDEO_X11_WMCLASS", TENRALI_APP_ID, 0);
  setenv("SDL_VIDEO_WAYLAND_WMCLASS", TENRALI_APP_ID, 0);
  SDL_SetHint(SDL_HINT_APP_NAME, kAppTitle);
  // Software drawing: without these two, X11 pulls in OpenGL for the window surface.
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // A slow, mouse-driven game: the screen saver may come on while the player thinks.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
}

void startVideo() {
  const char* asked = std::getenv("SDL_VIDEODRIVER");
  auto set = [](const char* name) { return std::getenv(name) && *std::getenv(name); };
  if (!(asked && *asked) && !set("DISPLAY") && !set("WAYLAND_DISPLAY"))
    throw std::runtime_error("no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)");
  // Video and timers only: the joystick and sensor subsystems would wake the process ten times
  // a second to poll devices the game never uses.
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0)
    throw std::runtime_error(std::string("cannot open a window: ") + SDL_GetError());
  // Without a display SDL falls back to a driver that draws nowhere; only a driver asked for by
  // name (SDL_VIDEODRIVER, for headless runs) may be one of those.
  const char* driver = SDL_GetCurrentVideoDriver();
  if (invisibleDriver(driver) && !(asked && std::strstr(asked, driver))) {
    SDL_Quit();
    throw std::runtime_error("no display to show the window on (the display named by DISPLAY cannot be reached)");
  }
}

ScaleChoice chooseScale(const char* requested, int usableWidth, int usableHeight, float dpi, int windowWidth,
                        int windowHeight, int saved) {
  auto fits = [&](int scale) { return windowWidth * scale <= usableWidth && windowHeight * scale <= usableHeight; };
  auto largestFitting = [&](int scale) {
    while (scale > 1 && !fits(scale)) --scale;
    return scale;
  };
  if (requested && *requested) {
    char* end = nullptr;
    long n = std::strtol(requested, &end, 10);
    if (*end == '\0' && n >= 1 && n <= kMaxScale) {
      ScaleChoice choice{largestFitting(static_cast<int>(n)), ""};
      if (choice.scale != n)
        choice.note = "tenrali: TENRALI_SCALE=" + std::to_string(n) + " makes a " + std::to_string(windowWidth * n) +
                      " x " + std::to_string(windowHeight * n) + " window, larger than the screen's " +
                      std::to_string(usableWidth) + " x " + std::to_string(usableHeight) + "; drawn at " +
                      std::to_string(choice.scale) + " instead";
      return choice;
    }
  }
  // A display of more than about two and a half times the pixels of a common monitor, or of
  // about twice its density, gets a larger picture.
  int bySize = std::min(usableWidth / 1600, usableHeight / 1000);
  int byDensity = dpi > 0 ? static_cast<int>((dpi + 24) / 96) : 1;
  return {largestFitting(std::clamp(saved >= 1 ? saved : std::max(bySize, byDensity), 1, kMaxScale)), ""};
}

GameWindow::GameWindow(const char* caption, int x, int y, int width, int height, int scale)
    : width_(width), height_(height), scale_(std::max(scale, 1)), windowScale_(scale_) {
  window_ = SDL_CreateWindow(caption, x * scale_, y * scale_, width * scale_, height * scale_, SDL_WINDOW_SHOWN);
  if (!window_) throw std::runtime_error(std::string("cannot create the window: ") + SDL_GetError());
  writeLegacyTitle(window_, caption);
}

GameWindow::~GameWindow() {
  if (window_) SDL_DestroyWindow(window_);
}

SDL_Surface* GameWindow::surface() {
  SDL_Surface* s = SDL_GetWindowSurface(window_);
  if (!s) throw std::runtime_error(std::string("cannot draw into the window: ") + SDL_GetError());
  return s;
}

bool GameWindow::setFullScreen(bool on) {
  if (on == fullScreen_) return true;
  if (SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) return false;
  fullScreen_ = on;
  placed_ = false;
  return true;
}

void GameWindow::setWindowScale(int scale) {
  windowScale_ = std::clamp(scale, 1, kMaxScale);
  if (fullScreen_) return;  // the window takes it when it leaves full screen
  SDL_SetWindowSize(window_, width_ * windowScale_, height_ * windowScale_);
  placed_ = false;
}

void GameWindow::place(SDL_Surface* target) {
  if (placed_) return;
  placed_ = true;
  if (!fullScreen_) {
    scale_ = windowScale_;
    left_ = top_ = 0;
    return;
  }
  scale_ = std::clamp(std::min(target->w / width_, target->h / height_), 1, kMaxScale);
  left_ = std::max((target->w - width_ * scale_) / 2, 0);
  top_ = std::max((target->h - height_ * scale_) / 2, 0);
  SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
}

int GameWindow::drawScale() {
  place(surface());
  return scale_;
}

void GameWindow::present(const Image& picture) {
  SDL_Surface* target = surface();
  place(target);
  // A picture drawn at the window's scale is shown as it is; a smaller one (the unscaled picture)
  // is enlarged, each pixel as a k x k square.
  const int k = std::max(1, width_ * scale_ / std::max(picture.width, 1));
  const int w = std::min(picture.width * k, target->w - left_);
  const int h = std::min(picture.height * k, target->h - top_);
  const Uint32 format = target->format->format;
  // Our pixels are 0x00RRGGBB, the layout of the usual X11 window surface: write them in
  // directly, each repeated k times along the row and each row k times.
  if (format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888) {
    if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
    auto* base = static_cast<std::uint8_t*>(target->pixels) + static_cast<std::size_t>(top_) * target->pitch +
                 static_cast<std::size_t>(left_) * 4;
    const std::uint32_t opaque = format == SDL_PIXELFORMAT_ARGB8888 ? 0xFF000000u : 0;
    for (int y = 0; y < h; y += k) {
      auto* row = reinterpret_cast<std::uint32_t*>(base + static_cast<std::size_t>(y) * target->pitch);
      const std::uint32_t* src = &picture.pixels[static_cast<std::size_t>(y / k) * picture.width];
      if (k == 1 && !opaque) {
        std::memcpy(row, src, static_cast<std::size_t>(w) * 4);
      } else {
        std::uint32_t* out = row;
        for (int x = 0; x < w / k; ++x) out = std::fill_n(out, k, src[x] | opaque);
      }
      for (int r = 1; r < k && y + r < h; ++r)
        std::memcpy(base + static_cast<std::size_t>(y + r) * target->pitch, row, static_cast<std::size_t>(w) * 4);
    }
    if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  } else {
    // Any other layout: enlarge into a picture of our own and let SDL convert it.
    scaled_.width = w;
    scaled_.height = h;
    scaled_.pixels.resize(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        scaled_.pixels[static_cast<std::size_t>(y) * w + x] =
            picture.pixels[static_cast<std::size_t>(y / k) * picture.width + x / k];
    SDL_Surface* from = SDL_CreateRGBSurfaceWithFormatFrom(scaled_.pixels.data(), w, h, 32, w * 4,
                                                           SDL_PIXELFORMAT_RGB888);
    if (!from) throw std::runtime_error(std::string("cannot draw into the window: ") + SDL_GetError());
    SDL_Rect at{left_, top_, w, h};
    SDL_BlitSurface(from, nullptr, target, &at);
    SDL_FreeSurface(from);
  }
  if (SDL_UpdateWindowSurface(window_) != 0)
    throw std::runtime_error(std::string("cannot show the window: ") + SDL_GetError());
}

void GameWindow::setIcon(const Image& icon, bool withAlpha) {
  std::vector<std::uint32_t> argb(icon.pixels.size());
  const std::uint32_t opaque = withAlpha ? 0 : 0xFF000000u;
  std::transform(icon.pixels.begin(), icon.pixels.end(), argb.begin(), [opaque](std::uint32_t p) { return p | opaque; });
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(argb.data(), icon.width, icon.height, 32, icon.width * 4,
                                                      SDL_PIXELFORMAT_ARGB8888);
  if (!s) return;  // the window works without its icon
  SDL_SetWindowIcon(window_, s);
  SDL_FreeSurface(s);
}

}  // namespace tenrali
