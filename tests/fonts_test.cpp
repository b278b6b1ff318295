// The faces of the window description resolve to the installed Japanese fonts, and the price
// mark (a backslash) is drawn as a yen sign by the Japanese faces.
#include <gtest/gtest.h>

#include "platform/fonts.h"
#include "support/test_game.h"

namespace tenrali::test {
namespace {

TEST(Fonts, WindowsFacesResolveToInstalledFonts) {
  FontLibrary& fonts = sharedFonts();
  EXPECT_NE(fonts.fileFor(faces::pGothic, false, false).find("ipagp"), std::string::npos);
  EXPECT_NE(fonts.fileFor(faces::pMincho, true, false).find("ipamp"), std::string::npos);
  EXPECT_NE(fonts.fileFor(faces::mincho, true, false).find("mincho"), std::string::npos);
  EXPECT_NE(fonts.fileFor(faces::serif, true, true).find("NimbusRoman"), std::string::npos);
  EXPECT_NE(fonts.fileFor(faces::script, true, false).find("Z003"), std::string::npos);
}

Image drawn(const Font& font, const char* text) {
  Image img;
  img.width = 60;
  img.height = 40;
  img.pixels.assign(60 * 40, 0xFFFFFF);
  sharedFonts().draw(img, 2, 2, font, text, 0, 0, 60, 40);
  return img;
}

TEST(Fonts, ThePriceMarkShowsAYenSign) {
  const Font mark{faces::pMincho, 24, colors::black, true, false};
  const Image backslash = drawn(mark, "\\");
  EXPECT_EQ(backslash.pixels, drawn(mark, "¥").pixels);
  EXPECT_NE(backslash.pixels, drawn(Font{faces::serif, 24}, "\\").pixels);
  EXPECT_NE(backslash.pixels, drawn(mark, "/").pixels);
}

TEST(Fonts, AFaceWithoutJapaneseBorrowsTheGlyphs) {
  // The script face has no kanji: the line must still show every character.
  const Font script{faces::script, 29, colors::black, true, false};
  const Font gothic{faces::pGothic, 29, colors::black, true, false};
  EXPECT_GT(sharedFonts().measure(script, "今日").width, 40);
  EXPECT_EQ(sharedFonts().measure(script, "今日").width, sharedFonts().measure(gothic, "今日").width);
  const Image img = drawn(script, "今日");
  int ink = 0;
  for (auto px : img.pixels) ink += px != 0xFFFFFF;
  EXPECT_GT(ink, 50);
}

TEST(Fonts, EachTextIsLaidOutOnce) {
  FontLibrary fonts;
  const Font gothic{faces::pGothic, 15, colors::black};
  const MeasureCounts before = fonts.counts();
  const TextSize first = fonts.measure(gothic, "花の種を植えた");
  Font white = gothic;
  white.color = colors::white;  // the colour does not change the size
  const TextSize again = fonts.measure(white, "花の種を植えた");
  EXPECT_EQ(again.width, first.width);
  EXPECT_EQ(again.height, first.height);
  EXPECT_EQ(fonts.counts().calls - before.calls, 2u);
  EXPECT_EQ(fonts.counts().laidOut - before.laidOut, 1u);
  Font bold = gothic;
  bold.bold = true;
  EXPECT_GT(fonts.measure(bold, "花の種を植えた").width, first.width) << "another style is measured afresh";
  EXPECT_EQ(fonts.counts().laidOut - before.laidOut, 2u);
}

}  // namespace
}  // namespace tenrali::test
