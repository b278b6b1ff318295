#pragma once
// The game's life in its window: mouse clicks to the menu bar or to the game's click rule, the
// 100 ms tick while a scene timer runs, a picture drawn only when something changed, and sleep
// in between.
#include <SDL.h>

#include <cstdint>

#include "app/form1.h"
#include "platform/button_looks.h"
#include "platform/game_window.h"
#include "platform/menu_bar.h"
#include "platform/renderer.h"
#include "platform/replay.h"
#include "platform/save_keeper.h"
#include "platform/sound_player.h"

namespace tenrali {

// The window's picture: the menu bar on top, the client area below it.
inline constexpr int kWindowWidth = kClientWidth;
inline constexpr int kWindowHeight = kMenuBarHeight + kClientHeight;

// The window's menus: the game's ("ゲーム") and the settings ("設定") with the sound's check
// items, which show the flags given.
std::vector<Menu> windowMenus(const bool* music, const bool* effects);

// Draws the window's picture from the game's screen model, the menu bar and the look of the button
// under the mouse, each redrawn only when it changed, at the window's scale.
class WindowPicture {
 public:
  WindowPicture(TForm1& form, FontLibrary& fonts, PictureStore& pictures, MenuBar& menu, int scale = 1)
      : form_(form), fonts_(fonts), renderer_(fonts, pictures, scale), menu_(menu) {}
  // True when the picture changed since it was last drawn.
  bool stale(ButtonLook look = {}) const;
  // Brings the picture up to date.
  const Image& draw(ButtonLook look = {});
  const Image& picture() const { return window_; }
  ScreenRenderer& renderer() { return renderer_; }

 private:
  TForm1& form_;
  FontLibrary& fonts_;
  ScreenRenderer renderer_;
  MenuBar& menu_;
  Image client_, window_;
  std::uint64_t clientRevision_ = 0;
  unsigned menuRevision_ = ~0u;
  ButtonLook look_;
};

class EventLoop {
 public:
  // With a sound player, what the game does is heard and the settings menu switches the sound.
  EventLoop(TForm1& form, FontLibrary& fonts, PictureStore& pictures, GameWindow& window,
            SoundPlayer* sound = nullptr);
  // Draws and shows the first picture.
  void showFirstFrame();
  // Runs until the game ends (the window is closed or "終了"); returns the exit status.
  int run();
  // Handles one event (tests, and the web page's loop, which is driven by the browser).
  void handle(const SDL_Event& event);
  // After each event or beat: what changed is heard, then shown (again, when the window lost
  // what it showed), then saved if the home screen waits.
  void refresh();
  bool finished() const { return quit_ || form_.closed(); }
  // Plays a recorded game in the window before handing it to the player.
  void setReplay(Replay* replay) { replay_ = replay; }
  // The look of the button under the mouse (none while a replay plays or the menu is open).
  ButtonLook look() const;
  // Saves the game whenever the home screen waits, once the picture is shown.
  void setSaveKeeper(SaveKeeper* keeper) { keeper_ = keeper; }
  // Where a picture that cannot be drawn is reported.
  void setWarningSink(std::function<void(const std::string&)> sink) { picture_.renderer().setWarningSink(sink); }

  static constexpr Uint64 kTickMs = 100;

 private:
  void mouseDown(int x, int y);
  void mouseUp(int x, int y);
  void windowCommand(WindowCommand command);
  void present();

  TForm1& form_;
  GameWindow& window_;
  SoundPlayer* sound_;
  MenuBar menu_;
  WindowPicture picture_;
  Replay* replay_ = nullptr;
  SaveKeeper* keeper_ = nullptr;
  bool replaying() const { return replay_ && replay_->playing(); }
  bool quit_ = false;
  bool exposed_ = false;
  // The left button's press: who took it, and the element of the client it fell on.
  enum class PressOwner { None, Menu, Client } press_ = PressOwner::None;
  E pressed_ = E::count;
  // Where the mouse is, in unscaled window coordinates, and whether it is over the window.
  int mouseX_ = -1, mouseY_ = -1;
  bool pointerIn_ = false;
};

}  // namespace tenrali
