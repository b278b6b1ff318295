#pragma once
// The game's life in its window: mouse clicks and keys to the menu bar or to the game, the
// 100 ms tick while a scene timer runs (ten times as often while Ctrl or Shift is held), a
// picture drawn only when something changed, and sleep in between.
#include <SDL.h>

#include <cstdint>
#include <functional>
#include <string>
#include <memory>

#include "app/form1.h"
#include "platform/button_looks.h"
#include "platform/game_window.h"
#include "platform/menu_bar.h"
#include "platform/renderer.h"
#include "platform/replay.h"
#include "platform/save_keeper.h"
#include "platform/sound_player.h"

namespace tenrali {

class ReadAloud;
class Settings;
class SpeechPort;

// The window's picture: the menu bar on top, the client area below it.
inline constexpr int kWindowWidth = kClientWidth;
inline constexpr int kWindowHeight = kMenuBarHeight + kClientHeight;

// Draws the window's picture from the game's screen model, the keyboard's focus ring, the menu
// bar and the look of the button under the mouse, each redrawn only when it changed, at the
// window's scale.
class WindowPicture {
 public:
  WindowPicture(TForm1& form, FontLibrary& fonts, PictureStore& pictures, MenuBar& menu, int scale = 1)
      : form_(form), fonts_(fonts), renderer_(fonts, pictures, scale), menu_(menu) {}
  // True when the picture changed since it was last drawn.
  bool stale(ButtonLook look = {}) const;
  // Brings the picture up to date.
  const Image& draw(ButtonLook look = {});
  // The factor the picture is drawn at from now on.
  void setScale(int scale);
  int scale() const { return renderer_.scale(); }
  const Image& picture() const { return window_; }
  // The game's own picture, as tenrali-play's screenshot draws it (no ring, no menu).
  const Image& client() const { return client_; }

 private:
  TForm1& form_;
  FontLibrary& fonts_;
  ScreenRenderer renderer_;
  MenuBar& menu_;
  Image client_, window_;
  std::uint64_t clientRevision_ = 0;
  unsigned menuRevision_ = ~0u;
  unsigned ringRevision_ = ~0u;
  ButtonLook look_;
};

// Time and events: SDL's, or in tests a script on a clock of its own.
class LoopClock {
 public:
  virtual ~LoopClock() = default;
  virtual Uint64 now() = 0;
  // The next event, waiting at most timeoutMs (-1: as long as it takes); false when none came.
  virtual bool wait(SDL_Event& event, int timeoutMs) = 0;
  virtual bool poll(SDL_Event& event) = 0;
};

// The window's own menu commands (the game's are its menu items).
enum WindowCommand : int {
  kCommandFullScreen = 1,
  kCommandReadAloud,
  kCommandScreenshot,
  kCommandFastForward,  // greyed: it only says how
  kCommandMusic,
  kCommandEffects,
  kCommandScale = 10,   // + the factor
};
// The sizes the settings menu offers: ×1 to ×4.
inline constexpr int kLargestScaleOffered = 4;

// The window's menus: the game's ("ゲーム") and the settings ("設定": the sound, read-aloud, full
// screen, the sizes up to `largestScale`, the screenshot and how to fast-forward), unchecked.
MenuBar windowMenuBar(const ScreenModel& screen, int largestScale);

// The menu bar and the window's picture: made, and their first picture drawn, before the window
// exists (on the thread that builds the game), then handed to the event loop. The settings menu
// offers every size; the loop greys those its display cannot hold. The picture is drawn at
// `scale`.
struct WindowContent {
  WindowContent(TForm1& form, FontLibrary& fonts, PictureStore& pictures, int scale);
  MenuBar menu;
  WindowPicture picture;
};

class EventLoop {
 public:
  // With a sound player, what the game does is heard and the settings menu switches the sound.
  EventLoop(TForm1& form, FontLibrary& fonts, PictureStore& pictures, GameWindow& window,
            SoundPlayer* sound = nullptr);
  // With the content made beforehand, its menu showing the sound player's flags.
  EventLoop(TForm1& form, std::unique_ptr<WindowContent> content, GameWindow& window, SoundPlayer* sound);
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
  // Where the loop tells its own news (read-aloud, screenshots); a picture that cannot be drawn
  // is told by the screen model, once for the run.
  void setWarningSink(std::function<void(const std::string&)> sink);
  // The settings that last (full screen, scale, read-aloud): shown in the menu, kept when changed.
  void setSettings(Settings* settings);
  // Read-aloud, and its speech service.
  void setReadAloud(ReadAloud* readAloud, SpeechPort* speech);
  // Whether the speech service can be had at all; without it the menu's entry is greyed.
  void setReadAloudAvailable(bool available);
  // Turns read-aloud on or off (kept in the settings when `keepIt`). The first time on, the
  // service is reached in the background; read-aloud starts when it answers (settleReadAloud).
  void turnReadAloud(bool on, bool keepIt = false);
  // Once the service is reached: read-aloud starts; or it cannot be, and the menu's entry is
  // greyed with one line told.
  void settleReadAloud();
  // For tests: another clock, and the beats of the scene clock given so far.
  void setClock(LoopClock* clock) { clock_ = clock; }
  unsigned long long beats() const { return beats_; }
  MenuBar& menu() { return menu_; }

  static constexpr Uint64 kTickMs = 100;
  static constexpr Uint64 kFastTickMs = 10;  // while Ctrl or Shift is held: ten times the pace

 private:
  void mouseDown(int x, int y);
  void mouseUp(int x, int y);
  void keyDown(const SDL_KeyboardEvent& key);
  void keyUp(const SDL_KeyboardEvent& key);
  bool menuKey(SDL_Keycode key);
  void gameKey(const SDL_KeyboardEvent& key);
  void take(const MenuChoice& chosen);
  void command(int command);
  void toggleFullScreen();
  void chooseScale(int factor);
  void screenshot();
  void switchSound(int command);
  void keep(const char* key, int value, bool isFlag);
  void present();
  void afterStep();
  bool fast() const { return held_ != 0; }

  TForm1& form_;
  GameWindow& window_;
  SoundPlayer* sound_;
  std::unique_ptr<WindowContent> content_;
  MenuBar& menu_;
  WindowPicture& picture_;
  Replay* replay_ = nullptr;
  SaveKeeper* keeper_ = nullptr;
  LoopClock* clock_;
  Settings* settings_ = nullptr;
  ReadAloud* readAloud_ = nullptr;
  SpeechPort* speech_ = nullptr;
  bool speechBegun_ = false;
  bool speechReady_ = false;
  bool wantSpeech_ = false;  // the player wants read-aloud
  bool keepSpeech_ = false;
  std::function<void(const std::string&)> tell_;
  bool replaying() const { return replay_ && replay_->playing(); }
  bool quit_ = false;
  bool exposed_ = false;
  // The left button's press: who took it, and the element of the client it fell on.
  enum class PressOwner { None, Menu, Client } press_ = PressOwner::None;
  E pressed_ = E::count;
  unsigned held_ = 0;      // Ctrl and Shift keys held down, one bit each
  bool altAlone_ = false;  // Alt went down and nothing else since
  bool fastBeat_ = false;  // the beat was last set at the fast pace
  Uint64 nextTick_ = 0;
  unsigned long long beats_ = 0;
  // Where the mouse is, in unscaled window coordinates, and whether it is over the window.
  int mouseX_ = -1, mouseY_ = -1;
  bool pointerIn_ = false;
};

}  // namespace tenrali
