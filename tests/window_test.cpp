// The window's side of the game: the drawn menu bar, the click rule on press and release, the
// menu and clicks through SDL events (SDL's dummy video driver, no display needed), the scale
// factor, and the window's picture.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/event_loop.h"
#include "platform/game_window.h"
#include "platform/menu_bar.h"
#include "support/test_game.h"

namespace tenrali::test {
namespace {

MenuBar gameMenu(TestGame& g) {
  MenuBar menu(g.sm(), E::K1, {E::K2, E::K3, E::N2, E::K4});
  menu.layout(sharedFonts());
  return menu;
}

int centreX(Rect r) { return r.x + r.w / 2; }
int centreY(Rect r) { return r.y + r.h / 2; }

// The left button pressed or released at a point of the unscaled window, on a window of that scale.
SDL_Event buttonEvent(Uint32 type, int x, int y, int scale) {
  SDL_Event e{};
  e.type = type;
  e.button.button = SDL_BUTTON_LEFT;
  e.button.x = x * scale;
  e.button.y = y * scale;
  return e;
}

// An SDL timer callback that closes the window, as the player would.
Uint32 pushQuit(Uint32, void*) {
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  return 0;
}

// Pushes a click (press and release) from SDL's timer thread.
void pushClick(int x, int y, int scale) {
  for (Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
    SDL_Event e = buttonEvent(type, x, y, scale);
    SDL_PushEvent(&e);
  }
}

TEST(MenuBar, OpensChoosesAndCloses) {
  TestGame g;
  MenuBar menu = gameMenu(g);
  const Rect title = menu.titleRect();
  EXPECT_FALSE(menu.press(300, 200)) << "a press in the client area is the game's";
  EXPECT_TRUE(menu.press(500, 5)) << "the bar beside the title is not the client area";
  EXPECT_FALSE(menu.isOpen());

  EXPECT_TRUE(menu.press(centreX(title), centreY(title)));
  EXPECT_TRUE(menu.isOpen());
  EXPECT_EQ(menu.release(centreX(title), centreY(title)).item, E::count);
  EXPECT_TRUE(menu.isOpen()) << "releasing on the title keeps the drop-down open";

  const Rect separator = menu.entryRect(2);
  ASSERT_TRUE(menu.isSeparator(2));
  EXPECT_TRUE(menu.press(centreX(separator), centreY(separator)));
  EXPECT_EQ(menu.release(centreX(separator), centreY(separator)).item, E::count);
  EXPECT_TRUE(menu.isOpen());

  const Rect quit = menu.entryRect(3);
  EXPECT_TRUE(menu.press(centreX(quit), centreY(quit)));
  EXPECT_EQ(menu.release(centreX(quit), centreY(quit)).item, E::K4);
  EXPECT_FALSE(menu.isOpen());

  // Press on the title, drag to an entry and let go there: chosen, as on a desktop.
  menu.press(centreX(title), centreY(title));
  const Rect start = menu.entryRect(0);
  EXPECT_EQ(menu.release(centreX(start), centreY(start)).item, E::K2);
}

TEST(MenuBar, GreyedEntryTakesNoClickAndAPressElsewhereOnlyCloses) {
  TestGame g;
  MenuBar menu = gameMenu(g);
  g.menuNew();  // "新規開始" greys itself
  const Rect title = menu.titleRect();
  const Rect start = menu.entryRect(0);
  menu.press(centreX(title), centreY(title));
  EXPECT_FALSE(menu.move(centreX(start), centreY(start))) << "a greyed entry does not light up";
  EXPECT_TRUE(menu.press(centreX(start), centreY(start)));
  EXPECT_EQ(menu.release(centreX(start), centreY(start)).item, E::count);
  EXPECT_TRUE(menu.isOpen());

  const Rect quit = menu.entryRect(3);
  EXPECT_TRUE(menu.move(centreX(quit), centreY(quit)));
  EXPECT_FALSE(menu.move(centreX(quit) + 1, centreY(quit))) << "the same entry: nothing to draw again";

  EXPECT_TRUE(menu.press(400, 300)) << "the press that closes the menu is not the game's";
  EXPECT_FALSE(menu.isOpen());
  EXPECT_EQ(menu.release(400, 300).item, E::count);
}

TEST(WindowScale, FromTheDisplayOrAsked) {
  EXPECT_EQ(chooseScale(nullptr, 1920, 1050, 96, 600, 420), 1);
  EXPECT_EQ(chooseScale(nullptr, 2560, 1400, 109, 600, 420), 1);
  EXPECT_EQ(chooseScale(nullptr, 3840, 2100, 0, 600, 420), 2) << "a 4K display";
  EXPECT_EQ(chooseScale(nullptr, 2560, 1560, 227, 600, 420), 2) << "a dense laptop panel";
  EXPECT_EQ(chooseScale(nullptr, 1280, 770, 220, 600, 420), 1) << "twice would not fit";
  EXPECT_EQ(chooseScale("2", 1024, 768, 96, 600, 420), 2) << "asked for";
  EXPECT_EQ(chooseScale("3", 1024, 768, 96, 600, 420), 3);
  for (const char* bad : {"0", "9", "2x", "", "-1"})
    EXPECT_EQ(chooseScale(bad, 1024, 768, 96, 600, 420), 1) << "TENRALI_SCALE=" << bad;
}

// A real window on SDL's dummy driver, driven by the events a display would send.
class WindowEvents : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    configureSdl();
    startVideo();
    window = std::make_unique<GameWindow>("test", 0, 0, kWindowWidth, kWindowHeight, GetParam());
    loop = std::make_unique<EventLoop>(g.form(), sharedFonts(), g.sm().pictures(), *window);
    loop->showFirstFrame();
  }
  void TearDown() override {
    loop.reset();
    window.reset();
    SDL_Quit();
    unsetenv("SDL_VIDEODRIVER");
  }
  // A press or release at a point of the unscaled window (the menu bar on top).
  void button(Uint32 type, int x, int y) { loop->handle(buttonEvent(type, x, y, GetParam())); }
  void clickWindow(int x, int y) {
    button(SDL_MOUSEBUTTONDOWN, x, y);
    button(SDL_MOUSEBUTTONUP, x, y);
  }
  void clickClient(E e) {
    Rect r = g.sm().rect(e);
    clickWindow(centreX(r), centreY(r) + kMenuBarHeight);
  }
  void chooseMenu(std::size_t entry) {
    MenuBar menu = gameMenu(g);  // the same layout as the window's
    clickWindow(centreX(menu.titleRect()), centreY(menu.titleRect()));
    clickWindow(centreX(menu.entryRect(entry)), centreY(menu.entryRect(entry)));
  }

  TestGame g;
  std::unique_ptr<GameWindow> window;
  std::unique_ptr<EventLoop> loop;
};

TEST_P(WindowEvents, MenuStartsTheGameAndClicksFollowThePressAndRelease) {
  clickClient(E::ivent);
  EXPECT_EQ(g.s().contestStage, 5) << "the title takes no click before \"新規開始\"";
  chooseMenu(0);
  EXPECT_FALSE(g.sm().get(E::K2).enabled);
  EXPECT_TRUE(g.sm().get(E::Timer1).enabled);
  clickClient(E::ivent);
  ASSERT_TRUE(g.shown(E::menuk9)) << "the first click ends the opening";

  // Pressed on one button and released on another: no click.
  Rect from = g.sm().rect(E::menuk4), to = g.sm().rect(E::menuk9);
  button(SDL_MOUSEBUTTONDOWN, centreX(from), centreY(from) + kMenuBarHeight);
  button(SDL_MOUSEBUTTONUP, centreX(to), centreY(to) + kMenuBarHeight);
  EXPECT_EQ(g.s().dayNumber, 1);
  EXPECT_TRUE(g.shown(E::menuk4));
  clickClient(E::menuk9);
  EXPECT_EQ(g.s().dayNumber, 2);

  // With the drop-down open, a click on the game only closes it.
  MenuBar menu = gameMenu(g);
  clickWindow(centreX(menu.titleRect()), centreY(menu.titleRect()));
  clickClient(E::menuk9);
  EXPECT_EQ(g.s().dayNumber, 2);
  clickClient(E::menuk9);
  EXPECT_EQ(g.s().dayNumber, 3);
}

TEST_P(WindowEvents, QuitFromTheMenuEndsTheLoopWithZero) {
  chooseMenu(3);
  EXPECT_TRUE(g.form().closed());
  EXPECT_EQ(loop->run(), 0);
}

TEST_P(WindowEvents, ClosingTheWindowEndsTheLoop) {
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  EXPECT_EQ(loop->run(), 0);
}

// The opening's timer ticks on the 100 ms beat: at least once in a third of a second, and never
// more often than the time allows (late ticks are not made up in a burst).
TEST_P(WindowEvents, SceneTimerTicksOnTheBeat) {
  chooseMenu(0);
  const int before = g.s().sceneTick;
  SDL_TimerID stop = SDL_AddTimer(350, pushQuit, nullptr);
  ASSERT_NE(stop, 0);
  const Uint64 start = SDL_GetTicks64();
  EXPECT_EQ(loop->run(), 0);
  const Uint64 elapsed = SDL_GetTicks64() - start;
  const int ticks = g.s().sceneTick - before;
  EXPECT_GE(ticks, 1);
  EXPECT_LE(ticks, static_cast<int>(elapsed / 100) + 1) << elapsed << " ms";
}

// A scene the player starts with a click first ticks one whole interval after the click, not on
// the beat the scene before it was running on: the arrival scene's beats fall at 100, 200, … ms;
// a click at 190 ms skips to the contest day, whose first tick is due at 290 ms, so at 240 ms
// it has not ticked yet.
TEST_P(WindowEvents, AClickStartedSceneTicksAWholeIntervalLater) {
  chooseMenu(0);
  clickClient(E::ivent);
  g.s().money = 50;
  clickClient(E::menuk1);
  clickClient(E::byes);
  clickClient(E::byes);
  ASSERT_TRUE(g.sm().get(E::Timer2).enabled);
  static int scale;
  scale = GetParam();
  auto click = [](Uint32, void*) -> Uint32 {
    pushClick(300, 220, scale);
    return 0;
  };
  ASSERT_NE(SDL_AddTimer(190, click, nullptr), 0);
  ASSERT_NE(SDL_AddTimer(240, pushQuit, nullptr), 0);
  EXPECT_EQ(loop->run(), 0);
  EXPECT_TRUE(g.sm().get(E::Timer3).enabled) << "the click skipped the arrival scene";
  EXPECT_EQ(g.s().sceneTick, 0) << "the contest day ticked less than an interval after the click";
  SDL_Delay(20);
}

// A recorded whole game played in the window goes exactly as in tenrali-play: the window's own
// beat and the player's clicks stay out of it, and its "menu quit" ends the loop.
TEST_P(WindowEvents, AReplayPlaysTheRecordedGameExactly) {
  std::ifstream in(std::filesystem::path(TENRALI_TEST_SOURCE_DIR) / "tests" / "play" / "whole_game.play");
  std::vector<std::string> lines;
  std::string script;
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
    script += line + "\n";
  }
  ASSERT_GT(lines.size(), 50u);
  const std::vector<std::string> answers = runPlay(script + "state\n", 0);
  ASSERT_FALSE(answers.empty());
  lines.push_back("menu quit");
  Replay replay(lines, 1000);
  loop->setReplay(&replay);
  // Meanwhile the player clicks the middle of the window and "コメント" every 5 ms: a click
  // would skip an arrival scene or start a talk, and the game would go otherwise.
  static int scale;
  static std::atomic<bool> clicking;
  scale = GetParam();
  clicking = true;
  SDL_TimerID clicks = SDL_AddTimer(
      5,
      [](Uint32, void*) -> Uint32 {
        static int n = 0;
        if (!clicking) return 0;
        pushClick(n % 2 ? 300 : 480, n % 2 ? 220 : 395, scale);
        ++n;
        return 5;
      },
      nullptr);
  ASSERT_NE(clicks, 0);
  EXPECT_EQ(loop->run(), 0);
  // The clicks stop before SDL does: a push on SDL's timer thread while SDL_Quit takes the
  // event queue down would wait for it forever.
  clicking = false;
  SDL_RemoveTimer(clicks);
  SDL_Delay(50);
  EXPECT_FALSE(replay.playing());
  EXPECT_TRUE(g.form().closed());
  const std::string& last = answers.back();
  for (const char* field : {"sceneTick", "dayNumber", "heart", "skill", "money", "contestStage"}) {
    const std::string want = "\"" + std::string(field) + "\":" + std::to_string(*findIntField(field)->at(g.s(), 0)) + ",";
    EXPECT_NE(last.find(want), std::string::npos) << want << " not in " << last;
  }
  EXPECT_EQ(g.caption(E::Label7), "Produced  By  Tenrali  ");
}

INSTANTIATE_TEST_SUITE_P(Scales, WindowEvents, ::testing::Values(1, 2));

TEST(WindowPicture, IsTheGamesPictureUnderTheMenuBarAndRedrawnOnlyOnChange) {
  TestGame g;
  MenuBar menu = gameMenu(g);
  WindowPicture picture(g.form(), sharedFonts(), g.sm().pictures(), menu);
  EXPECT_TRUE(picture.stale());
  const Image& shown = picture.draw();
  ASSERT_EQ(shown.width, 600);
  ASSERT_EQ(shown.height, 420);
  Image client;
  ScreenRenderer(sharedFonts(), g.sm().pictures()).render(g.sm(), client);
  for (int y = 0; y < 400; y += 7)
    for (int x = 0; x < 600; x += 5) ASSERT_EQ(shown.at(x, y + kMenuBarHeight), client.at(x, y)) << x << "," << y;
  EXPECT_FALSE(picture.stale());

  const Image closed = shown;
  menu.press(centreX(menu.titleRect()), centreY(menu.titleRect()));
  EXPECT_TRUE(picture.stale());
  picture.draw();
  const Rect drop = menu.dropDownRect();
  EXPECT_NE(shown.at(drop.x + drop.w / 2, drop.y + 1), closed.at(drop.x + drop.w / 2, drop.y + 1));
  EXPECT_EQ(shown.at(400, 300), closed.at(400, 300)) << "the game's picture around the drop-down is untouched";

  g.menuNew();  // greys "新規開始": a change of the game's model
  EXPECT_TRUE(picture.stale());
}

TEST(WindowPicture, AMissingPictureIsToldOnceAndTheRestIsDrawn) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "tenrali-window-test-missing";
  fs::remove_all(folder);
  fs::copy(TENRALI_TEST_GAME_DIR, folder);
  fs::remove(folder / "ivent.bmp");
  {
    TestGame g(0, folder.string());
    ScreenRenderer renderer(sharedFonts(), g.sm().pictures());
    std::vector<std::string> told;
    renderer.setWarningSink([&told](const std::string& line) { told.push_back(line); });
    Image out;
    renderer.render(g.sm(), out);
    renderer.render(g.sm(), out);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("\"ivent.bmp\""), std::string::npos) << told[0];
    EXPECT_EQ(out.at(300, 200), kFaceColor) << "nothing drawn where the title would be";
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace tenrali::test

namespace tenrali::test {
namespace {

// A bad line ends the replay where it stands, and the game goes on in the player's hands.
TEST(Replay, ABadLineEndsItAndTheGameGoesOn) {
  TestGame g;
  Replay replay({"# a comment", "menu new", "state", "click nosuchbutton", "menu quit"}, 1000);
  for (Uint64 now = 0; replay.playing() && now < 100; ++now) replay.step(g.form(), now);
  EXPECT_FALSE(replay.playing());
  EXPECT_TRUE(g.sm().get(E::Timer1).enabled) << "\"menu new\" was played";
  EXPECT_FALSE(g.form().closed()) << "nothing after the bad line was played";
}

}  // namespace
}  // namespace tenrali::test
