// The window description and its rules: the initial screen and state, the click rule, labels
// that take the size of their text, pictures that take their size or are clipped.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "data/bmp.h"
#include "platform/renderer.h"
#include "support/test_game.h"

namespace tenrali::test {
namespace {

namespace fs = std::filesystem;

TEST(NewWindow, ShowsTheTitleAndHoldsTheInitialState) {
  TestGame g;
  // At start only the title, the message lines, the four spare message labels and the two
  // labels of the hidden weather panel are visible; only the title and the lines are shown.
  EXPECT_EQ(g.visibleNames(), "ivent mes1 mes2 mes3 mes4");
  for (E e : {E::_lab19, E::_lab20, E::_lab21, E::_lab22, E::day, E::dayeye}) EXPECT_TRUE(g.sm().get(e).visible);
  const GameState& s = g.s();
  EXPECT_EQ(s.money, 20);
  EXPECT_EQ(g.caption(E::kanek), "20");
  EXPECT_EQ(s.seedCount, (std::array<std::int32_t, 9>{3, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(s.dayNumber, 1);
  EXPECT_EQ(g.caption(E::day), "1");
  EXPECT_EQ(g.caption(E::dokik), "0");
  EXPECT_EQ(g.caption(E::gijyuk), "0");
  for (int p = 1; p <= 3; ++p) {
    EXPECT_EQ(g.s().potSeed(p), 9);
    EXPECT_EQ(g.s().potGrowth(p), 0);
  }
  EXPECT_EQ(s.chosenSeed, 0);  // not 9 until the first planting dialogue
  EXPECT_EQ(s.contestStage, 5);
  EXPECT_EQ(std::make_tuple(s.accessoryMakeState, s.seedMakeState, s.speciesMakeState), std::make_tuple(8, 7, 6));
  EXPECT_EQ(std::make_tuple(s.shopState, s.seedShopState, s.giftState, s.itemViewState, s.plantState,
                            s.harvestState, s.contestEntryState),
            std::make_tuple(5, 5, 4, 2, 5, 5, 3));
  EXPECT_EQ(std::make_tuple(s.sellIndex, s.buySeedIndex, s.giftChoice, s.chosenFruit, s.chosenKind, s.seedFruit,
                            s.speciesFruit),
            std::make_tuple(24, 5, 24, 9, 0, 9, 9));
  EXPECT_TRUE(g.warnings.empty());
}

TEST(ClickRule, TheTopmostShownElementTakesTheClickEvenWithoutABinding) {
  TestGame g;
  g.startDay1();
  // The status frame has no binding: a click on it changes nothing and reaches nothing below.
  const std::string before = g.visibleNames() + g.message();
  EXPECT_EQ(g.clickAt(460, 240), E::subw1);
  EXPECT_EQ(g.clickAt(500, 50), E::tenw);
  EXPECT_EQ(g.visibleNames() + g.message(), before);
  // Panels lie above every picture and label: the weather panel covers part of the status frame.
  EXPECT_EQ(g.clickAt(470, 140), E::tenp);
  EXPECT_EQ(g.clickAt(553, 140), E::day);  // a panel's own label above the panel
  // A hidden element takes no click: with the menu hidden the message frame gets it.
  g.form().hideMenuButtons();
  EXPECT_EQ(g.click("menuk9"), E::subw2);
  EXPECT_EQ(g.s().dayNumber, 1);
}

TEST(ClickRule, LaterScenePicturesCoverEarlierOnes) {
  TestGame g;
  g.sm().show(E::ivent1);
  g.sm().show(E::ivent4);
  EXPECT_EQ(g.clickAt(300, 100), E::ivent4);
  ScreenRenderer renderer(sharedFonts(), g.form().screen().pictures());
  Image shot;
  renderer.render(g.sm(), shot);
  const Image* four = g.sm().pictures().image("ivent4.bmp");
  ASSERT_NE(four, nullptr);
  EXPECT_EQ(shot.at(300, 100), four->at(300, 100));
}

// The day number stands right-aligned against "日目", whose opaque label overlaps its end: the
// digits are drawn clear of it and whole (every inked pixel of the number alone is seen left of
// "日目"), for every number of digits a game can reach.
TEST(DayPanel, TheDayNumberIsWholeBesideItsLabel) {
  TestGame g;
  g.startDay1();
  g.sm().setCaption(E::tenp, "");
  ScreenRenderer renderer(sharedFonts(), g.sm().pictures());
  const Rect panel = g.sm().rect(E::tenp), eye = g.sm().rect(E::dayeye);
  auto ink = [](const Image& img, Rect r) {
    int n = 0;
    for (int y = r.y; y < r.y + r.h; ++y)
      for (int x = r.x; x < r.x + r.w; ++x) n += img.at(x, y) != kFaceColor;
    return n;
  };
  for (int day : {1, 5, 20, 99, 100, 1000, 9999}) {
    g.sm().setNumber(E::day, day);
    Image shot, alone;
    renderer.render(g.sm(), shot);
    alone.width = 200;
    alone.height = 40;
    alone.pixels.assign(200 * 40, kFaceColor);
    sharedFonts().draw(alone, 20, 5, g.sm().get(E::day).font, std::to_string(day), 0, 0, 200, 40);
    EXPECT_EQ(ink(shot, {panel.x + 1, panel.y + 1, eye.x - panel.x - 1, panel.h - 2}), ink(alone, {0, 0, 200, 40}))
        << "day " << day;
  }
}

TEST(ClickRule, TheTitleDoesNothingBeforeANewGame) {
  TestGame g;
  EXPECT_EQ(g.click(E::ivent), E::ivent);
  EXPECT_EQ(g.s().contestStage, 5);
  EXPECT_EQ(g.visibleNames(), "ivent mes1 mes2 mes3 mes4");
  EXPECT_EQ(g.message(), "||||");
}

TEST(AutoSize, LabelsTakeTheSizeOfTheirText) {
  TestGame g;
  const Rect twenty = g.sm().rect(E::kanek);
  g.sm().setNumber(E::kanek, 1000);
  const Rect thousand = g.sm().rect(E::kanek);
  // Right-aligned: the label grows to the left, its right edge stays at 561 + 40.
  EXPECT_EQ(twenty.x + twenty.w, 601);
  EXPECT_EQ(thousand.x + thousand.w, 601);
  EXPECT_GT(thousand.w, twenty.w);
  EXPECT_LT(thousand.x, twenty.x);
  g.sm().setNumber(E::kanek, -5);
  EXPECT_EQ(g.caption(E::kanek), "-5");
  // Left-aligned labels keep their left edge; an empty caption still measures one blank.
  const Rect empty = g.sm().rect(E::mes2);
  EXPECT_EQ(empty.x, 110);
  EXPECT_GT(empty.w, 0);
  EXPECT_GT(empty.h, 0);
  g.sm().setCaption(E::mes2, "「絶対　つくって");
  EXPECT_EQ(g.sm().rect(E::mes2).x, 110);
  EXPECT_EQ(g.sm().rect(E::mes2).w, sharedFonts().measure(g.sm().get(E::mes2).font, "「絶対　つくって").width);
  EXPECT_GT(g.sm().rect(E::mes2).w, 6 * 24);
  EXPECT_EQ(g.clickAt(112, 310), E::mes2);
}

// A folder of its own pictures, for the sizes the game's pictures do not have.
class PictureFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("tenrali-pictures-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    for (const char* f : {"tenki.dat", "tane.dat", "akuse.dat"})
      fs::copy_file(fs::path(TENRALI_TEST_GAME_DIR) / f, dir / f, fs::copy_options::overwrite_existing);
  }
  void TearDown() override { fs::remove_all(dir); }
  void write(const std::string& name, int w, int h, std::uint32_t (*color)(int x, int y)) {
    Image img;
    img.width = w;
    img.height = h;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) img.pixels.push_back(color(x, y));
    std::ofstream(dir / name, std::ios::binary) << encodeBmp24(img);
  }
  fs::path dir;
};

TEST_F(PictureFolder, AnAutoSizePictureTakesThePicturesSize) {
  write("face.bmp", 60, 80, [](int, int) { return 0x336699u; });
  TestGame g(0, dir.string());
  ASSERT_TRUE(g.sm().loadPicture(E::kaow, "face.bmp"));
  EXPECT_EQ(g.sm().rect(E::kaow), (Rect{3, 280, 60, 80}));
}

TEST_F(PictureFolder, APictureTallerThanItsElementIsClipped) {
  // Row y of the picture has the colour y: the screen must show rows 0..399 and nothing more.
  write("ivent1.bmp", 600, 450, [](int, int y) { return static_cast<std::uint32_t>(y); });
  TestGame g(0, dir.string());
  g.sm().show(E::ivent1);
  EXPECT_EQ(g.sm().rect(E::ivent1), (Rect{0, 0, 600, 400}));
  ScreenRenderer renderer(sharedFonts(), g.sm().pictures());
  Image shot;
  renderer.render(g.sm(), shot);
  EXPECT_EQ(shot.height, 400);
  EXPECT_EQ(shot.at(10, 0), 0u);
  EXPECT_EQ(shot.at(10, 399), 399u);
}

TEST_F(PictureFolder, AMissingPictureIsReportedAndTheElementKeepsItsPicture) {
  write("face.bmp", 60, 80, [](int, int) { return 0u; });
  std::ofstream(dir / "broken.bmp", std::ios::binary) << "BM not really";
  TestGame g(0, dir.string());
  ASSERT_TRUE(g.sm().loadPicture(E::kaow, "face.bmp"));
  EXPECT_FALSE(g.sm().loadPicture(E::kaow, "nothere.bmp"));
  EXPECT_FALSE(g.sm().loadPicture(E::kaow, "broken.bmp"));
  EXPECT_FALSE(g.sm().loadPicture(E::kaow, "../tenki.dat"));
  EXPECT_EQ(g.picture(E::kaow), "face.bmp");
  EXPECT_EQ(g.sm().rect(E::kaow).w, 60);
  ASSERT_EQ(g.warnings.size(), 3u);
  EXPECT_NE(g.warnings[0].find("nothere.bmp"), std::string::npos);
}

TEST(Menu, NewGameOnceAndQuit) {
  TestGame g;
  g.menuNew();
  EXPECT_FALSE(g.sm().get(E::K2).enabled);
  EXPECT_TRUE(g.sm().get(E::Timer1).enabled);
  EXPECT_EQ(g.s().sceneTick, 29);
  EXPECT_EQ(g.s().contestStage, 0);
  g.tick(5);
  const int tick = g.s().sceneTick;
  g.menuNew();  // greyed: nothing happens
  EXPECT_EQ(g.s().sceneTick, tick);
  EXPECT_FALSE(g.form().closed());
  g.form().menuCommand(E::K4);  // quit, even during the opening
  EXPECT_TRUE(g.form().closed());
}

}  // namespace
}  // namespace tenrali::test
