// The keyboard in the window (SDL's dummy video driver): the game's keys, the menu bar's, the
// window's own (full screen, the screenshot), fast-forward, and the settings they keep.
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "app/recorded_play.h"
#include "platform/event_loop.h"
#include "platform/game_window.h"
#include "platform/read_aloud.h"
#include "storage/settings.h"
#include "support/dummy_window.h"
#include "support/test_game.h"

namespace tenrali::test {
namespace {

namespace fs = std::filesystem;

SDL_Event keyEvent(Uint32 type, SDL_Keycode key, Uint16 mod = KMOD_NONE, bool repeat = false) {
  SDL_Event e{};
  e.type = type;
  e.key.keysym.sym = key;
  e.key.keysym.mod = mod;
  e.key.repeat = repeat ? 1 : 0;
  e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  return e;
}

SDL_Event buttonEvent(Uint32 type, int x, int y) {
  SDL_Event e{};
  e.type = type;
  e.button.button = SDL_BUTTON_LEFT;
  e.button.x = x;
  e.button.y = y;
  return e;
}

class SilentSpeech : public SpeechPort {
 public:
  explicit SilentSpeech(std::string why = "") : why_(std::move(why)) {}
  std::optional<std::string> reached() override { return why_; }
  bool say(const std::string&) override { return true; }
  void stop() override {}

 private:
  std::string why_;
};

class WindowKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    window = openDummyWindow(1);
    loop = std::make_unique<EventLoop>(g.form(), sharedFonts(), g.sm().pictures(), *window);
    loop->setWarningSink([this](const std::string& line) { told.push_back(line); });
    loop->showFirstFrame();
  }
  void TearDown() override { closeDummyWindow(loop, window); }
  // A key pressed and let go.
  void key(SDL_Keycode k, Uint16 mod = KMOD_NONE) {
    loop->handle(keyEvent(SDL_KEYDOWN, k, mod));
    loop->handle(keyEvent(SDL_KEYUP, k, mod));
  }

  TestGame g;
  std::unique_ptr<GameWindow> window;
  std::unique_ptr<EventLoop> loop;
  std::vector<std::string> told;
};

TEST_F(WindowKeys, TheMenuBarTheGameAndTheRingFromTheKeyboard) {
  key(SDLK_RETURN);
  EXPECT_EQ(g.s().contestStage, 5) << "the title takes no key";
  // F10 opens "ゲーム" with "新規開始" lit; Enter chooses it.
  key(SDLK_F10);
  EXPECT_TRUE(loop->menu().isOpen());
  key(SDLK_RETURN);
  EXPECT_FALSE(loop->menu().isOpen());
  EXPECT_TRUE(g.sm().get(E::Timer1).enabled);
  // Alt alone opens the bar, Escape closes it; the arrows go round menus and entries.
  key(SDLK_LALT);
  EXPECT_TRUE(loop->menu().isOpen());
  key(SDLK_RIGHT);
  key(SDLK_LEFT);
  key(SDLK_DOWN);  // past the greyed "新規開始" and the separator: "終了"
  key(SDLK_ESCAPE);
  EXPECT_FALSE(loop->menu().isOpen());
  EXPECT_FALSE(g.form().closed()) << "Escape only closed the menu";
  EXPECT_TRUE(g.sm().get(E::Timer1).enabled) << "nor did it reach the game";

  // Held down, a key that clicks clicks once.
  loop->handle(keyEvent(SDL_KEYDOWN, SDLK_SPACE));
  loop->handle(keyEvent(SDL_KEYDOWN, SDLK_SPACE, KMOD_NONE, true));
  loop->handle(keyEvent(SDL_KEYUP, SDLK_SPACE));
  ASSERT_EQ(g.s().contestStage, 1) << "Space ended the opening";
  key(SDLK_9);
  EXPECT_EQ(g.s().dayNumber, 2) << "9: the last menu button, \"一日終了\"";
  key(SDLK_KP_9);
  EXPECT_EQ(g.s().dayNumber, 3) << "the keypad's digits too";
  key(SDLK_9, KMOD_LALT);
  EXPECT_EQ(g.s().dayNumber, 3) << "Alt with a key is the desktop's";

  // Tab shows the ring in the window's picture; the mouse takes it away.
  key(SDLK_TAB);
  ASSERT_NE(g.form().keyboard().focused(), E::count);
  SDL_Event motion{};
  motion.type = SDL_MOUSEMOTION;
  motion.motion.x = 10;
  motion.motion.y = 300;
  motion.motion.xrel = 1;
  loop->handle(motion);
  EXPECT_EQ(g.form().keyboard().focused(), E::count);
  key(SDLK_TAB, KMOD_LSHIFT);
  EXPECT_EQ(g.form().keyboard().focused(), E::menuk9) << "Shift+Tab from nothing: the last place";
}

TEST_F(WindowKeys, SettingsAreKept) {
  const fs::path folder = fs::temp_directory_path() / "tenrali-window-keys-settings";
  fs::remove_all(folder);
  Settings settings((folder / "settings").string());
  loop->setSettings(&settings);
  SilentSpeech speech;
  ReadAloud voice(speech);
  loop->setReadAloud(&voice, &speech);
  auto kept = [&] {
    Settings again((folder / "settings").string());
    again.load();
    return std::to_string(again.flag("fullscreen", false)) + std::to_string(again.number("scale", 0, 0, 8)) +
           std::to_string(again.flag("read-aloud", false));
  };

  key(SDLK_F11);
  EXPECT_TRUE(window->fullScreen());
  EXPECT_EQ(kept(), "100");
  key(SDLK_F11);
  EXPECT_FALSE(window->fullScreen());
  // "設定" → "大きさ ×2" from the keyboard: F10, Right, Down (×1), Down (×2), Enter.
  key(SDLK_F10);
  key(SDLK_RIGHT);
  key(SDLK_DOWN);
  const MenuEntry* twice = loop->menu().findCommand(kCommandScale + 2);
  const bool bigger = twice && twice->enabled;
  if (bigger) {  // the dummy display holds twice the window
    key(SDLK_DOWN);
    key(SDLK_RETURN);
    EXPECT_EQ(window->windowScale(), 2);
    EXPECT_EQ(kept(), "020");
  } else {
    key(SDLK_ESCAPE);
  }
  loop->turnReadAloud(true, true);
  EXPECT_TRUE(voice.on());
  EXPECT_EQ(kept(), bigger ? "021" : "001");
  loop->turnReadAloud(false, true);
  EXPECT_FALSE(voice.on());
  EXPECT_EQ(kept(), bigger ? "020" : "000");
  EXPECT_TRUE(told.empty());
  fs::remove_all(folder);
}

TEST_F(WindowKeys, WithoutASpeechServiceReadAloudIsGreyedAndToldOnce) {
  SilentSpeech speech("no service in this test");
  ReadAloud voice(speech);
  loop->setReadAloud(&voice, &speech);
  loop->turnReadAloud(true);
  EXPECT_FALSE(voice.on());
  EXPECT_FALSE(loop->menu().findCommand(kCommandReadAloud)->enabled) << "greyed";
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0], "tenrali: read-aloud is not available: no service in this test");
}

// In full screen the picture stands in the middle of the display, and a click lands where the
// player sees the button.
TEST_F(WindowKeys, FullScreenCentresThePictureAndClicksFollowIt) {
  g.startDay1();
  ASSERT_TRUE(window->setFullScreen(true));
  loop->handle([] {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    return e;
  }());
  window->present(Image{kWindowWidth, kWindowHeight,
                        std::vector<std::uint32_t>(static_cast<std::size_t>(kWindowWidth) * kWindowHeight, 0)});
  int w = 0, h = 0;
  SDL_GetWindowSize(window->sdl(), &w, &h);
  const int scale = window->scale();
  const int left = (w - kWindowWidth * scale) / 2, top = (h - kWindowHeight * scale) / 2;
  const Rect r = g.sm().rect(E::menuk9);
  const int x = left + (r.x + r.w / 2) * scale, y = top + (r.y + r.h / 2 + kMenuBarHeight) * scale;
  loop->handle(buttonEvent(SDL_MOUSEBUTTONDOWN, x, y));
  loop->handle(buttonEvent(SDL_MOUSEBUTTONUP, x, y));
  EXPECT_GT(w, kWindowWidth) << "the window took the display";
  EXPECT_EQ(g.s().dayNumber, 2) << w << "x" << h << " at " << scale;
}

TEST_F(WindowKeys, F12WritesTheGamesPictureIntoThePicturesFolder) {
  const fs::path home = fs::temp_directory_path() / "tenrali-window-keys-home";
  fs::remove_all(home);
  fs::create_directories(home / "config");
  fs::create_directories(home / "Bilder");
  std::ofstream(home / "config" / "user-dirs.dirs") << "# the desktop's folders\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
  const char* oldHome = std::getenv("HOME");
  const std::string savedHome = oldHome ? oldHome : "";
  setenv("HOME", home.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
  key(SDLK_F12);
  setenv("HOME", savedHome.c_str(), 1);
  unsetenv("XDG_CONFIG_HOME");
  ASSERT_EQ(told.size(), 1u);
  const std::string prefix = "tenrali: screenshot saved as " + (home / "Bilder").string() + "/tenrali-";
  EXPECT_EQ(told[0].rfind(prefix, 0), 0u) << told[0];
  std::ifstream png(told[0].substr(std::string("tenrali: screenshot saved as ").size()), std::ios::binary);
  std::string head(8, '\0');
  png.read(head.data(), 8);
  EXPECT_EQ(head, "\x89PNG\r\n\x1A\n");
  fs::remove_all(home);
}

// A clock that moves only while the loop waits, and a player who acts at moments of the game
// (not of the clock), so that the same game can be played at any pace.
class ScriptedClock : public LoopClock {
 public:
  explicit ScriptedClock(std::function<void(ScriptedClock&)> player) : player_(std::move(player)) {}
  Uint64 now() override { return t; }
  bool poll(SDL_Event& e) override {
    if (queue.empty()) return false;
    e = queue.front();
    queue.pop_front();
    return true;
  }
  bool wait(SDL_Event& e, int timeoutMs) override {
    if (queue.empty()) player_(*this);
    if (poll(e)) return true;
    if (timeoutMs < 0) {
      ADD_FAILURE() << "the loop would sleep for ever";
      e = SDL_Event{};
      e.type = SDL_QUIT;
      return true;
    }
    t += static_cast<Uint64>(timeoutMs);
    return false;
  }
  Uint64 t = 0;
  std::deque<SDL_Event> queue;

 private:
  std::function<void(ScriptedClock&)> player_;
};

// A recorded whole game played in the window with Ctrl held down and let go at random: it ends
// exactly as the same clicks played without the window, while its scenes took less time.
TEST_F(WindowKeys, FastForwardAtRandomMomentsEndsTheGameAsWithout) {
  std::ifstream in(fs::path(TENRALI_TEST_SOURCE_DIR) / "tests" / "play" / "whole_game.play");
  std::vector<std::vector<std::string>> lines;
  for (std::string line; std::getline(in, line);)
    if (auto w = playWords(line); !w.empty() && !isPlayQuestion(w[0])) lines.push_back(w);
  ASSERT_GT(lines.size(), 30u);

  // Without the window: the clicks and beats as recorded.
  TestGame plain;
  for (const auto& w : lines) {
    const PlayStep step = playAction(plain.form(), w);
    if (step.kind == PlayStep::Kind::Ticks) plain.tick(static_cast<int>(step.ticks));
  }

  std::mt19937 rng(7);
  std::size_t next = 0;
  unsigned long long until = 0;  // the beats the current "tick N" waits for
  bool held = false;
  unsigned long long fastBeats = 0, lastBeats = 0;
  ScriptedClock clock([&](ScriptedClock& c) {
    if (held) fastBeats += loop->beats() - lastBeats;
    lastBeats = loop->beats();
    if (rng() % 7 == 0) {  // Ctrl goes down or comes up
      held = !held;
      c.queue.push_back(keyEvent(held ? SDL_KEYDOWN : SDL_KEYUP, SDLK_LCTRL, held ? KMOD_LCTRL : KMOD_NONE));
      return;
    }
    if (loop->beats() < until && g.form().anyTimerEnabled()) return;  // the scene plays on
    while (next < lines.size()) {
      const auto& w = lines[next++];
      if (w[0] == "tick") {
        until = loop->beats() + static_cast<unsigned long long>(playNumber(w.size() > 1 ? w[1] : "1", 0, 1000000));
        return;
      }
      if (w[0] == "click" || w[0] == "clickat") {
        Rect r{0, 0, 1, 1};
        if (w[0] == "click") r = g.sm().rect(playElement(w[1]));
        else r = {static_cast<int>(playNumber(w[1], -1000, 1000)), static_cast<int>(playNumber(w[2], -1000, 1000)), 1, 1};
        const int x = r.x + r.w / 2, y = r.y + r.h / 2 + kMenuBarHeight;
        c.queue.push_back(buttonEvent(SDL_MOUSEBUTTONDOWN, x, y));
        c.queue.push_back(buttonEvent(SDL_MOUSEBUTTONUP, x, y));
        return;
      }
      playAction(g.form(), w);  // the menu, and the fields a recording sets by hand
      SDL_Event nudge{};  // so that the loop looks at the game again, as after a menu's click
      nudge.type = SDL_WINDOWEVENT;
      nudge.window.event = SDL_WINDOWEVENT_EXPOSED;
      c.queue.push_back(nudge);
      return;
    }
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    c.queue.push_back(quit);
  });
  loop->setClock(&clock);
  EXPECT_EQ(loop->run(), 0);

  for (const IntField& f : intFields())
    for (int i = 0; i < f.length; ++i)
      EXPECT_EQ(*f.at(g.s(), i), *f.at(plain.s(), i)) << f.name << "[" << i << "]";
  EXPECT_EQ(g.message(), plain.message());
  EXPECT_EQ(g.visibleNames(), plain.visibleNames());
  EXPECT_GT(fastBeats, 100u) << "Ctrl was held through scenes";
  EXPECT_LT(fastBeats, loop->beats() - 100) << "and let go through others";
  EXPECT_LT(clock.t, loop->beats() * EventLoop::kTickMs - fastBeats * 50) << "the held beats came sooner";
}

}  // namespace
}  // namespace tenrali::test
