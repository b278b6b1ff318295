#pragma once
// The one window of the game: software drawing only (the picture is written into the window's
// own surface, no OpenGL), a fixed size, scaled by a whole factor on large displays.
#include <SDL.h>

#include <string>

#include "data/bmp.h"

namespace tenrali {

// Sets what SDL must know before it starts: the application's name and window class, software
// drawing, the screen saver left alone, no message bus started for the game. Call before SDL_Init
// and before any other thread starts (the class and the bus are set in the environment).
void configureSdl();
// Starts SDL's video; throws std::runtime_error with a one-line reason when there is no
// display to show the window on (SDL would otherwise pick an invisible driver by itself).
void startVideo();

// The whole factor the window is drawn at: TENRALI_SCALE when it names one (1..8), otherwise the
// one the player chose last time (`saved`, 0 for none), otherwise what the display's size and
// density call for; never so large that the window no longer fits the screen's usable area. A
// factor asked for that does not fit falls back to the largest that does, and `note` says so in
// one line (empty otherwise).
struct ScaleChoice {
  int scale = 1;
  std::string note;
};
ScaleChoice chooseScale(const char* requested, int usableWidth, int usableHeight, float dpi, int windowWidth,
                        int windowHeight, int saved = 0);

class GameWindow {
 public:
  // A window whose unscaled size is width x height, at the unscaled screen point (x, y).
  GameWindow(const char* caption, int x, int y, int width, int height, int scale);
  ~GameWindow();
  GameWindow(const GameWindow&) = delete;
  GameWindow& operator=(const GameWindow&) = delete;

  SDL_Window* sdl() const { return window_; }
  // The factor the picture is drawn at now (in full screen, the one that fits the display).
  int scale() const { return scale_; }
  // Window pixels to unscaled window coordinates.
  int unscaleX(int v) const { return unscale(v - left_); }
  int unscaleY(int v) const { return unscale(v - top_); }

  // Full screen: the picture at the largest whole factor that fits the display, centred, black
  // around it. Back in a window, the window's own scale again. False when the display refused.
  bool setFullScreen(bool on);
  bool fullScreen() const { return fullScreen_; }
  // The factor of the window (not full screen): the window takes its new size.
  void setWindowScale(int scale);
  int windowScale() const { return windowScale_; }
  // The window's size changed (the display's event): the picture is placed again.
  void resized() { placed_ = false; }
  // The factor the next picture is shown at, once placed on the window as it now stands: a
  // picture drawn at it is shown pixel for pixel.
  int drawScale();

  // Shows a picture of the window's size in pixels, or of its unscaled size with each pixel as a
  // scale x scale square.
  void present(const Image& picture);
  // The window's icon; with alpha, its pixels are 0xAARRGGBB, otherwise opaque 0x00RRGGBB.
  void setIcon(const Image& icon, bool withAlpha = false);

 private:
  SDL_Surface* surface();
  int unscale(int v) const { return v >= 0 ? v / scale_ : -((-v + scale_ - 1) / scale_); }
  // Where the picture goes on the surface: its factor and its top-left corner; the black around
  // it is painted when it moved.
  void place(SDL_Surface* target);

  SDL_Window* window_ = nullptr;
  int width_, height_, scale_, windowScale_;
  int left_ = 0, top_ = 0;
  bool fullScreen_ = false;
  bool placed_ = false;
  Image scaled_;  // only when the window's pixel format is not ours
};

}  // namespace tenrali
