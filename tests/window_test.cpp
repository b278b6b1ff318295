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
#include "platform/scaled_pictures.h"
#include "support/dummy_window.h"
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
  auto scale = [](const char* asked, int w, int h, float dpi) { return chooseScale(asked, w, h, dpi, 600, 420).scale; };
  EXPECT_EQ(scale(nullptr, 1920, 1050, 96), 1);
  EXPECT_EQ(scale(nullptr, 2560, 1400, 109), 1);
  EXPECT_EQ(scale(nullptr, 3840, 2100, 0), 2) << "a 4K display";
  EXPECT_EQ(scale(nullptr, 2560, 1560, 227), 2) << "a dense laptop panel";
  EXPECT_EQ(scale(nullptr, 1280, 770, 220), 1) << "twice would not fit";
  EXPECT_EQ(scale("2", 1280, 900, 96), 2) << "asked for";
  EXPECT_EQ(scale("3", 1920, 1300, 96), 3);
  for (const char* bad : {"0", "9", "2x", "", "-1"}) EXPECT_EQ(scale(bad, 1024, 768, 96), 1) << "TENRALI_SCALE=" << bad;
  EXPECT_TRUE(chooseScale("2", 1280, 900, 96, 600, 420).note.empty());
}

// A factor asked for that does not fit the screen falls back to the largest that does, and says
// so in one line.
TEST(WindowScale, AFactorThatDoesNotFitFallsBack) {
  const ScaleChoice three = chooseScale("3", 1920, 1000, 96, 600, 420);
  EXPECT_EQ(three.scale, 2);
  EXPECT_EQ(three.note, "tenrali: TENRALI_SCALE=3 makes a 1800 x 1260 window, larger than the screen's 1920 x 1000; "
                        "drawn at 2 instead");
  EXPECT_EQ(chooseScale("8", 1024, 768, 96, 600, 420).scale, 1);
  EXPECT_EQ(chooseScale("2", 1024, 768, 96, 600, 420).scale, 1);
}

// A real window on SDL's dummy driver, driven by the events a display would send.
class WindowEvents : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    window = openDummyWindow(GetParam());
    loop = std::make_unique<EventLoop>(g.form(), sharedFonts(), g.sm().pictures(), *window);
    loop->showFirstFrame();
  }
  void TearDown() override { closeDummyWindow(loop, window); }
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

// The button under the mouse answers it: lighter while the mouse rests there, pressed while the
// left button is held on it (and only on it), nothing while the menu is open or outside.
TEST_P(WindowEvents, TheButtonUnderTheMouseAnswersIt) {
  chooseMenu(0);
  clickClient(E::ivent);
  auto move = [this](E e) {
    SDL_Event m{};
    m.type = SDL_MOUSEMOTION;
    const Rect r = g.sm().rect(e);
    m.motion.x = centreX(r) * GetParam();
    m.motion.y = (centreY(r) + kMenuBarHeight) * GetParam();
    loop->handle(m);
  };
  move(E::menuk4);
  EXPECT_EQ(loop->look(), (ButtonLook{E::menuk4, false}));
  const Rect r = g.sm().rect(E::menuk4);
  button(SDL_MOUSEBUTTONDOWN, centreX(r), centreY(r) + kMenuBarHeight);
  EXPECT_EQ(loop->look(), (ButtonLook{E::menuk4, true}));
  move(E::menuk9);
  EXPECT_EQ(loop->look(), ButtonLook{}) << "held on another button";
  move(E::menuk4);
  button(SDL_MOUSEBUTTONUP, centreX(r), centreY(r) + kMenuBarHeight);
  EXPECT_TRUE(g.shown(E::byes) || g.shown(E::bno)) << "the click went through";
  move(E::kaow);
  EXPECT_EQ(loop->look(), ButtonLook{}) << "the portrait is no button";
  move(E::bno);
  EXPECT_EQ(loop->look(), (ButtonLook{E::bno, false}));
  SDL_Event leave{};
  leave.type = SDL_WINDOWEVENT;
  leave.window.event = SDL_WINDOWEVENT_LEAVE;
  loop->handle(leave);
  EXPECT_EQ(loop->look(), ButtonLook{});
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

// At scale 2 the window is drawn with twice the pixels: the pictures from their larger
// renderings (not enlarged pixel by pixel), the text set at twice its size.
TEST(WindowPicture, AtScaleTwoThePicturesAreTheirLargerRenderings) {
  TestGame g;
  g.startDay1();
  DirectoryFileSource files(TENRALI_TEST_GAME_DIR);
  ScaledPictureStore larger(g.sm().pictures(), files);
  MenuBar menu = gameMenu(g);
  WindowPicture picture(g.form(), sharedFonts(), larger, menu, 2);
  const Image& shown = picture.draw();
  ASSERT_EQ(shown.width, 1200);
  ASSERT_EQ(shown.height, 840);
  const Image* frame = larger.image("mainw.bmp", 2);
  ASSERT_EQ(frame->width, 900);
  for (int y = 60; y < 190; y += 7)  // the frame's top and its wall above the pots
    for (int x = 0; x < 900; x += 11)
      ASSERT_EQ(shown.at(x, y + 2 * kMenuBarHeight), frame->at(x, y)) << x << "," << y;
  // The words are set at twice their size, not enlarged: many of their 2 x 2 squares of pixels
  // are not of one colour.
  const Rect said = g.sm().rect(E::mes2);
  int mixed = 0;
  for (int y = 2 * said.y; y < 2 * (said.y + said.h); y += 2)
    for (int x = 2 * said.x; x < 2 * (said.x + said.w); x += 2) {
      const int top = y + 2 * kMenuBarHeight;
      const std::uint32_t p = shown.at(x, top);
      mixed += shown.at(x + 1, top) != p || shown.at(x, top + 1) != p || shown.at(x + 1, top + 1) != p;
    }
  EXPECT_GT(mixed, 100);
}

// The button under the mouse glows, and is darker while pressed, over its own place only; the
// game's own picture (what screenshots save) and its model do not change.
TEST(WindowPicture, AButtonUnderTheMouseLooksIt) {
  TestGame g;
  g.startDay1();
  MenuBar menu = gameMenu(g);
  WindowPicture picture(g.form(), sharedFonts(), g.sm().pictures(), menu);
  const Image plain = picture.draw();
  const std::uint64_t revision = g.sm().revision();
  ASSERT_TRUE(isButton(g.form(), E::menuk4));
  EXPECT_TRUE(picture.stale({E::menuk4, false}));
  const Image hovered = picture.draw({E::menuk4, false});
  const Image pressed = picture.draw({E::menuk4, true});
  const Rect r = g.sm().rect(E::menuk4);
  auto light = [](std::uint32_t p) { return ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF); };
  const int x = r.x + r.w / 2, y = r.y + r.h / 2 + kMenuBarHeight;
  EXPECT_NE(hovered.at(x, y), plain.at(x, y));
  EXPECT_LT(light(pressed.at(x, y)), light(plain.at(x, y)));
  EXPECT_EQ(hovered.at(r.x - 1, y), plain.at(r.x - 1, y)) << "only the button changes";
  EXPECT_EQ(g.sm().revision(), revision);
  Image shot;
  ScreenRenderer(sharedFonts(), g.sm().pictures()).render(g.sm(), shot);
  EXPECT_EQ(shot.at(x, y - kMenuBarHeight), plain.at(x, y));

  // Which pictures are buttons: not the portrait or a scene picture; a pot only while it can be
  // chosen for a seed.
  EXPECT_FALSE(isButton(g.form(), E::kaow));
  EXPECT_FALSE(isButton(g.form(), E::ueki1));
  g.click(E::menuk4);
  g.click(E::bhutu);
  g.click(E::byes);
  EXPECT_TRUE(isButton(g.form(), E::ueki1));
  EXPECT_TRUE(isButton(g.form(), E::bno));
  EXPECT_FALSE(isButton(g.form(), E::menuk4)) << "hidden";
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
