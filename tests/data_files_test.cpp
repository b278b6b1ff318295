// The data files: token rules, field limits, and a clear complaint for every bad file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "data/cp932.h"
#include "data/data_files.h"
#include "data/random_int.h"

namespace tenrali {
namespace {

std::string readGameFile(const char* name) {
  std::ifstream in(std::string(TENRALI_TEST_SOURCE_DIR) + "/assets/data/" + name, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

std::string cp932(const char* utf8) { return *utf8ToCp932(utf8); }

std::string errorOf(void (*read)(std::string_view), const std::string& bytes) {
  try {
    read(bytes);
  } catch (const DataError& e) {
    return e.what();
  }
  return "";
}
void weather(std::string_view b) { readWeatherTable(b); }
void seeds(std::string_view b) { readSeedTable(b); }
void accessories(std::string_view b) { readAccessoryTable(b); }

TEST(DataFiles, LineStructureDoesNotMatter) {
  const std::string lines = readGameFile("tenki.dat");
  std::string oneLine;
  std::istringstream tokens(lines);
  for (std::string t; tokens >> t;) oneLine += t + " ";
  ASSERT_NE(lines, oneLine);
  EXPECT_EQ(readWeatherTable(lines), readWeatherTable(oneLine));
  // Records spread over many lines and tabs, with Unix line ends, read the same too.
  std::string spread;
  for (char c : oneLine) spread += c == ' ' ? std::string("\n\t ") : std::string(1, c);
  EXPECT_EQ(readWeatherTable(lines), readWeatherTable(spread));
}

TEST(DataFiles, OurFilesHoldTheGamesTables) {
  auto w = readWeatherTable(readGameFile("tenki.dat"));
  for (int code = 0; code < 8; ++code) {
    int found = 0;
    for (const auto& r : w) found += r.code == code;
    EXPECT_EQ(found, 1) << "one weather per code " << code;
  }
  EXPECT_EQ(w[5].name, "天気雨");
  auto s = readSeedTable(readGameFile("tane.dat"));
  EXPECT_EQ(s[0].picture, "hutu1.bmp");
  EXPECT_EQ(s[26].picture, "niji3.bmp");
  auto a = readAccessoryTable(readGameFile("akuse.dat"));
  EXPECT_EQ(a[23].name, "虹の指輪");
  EXPECT_EQ(a[6].picture, "wab1.bmp");
}

TEST(DataFiles, ShortFilesNameTheFileAndTheRecord) {
  std::string seven = cp932("晴れ 0 a.bmp 曇り 1 b.bmp 雨 2 c.bmp 雷 3 d.bmp 雪 4 e.bmp 天気雨 5 f.bmp 雹 6 g.bmp");
  EXPECT_EQ(errorOf(weather, seven), "tenki.dat: record 8 of 8: the file ends before the weather name");
  EXPECT_EQ(errorOf(weather, seven + cp932(" 虹 7")), "tenki.dat: record 8 of 8: the file ends before the picture name");
  EXPECT_EQ(errorOf(weather, ""), "tenki.dat: record 1 of 8: the file ends before the weather name");
  std::string seedsFile = readGameFile("tane.dat");
  EXPECT_EQ(errorOf(seeds, seedsFile.substr(0, seedsFile.rfind("\r\n", seedsFile.size() - 3))),
            "tane.dat: record 27 of 27: the file ends before the plant name");
  std::string accessoriesFile = readGameFile("akuse.dat");
  auto lastLine = accessoriesFile.rfind("\r\n", accessoriesFile.size() - 3);
  EXPECT_EQ(errorOf(accessories, accessoriesFile.substr(0, lastLine)),
            "akuse.dat: record 24 of 24: the file ends before the accessory name");
}

TEST(DataFiles, FieldLimitsCountCp932Bytes) {
  std::string rest = cp932(" 1 b.bmp 雨 2 c.bmp 雷 3 d.bmp 雪 4 e.bmp 天気雨 5 f.bmp 雹 6 g.bmp 虹 7 h.bmp");
  // Seven bytes fit a field of eight; eight do not.
  EXPECT_NO_THROW(readWeatherTable(cp932("晴れ 0 a.bmp 曇りaaa") + rest));
  EXPECT_EQ(errorOf(weather, cp932("晴れ 0 a.bmp 曇りaaaa") + rest),
            "tenki.dat: record 2 of 8: the weather name is 8 bytes long, more than the 7 it may have");
  EXPECT_EQ(errorOf(weather, cp932("晴れ 0 abcd.bmp") + rest).substr(0, 58),
            "tenki.dat: record 1 of 8: the picture name is 8 bytes long");
}

TEST(DataFiles, BadNumbersAndTextAreRefused) {
  std::string rest = cp932(" b.bmp 雨 2 c.bmp 雷 3 d.bmp 雪 4 e.bmp 天気雨 5 f.bmp 雹 6 g.bmp 虹 7 h.bmp");
  const std::string head = cp932("晴れ 0 a.bmp 曇り ");
  EXPECT_EQ(errorOf(weather, head + "one" + rest),
            "tenki.dat: record 2 of 8: the weather code must be a number, not \"one\"");
  EXPECT_EQ(errorOf(weather, head + "1x" + rest),
            "tenki.dat: record 2 of 8: the weather code must be a number, not \"1x\"");
  EXPECT_EQ(errorOf(weather, head + "99999999999" + rest), "tenki.dat: record 2 of 8: the weather code is too large a number");
  EXPECT_EQ(errorOf(weather, head + "8" + rest), "tenki.dat: record 2 of 8: the weather code 8 is not one of 0..7");
  EXPECT_NO_THROW(readWeatherTable(head + "+1" + rest));
  EXPECT_NO_THROW(readWeatherTable(head + "-0" + rest));
  // One sign at most.
  EXPECT_EQ(errorOf(weather, head + "+-1" + rest),
            "tenki.dat: record 2 of 8: the weather code must be a number, not \"+-1\"");
  EXPECT_EQ(errorOf(weather, head + "++1" + rest),
            "tenki.dat: record 2 of 8: the weather code must be a number, not \"++1\"");
  // A lead byte of a double-byte character with nothing after it is not cp932.
  EXPECT_EQ(errorOf(weather, cp932("晴れ 0 a.bmp ") + "\x82" + cp932(" 1") + rest),
            "tenki.dat: record 2 of 8: the weather name is not valid cp932 text");
}

TEST(DataFiles, BackslashStaysABackslash) {
  EXPECT_EQ(*cp932ToUtf8("\\"), "\\");
  EXPECT_EQ(*cp932ToUtf8(cp932("天気雨")), "天気雨");
}

TEST(RandomInt, IsTheGamesGenerator) {
  RandomInt zero(0);
  EXPECT_EQ(zero.next(), 0);  // 0 * M + 1 has a zero high word
  EXPECT_EQ(zero.next(), 346);
  // Seed 1: state M + 1, whose high word is 0x15A; then a * (2b + 1) with M = a * 2^32 + b.
  RandomInt one(1);
  EXPECT_EQ(one.next(), 346);
  EXPECT_EQ(one.next(), 346 * (2 * 0x4E35 + 1));
  RandomInt big(0x12345678);
  EXPECT_EQ(big.next(), 448586687);
  EXPECT_EQ(big.next(), 726413771);
  // The top bit of the high word is always cleared.
  RandomInt any(0xFFFFFFFFu);
  for (int i = 0; i < 1000; ++i) EXPECT_GE(any.next(), 0);
}

}  // namespace
}  // namespace tenrali
