// Every picture the game can show exists in the game folder at its listed size: the pictures
// the code names, the ones the window description carries, and the ones our data files name; and
// each, for windows drawn at two and three times, rendered at exactly that many times its size.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "data/data_files.h"
#include "ui/picture_files.h"
#include "data/png.h"
#include "platform/file_source.h"
#include "platform/png_reader.h"
#include "platform/scaled_pictures.h"

namespace tenrali {
namespace {

namespace fs = std::filesystem;

struct Listed {
  int width, height;
  std::string group;
};

std::map<std::string, Listed> listedPictures() {
  std::map<std::string, Listed> out;
  std::ifstream in(fs::path(TENRALI_TEST_SOURCE_DIR) / "assets" / "art" / "pictures.tsv");
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream row(line);
    std::string name, w, h, group;
    std::getline(row, name, '\t');
    std::getline(row, w, '\t');
    std::getline(row, h, '\t');
    std::getline(row, group, '\t');
    out[name + ".bmp"] = {std::stoi(w), std::stoi(h), group};
  }
  return out;
}

TEST(Pictures, EveryListedPictureIsBuiltAtItsSize) {
  auto listed = listedPictures();
  ASSERT_EQ(listed.size(), 153u);
  DirectoryFileSource files(TENRALI_TEST_GAME_DIR);
  FilePictureStore store(files);
  for (const auto& [name, want] : listed) {
    int w = 0, h = 0;
    std::string error, bytes;
    ASSERT_TRUE(store.load(name, w, h, error)) << name << ": " << error;
    EXPECT_EQ(w, want.width) << name;
    EXPECT_EQ(h, want.height) << name;
    for (int scale : {2, 3}) {
      const std::string file = ScaledPictureStore::scaledName(name, scale);
      ASSERT_TRUE(files.read(file, bytes, error) && pngSize(bytes, w, h, error)) << file << ": " << error;
      EXPECT_EQ(w, want.width * scale) << file;
      EXPECT_EQ(h, want.height * scale) << file;
    }
  }
  // The icon also comes with its transparency: clear in its corners, solid in its middle.
  std::string bytes, error;
  Image icon;
  ASSERT_TRUE(files.read("icon.png", bytes, error) && decodePng(bytes, icon, error, true)) << error;
  ASSERT_EQ(icon.width * 1000 + icon.height, 64064);
  EXPECT_EQ(icon.at(0, 0) >> 24, 0u);
  EXPECT_EQ(icon.at(32, 32) >> 24, 255u);
}

// A PNG file reads back as written; one too large for the game, cut short or not a PNG at all is
// refused with a reason before anything is drawn from it.
TEST(Pictures, APngIsReadWholeOrRefused) {
  Image small;
  small.width = 3;
  small.height = 2;
  small.pixels = {0x102030, 0xFFFFFF, 0x000000, 0xABCDEF, 0x00FF00, 0x800080};
  const std::string png = encodePng(small);
  Image back;
  std::string error;
  ASSERT_TRUE(decodePng(png, back, error)) << error;
  EXPECT_EQ(back.pixels, small.pixels);
  ASSERT_TRUE(decodePng(png, back, error, true));
  EXPECT_EQ(back.at(0, 1), 0xFFABCDEFu) << "an opaque picture keeps its alpha";
  Image wide;
  wide.width = kMaxPictureSide + 1;
  wide.height = 1;
  wide.pixels.assign(static_cast<std::size_t>(wide.width), 0);
  for (const std::string& bad : {encodePng(wide), png.substr(0, png.size() / 2), std::string("GIF89a")}) {
    error.clear();
    EXPECT_FALSE(decodePng(bad, back, error));
    EXPECT_FALSE(error.empty());
  }
}

// A larger rendering is used only when it is exactly that many times the size of its picture:
// one of another size (a picture replaced by hand, its old rendering left beside it) or a broken
// file is passed over, and the picture itself is enlarged instead.
TEST(Pictures, ALargerRenderingOfTheWrongSizeIsPassedOver) {
  const fs::path folder = fs::temp_directory_path() / "tenrali-pictures-test-scaled";
  fs::remove_all(folder);
  fs::create_directories(folder);
  for (const char* f : {"ueki.bmp", "ueki@2x.png", "usam1.bmp", "usam1@3x.png", "mainw.bmp"})
    fs::copy_file(fs::path(TENRALI_TEST_GAME_DIR) / f, folder / f);
  fs::copy_file(folder / "ueki@2x.png", folder / "mainw@2x.png");
  std::ofstream(folder / "usam1@2x.png") << "not a picture";
  DirectoryFileSource files(folder.string());
  FilePictureStore store(files);
  ScaledPictureStore larger(store, files);
  EXPECT_EQ(larger.image("ueki.bmp", 2)->width, 200);
  EXPECT_EQ(larger.image("usam1.bmp", 3)->width, 300);
  EXPECT_EQ(larger.image("mainw.bmp", 2), store.image("mainw.bmp")) << "another picture's rendering";
  EXPECT_EQ(larger.image("usam1.bmp", 2), store.image("usam1.bmp")) << "a broken file";
  EXPECT_EQ(larger.image("ueki.bmp", 3), store.image("ueki.bmp")) << "no rendering at all";
  EXPECT_EQ(larger.image("nothing.bmp", 2), nullptr);
  fs::remove_all(folder);
}

// A full-window picture is held only while frames draw it; drawn again it is the same picture.
// Small pictures stay.
TEST(Pictures, LargePicturesAreHeldOnlyWhileDrawn) {
  DirectoryFileSource files(TENRALI_TEST_GAME_DIR);
  FilePictureStore store(files);
  int w = 0, h = 0;
  std::string error;
  ASSERT_TRUE(store.load("ivent1.bmp", w, h, error)) << error;
  EXPECT_EQ(store.decodedPixels(), 0u) << "the size alone needs no pixels";
  const std::vector<std::uint32_t> scene = store.image("ivent1.bmp")->pixels;
  const std::vector<std::uint32_t> portrait = store.image("usaw2.bmp")->pixels;
  store.frameDrawn();  // both drawn in this frame: kept
  EXPECT_EQ(store.decodedPixels(), scene.size() + portrait.size());
  store.image("usaw2.bmp");
  store.frameDrawn();  // the scene was not drawn: let go
  EXPECT_EQ(store.decodedPixels(), portrait.size());
  store.frameDrawn();
  EXPECT_EQ(store.decodedPixels(), portrait.size()) << "a small picture stays";
  EXPECT_EQ(store.image("ivent1.bmp")->pixels, scene);
  store.frameDrawn();
  store.image("ivent2.bmp");  // the next frame's new scene: the last one goes before it is decoded
  EXPECT_EQ(store.decodedPixels(), portrait.size() + static_cast<std::size_t>(600 * 400));
}

// The same at scale 2, from the larger renderings; the pictures at their own size are never decoded.
TEST(Pictures, LargerRenderingsOfLargePicturesAreHeldOnlyWhileDrawn) {
  DirectoryFileSource files(TENRALI_TEST_GAME_DIR);
  FilePictureStore store(files);
  ScaledPictureStore larger(store, files);
  const std::size_t portrait = larger.image("usaw2.bmp", 2)->pixels.size();
  const std::size_t scene = larger.image("ivent1.bmp", 2)->pixels.size();
  ASSERT_EQ(portrait, 200u * 200u);
  ASSERT_EQ(scene, 1200u * 900u);
  larger.frameDrawn();
  EXPECT_EQ(larger.heldPixels(), scene + portrait);
  larger.image("usaw2.bmp", 2);
  larger.frameDrawn();
  EXPECT_EQ(larger.heldPixels(), portrait);
  larger.image("ivent1.bmp", 2);
  larger.frameDrawn();
  const std::size_t next = larger.image("ivent2.bmp", 2)->pixels.size();  // the last scene goes first
  EXPECT_EQ(larger.heldPixels(), portrait + next);
  EXPECT_EQ(store.decodedPixels(), 0u);
}

TEST(Pictures, EveryPictureTheCodeNamesIsListed) {
  auto listed = listedPictures();
  const std::regex literal("\"([A-Za-z0-9_]+\\.bmp)\"");
  std::set<std::string> named;
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(TENRALI_TEST_SOURCE_DIR) / "src")) {
    if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h") continue;
    std::ifstream in(entry.path());
    std::stringstream all;
    all << in.rdbuf();
    const std::string text = all.str();
    for (std::sregex_iterator it(text.begin(), text.end(), literal), end; it != end; ++it) named.insert((*it)[1]);
  }
  EXPECT_GT(named.size(), 40u);
  for (const auto& name : named) EXPECT_TRUE(listed.count(name)) << name << " is named in the code but not drawn";
  // Sizes the screen depends on.
  for (const char* portrait : {"usam1.bmp", "usaw6.bmp", "usao3.bmp", "usas.bmp", "misem2.bmp", "ueki.bmp"})
    EXPECT_EQ(listed[portrait].width * 1000 + listed[portrait].height, 100100) << portrait;
  for (const char* button : {"yes.bmp", "no.bmp", "yame.bmp", "ok.bmp", "tudu.bmp", "itemm.bmp"})
    EXPECT_EQ(listed[button].width * 1000 + listed[button].height, 90030) << button;
  for (const char* contestant : {"cusaw.bmp", "csow1.bmp", "csow2.bmp", "csow3.bmp"})
    EXPECT_EQ(listed[contestant].width * 1000 + listed[contestant].height, 70100) << contestant;
}

TEST(Pictures, EveryPictureOurDataFilesNameIsListed) {
  auto listed = listedPictures();
  DirectoryFileSource files(TENRALI_TEST_GAME_DIR);
  GameState s;
  loadDataFiles(files, s);
  for (const auto& w : s.weatherTable) {
    ASSERT_TRUE(listed.count(w.picture)) << w.picture;
    EXPECT_EQ(listed[w.picture].width * 1000 + listed[w.picture].height, 100100) << w.picture;
  }
  for (const auto& r : s.seedTable) {
    ASSERT_TRUE(listed.count(r.picture)) << r.picture;
    EXPECT_EQ(listed[r.picture].group, "plants") << r.picture;
  }
  for (const auto& a : s.accessoryTable) {
    ASSERT_TRUE(listed.count(a.picture)) << a.picture;
    EXPECT_EQ(listed[a.picture].width * 1000 + listed[a.picture].height, 50050) << a.picture;
  }
}

}  // namespace
}  // namespace tenrali
