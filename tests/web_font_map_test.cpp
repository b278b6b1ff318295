// The web page finds its faces by a fixed map: for every face, weight and slant it names the file
// fontconfig chooses on the desktop, so that both draw every text with the same font.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/fonts.h"
#include "web/font_map.h"

namespace tenrali {

TEST(WebFontMap, NamesTheFileFontconfigChoosesForEveryFace) {
  FontLibrary fonts;
  for (const char* face : {faces::pGothic, faces::pMincho, faces::mincho, faces::serif, faces::script})
    for (bool bold : {false, true})
      for (bool italic : {false, true}) {
        const char* web = webFontFile(face, bold, italic);
        const std::string desktop = fonts.fileFor(face, bold, italic);
        ASSERT_TRUE(web) << face;
        ASSERT_FALSE(desktop.empty()) << face;
        EXPECT_EQ(std::filesystem::canonical(desktop).filename().string(), web)
            << face << (bold ? " bold" : "") << (italic ? " italic" : "");
      }
  EXPECT_EQ(webFontFile("Arial", false, false), nullptr);
}

}  // namespace tenrali
