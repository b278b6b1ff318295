// Bad input, one case at a time: every data file missing, empty, short by a record, with a word
// where a number belongs, a field one byte too long, or bytes that are not text; pictures that
// are missing, cut short, empty, not pictures at all, or of an absurd size; scripts, replays and
// screenshots that cannot be read or written as they should. The game says what is wrong and
// where, in one short line that shows what it echoes safely; it never crashes or hangs. A bad data
// file stops tenrali-play before its first command with one line on standard error; a bad picture
// costs one line for the whole run and the element keeps its picture.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "data/bmp.h"
#include "data/data_files.h"
#include "support/test_game.h"

namespace tenrali::test {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

// A game folder of its own: links to every file of the built game, and the files a case changes.
class GameFolder {
 public:
  GameFolder() {
    static int serial = 0;
    dir_ = fs::temp_directory_path() / ("tenrali-bad-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
    fs::create_directories(dir_);
    for (const auto& entry : fs::directory_iterator(TENRALI_TEST_GAME_DIR))
      fs::create_symlink(entry.path(), dir_ / entry.path().filename());
  }
  ~GameFolder() { fs::remove_all(dir_); }
  const fs::path& dir() const { return dir_; }
  void write(const std::string& name, const std::string& bytes) {
    fs::remove(dir_ / name);
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  void remove(const std::string& name) { fs::remove(dir_ / name); }
  void pipe(const std::string& name) {
    fs::remove(dir_ / name);
    ASSERT_EQ(::mkfifo((dir_ / name).c_str(), 0600), 0);
  }
  void huge(const std::string& name, std::uintmax_t bytes) {
    fs::remove(dir_ / name);
    std::ofstream(dir_ / name, std::ios::binary) << "BM";
    fs::resize_file(dir_ / name, bytes);  // sparse: costs no disk
  }

  struct Run {
    int status = -1;
    std::string out, err;
  };
  // tenrali-play with this folder as its working directory.
  Run play(const std::string& script) const {
    std::ofstream(dir_ / "case.play") << script;
    return run(std::string("'") + TENRALI_TEST_PLAY_BINARY + "' --seed 0 case.play");
  }
  // A shell command in this folder; what it writes to standard error is kept.
  Run run(const std::string& command) const {
    const std::string cmd = "cd '" + dir_.string() + "' && " + command + " 2>case.err";
    Run run;
    FILE* pipe = popen(cmd.c_str(), "r");
    for (int c; (c = std::fgetc(pipe)) != EOF;) run.out.push_back(static_cast<char>(c));
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = readFile(dir_ / "case.err");
    return run;
  }

 private:
  fs::path dir_;
};

// The tokens of a data file, with where each starts and ends.
std::vector<std::pair<std::size_t, std::size_t>> tokens(const std::string& bytes) {
  std::vector<std::pair<std::size_t, std::size_t>> out;
  auto white = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  for (std::size_t i = 0; i < bytes.size();) {
    if (white(bytes[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < bytes.size() && !white(bytes[end])) ++end;
    out.emplace_back(i, end);
    i = end;
  }
  return out;
}

std::string gameFile(const char* name) { return readFile(fs::path(TENRALI_TEST_GAME_DIR) / name); }

std::string replaceToken(const std::string& bytes, std::size_t index, const std::string& with) {
  auto [from, to] = tokens(bytes).at(index);
  return bytes.substr(0, from) + with + bytes.substr(to);
}

std::string withoutLastRecord(const std::string& bytes, std::size_t perRecord) {
  auto t = tokens(bytes);
  return bytes.substr(0, t.at(t.size() - perRecord).first);
}

// How a case spoils its file: new contents, no file, or a pipe in its place.
using Spoil = std::function<void(GameFolder&, const std::string& file)>;
Spoil content(std::function<std::string()> bytes) {
  return [bytes](GameFolder& folder, const std::string& file) { folder.write(file, bytes()); };
}
const Spoil missing = [](GameFolder& folder, const std::string& file) { folder.remove(file); };
const Spoil aPipe = [](GameFolder& folder, const std::string& file) { folder.pipe(file); };

struct DataCase {
  const char* name;
  const char* file;
  Spoil spoil;
  std::string message;
};

std::ostream& operator<<(std::ostream& out, const DataCase& c) { return out << c.name; }

const std::vector<DataCase>& dataCases() {
  static const std::vector<DataCase> cases = {
      {"WeatherMissing", "tenki.dat", missing, "tenki.dat: cannot be read (No such file or directory)"},
      {"WeatherEmpty", "tenki.dat", content([] { return std::string(); }),
       "tenki.dat: record 1 of 8: the file ends before the weather name"},
      {"WeatherShortByOne", "tenki.dat", content([] { return withoutLastRecord(gameFile("tenki.dat"), 3); }),
       "tenki.dat: record 8 of 8: the file ends before the weather name"},
      {"WeatherCodeNotANumber", "tenki.dat", content([] { return replaceToken(gameFile("tenki.dat"), 4, "kumo"); }),
       "tenki.dat: record 2 of 8: the weather code must be a number, not \"kumo\""},
      {"WeatherNameOneByteOver", "tenki.dat",
       content([] { return replaceToken(gameFile("tenki.dat"), 6, "abcdefgh"); }),
       "tenki.dat: record 3 of 8: the weather name is 8 bytes long, more than the 7 it may have"},
      {"WeatherPictureOneByteOver", "tenki.dat",
       content([] { return replaceToken(gameFile("tenki.dat"), 23, "nijiz.bmp"); }),
       "tenki.dat: record 8 of 8: the picture name is 9 bytes long, more than the 7 it may have"},
      {"WeatherNameNotCp932", "tenki.dat", content([] { return replaceToken(gameFile("tenki.dat"), 0, "\x82"); }),
       "tenki.dat: record 1 of 8: the weather name is not valid cp932 text"},
      {"WeatherNameControlByte", "tenki.dat",
       content([] { return replaceToken(gameFile("tenki.dat"), 3, std::string("a\0b", 3)); }),
       "tenki.dat: record 2 of 8: the weather name holds the control byte 0x00"},

      {"SeedsAPipe", "tane.dat", aPipe, "tane.dat: cannot be read (not a plain file)"},
      {"SeedsMissing", "tane.dat", missing, "tane.dat: cannot be read (No such file or directory)"},
      {"SeedsEmpty", "tane.dat", content([] { return std::string(); }),
       "tane.dat: record 1 of 27: the file ends before the plant name"},
      {"SeedsShortByOne", "tane.dat", content([] { return withoutLastRecord(gameFile("tane.dat"), 5); }),
       "tane.dat: record 27 of 27: the file ends before the plant name"},
      {"SeedsNumberNotANumber", "tane.dat", content([] { return replaceToken(gameFile("tane.dat"), 5 * 4 + 3, "2x"); }),
       "tane.dat: record 5 of 27: the third number must be a number, not \"2x\""},
      {"SeedsNameOneByteOver", "tane.dat",
       content([] { return replaceToken(gameFile("tane.dat"), 5 * 26, "abcdefghijkl"); }),
       "tane.dat: record 27 of 27: the plant name is 12 bytes long, more than the 11 it may have"},
      {"SeedsPictureOneByteOver", "tane.dat",
       content([] { return replaceToken(gameFile("tane.dat"), 4, "hutu1xxx.bmp"); }),
       "tane.dat: record 1 of 27: the picture name is 12 bytes long, more than the 11 it may have"},
      {"SeedsNumberEchoedSafely", "tane.dat",
       content([] { return replaceToken(gameFile("tane.dat"), 1, "1\x1b]0;owned\x07"); }),
       "tane.dat: record 1 of 27: the first number must be a number, not \"1\\x1B]0;owned\\x07\""},
      {"SeedsNumberEchoedShort", "tane.dat",
       content([] { return replaceToken(gameFile("tane.dat"), 2, std::string(10 << 20, 'x')); }),
       "tane.dat: record 1 of 27: the second number must be a number, not \"" + std::string(40, 'x') + "…\""},
      {"SeedsPictureNotCp932", "tane.dat", content([] { return replaceToken(gameFile("tane.dat"), 9, "\xFF.bmp"); }),
       "tane.dat: record 2 of 27: the picture name is not valid cp932 text"},

      {"AccessoriesMissing", "akuse.dat", missing, "akuse.dat: cannot be read (No such file or directory)"},
      {"AccessoriesEmpty", "akuse.dat", content([] { return std::string(); }),
       "akuse.dat: record 1 of 24: the file ends before the accessory name"},
      {"AccessoriesShortByOne", "akuse.dat", content([] { return withoutLastRecord(gameFile("akuse.dat"), 2); }),
       "akuse.dat: record 24 of 24: the file ends before the accessory name"},
      // akuse.dat has no numbers: a number where a name belongs is a name.
      {"AccessoriesNameOneByteOver", "akuse.dat",
       content([] { return replaceToken(gameFile("akuse.dat"), 2 * 10, std::string(30, 'a')); }),
       "akuse.dat: record 11 of 24: the accessory name is 30 bytes long, more than the 29 it may have"},
      {"AccessoriesPictureOneByteOver", "akuse.dat",
       content([] { return replaceToken(gameFile("akuse.dat"), 1, "wak1x.bmp"); }),
       "akuse.dat: record 1 of 24: the picture name is 9 bytes long, more than the 8 it may have"},
      {"AccessoriesNameControlByte", "akuse.dat",
       content([] { return replaceToken(gameFile("akuse.dat"), 2 * 23, "\x81\x7F"); }),
       "akuse.dat: record 24 of 24: the accessory name holds the control byte 0x7F"},
      {"AccessoriesNameHalfACharacter", "akuse.dat",
       content([] { return replaceToken(gameFile("akuse.dat"), 2 * 23, "\xEA"); }),
       "akuse.dat: record 24 of 24: the accessory name is not valid cp932 text"},
  };
  return cases;
}

class BadDataFile : public ::testing::TestWithParam<DataCase> {};

TEST_P(BadDataFile, IsNamedWithItsRecordAndStopsTheGameBeforeAnyCommand) {
  const DataCase& c = GetParam();
  GameFolder folder;
  c.spoil(folder, c.file);

  try {
    TestGame g(0, folder.dir().string());
    ADD_FAILURE() << "the game started";
  } catch (const DataError& e) {
    EXPECT_EQ(std::string(e.what()), c.message);
  }

  auto run = folder.play("state\nmenu new\nclick ivent\n");
  if (std::string(c.name) == "WeatherMissing") {
    // A folder without tenki.dat is not a game folder: the game plays from its own data.
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"dayNumber\":1"), std::string::npos);
    return;
  }
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, std::string("tenrali-play: ") + c.message + "\n");
}

INSTANTIATE_TEST_SUITE_P(Each, BadDataFile, ::testing::ValuesIn(dataCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// A picture file: a good small BMP, and what can go wrong with one.
std::string goodBmp() {
  Image img;
  img.width = 60;
  img.height = 40;
  img.pixels.assign(60 * 40, 0x336699);
  return encodeBmp24(img);
}

std::string withSize(std::string bmp, std::int32_t w, std::int32_t h) {
  for (int i = 0; i < 4; ++i) {
    bmp[18 + i] = static_cast<char>((w >> (8 * i)) & 0xFF);
    bmp[22 + i] = static_cast<char>((h >> (8 * i)) & 0xFF);
  }
  return bmp;
}

struct PictureCase {
  const char* name;
  Spoil spoil;
  const char* reason;
};

std::ostream& operator<<(std::ostream& out, const PictureCase& c) { return out << c.name; }

const std::vector<PictureCase>& pictureCases() {
  static const std::vector<PictureCase> cases = {
      {"Missing", missing, "No such file or directory"},
      {"Truncated", content([] { return goodBmp().substr(0, 54 + 60 * 3 * 20); }), "the BMP pixel data is cut short"},
      {"ZeroBytes", content([] { return std::string(); }), "not a BMP file (too short)"},
      {"ZeroWidth", content([] { return withSize(goodBmp(), 0, 40); }), "the BMP has no pixels (zero size)"},
      {"NotABmp", content([] { return std::string("\x89PNG\r\n\x1a\n") + std::string(100, '\0'); }), "not a BMP file"},
      {"AbsurdSize", content([] { return withSize(goodBmp(), 2000000000, 2000000000); }),
       "the BMP claims an absurd size"},
      {"LargeSizeFewBytes", content([] { return withSize(goodBmp(), 4096, 4096); }), "the BMP pixel data is cut short"},
      {"APipe", aPipe, "not a plain file"},
      {"Huge", [](GameFolder& folder, const std::string& file) { folder.huge(file, 200u << 20); }, "larger than 80 MB"},
      {"NegativeWidth", content([] { return withSize(goodBmp(), -60, 40); }), "the BMP has no pixels (zero size)"},
  };
  return cases;
}

class BadPicture : public ::testing::TestWithParam<PictureCase> {};

// The hero's everyday portrait goes bad: the item viewer's question keeps the vow's portrait.
TEST_P(BadPicture, IsReportedOnceAndTheElementKeepsItsPicture) {
  const PictureCase& c = GetParam();
  GameFolder folder;
  c.spoil(folder, "usam1.bmp");

  TestGame g(0, folder.dir().string());
  g.startDay1();
  ASSERT_EQ(g.picture(E::kaow), "usam4.bmp");
  const Rect before = g.sm().rect(E::kaow);
  g.click(E::menuk6);
  EXPECT_EQ(g.caption(E::mes2), "「どれを見る？」");  // the handler finished its steps
  EXPECT_EQ(g.picture(E::kaow), "usam4.bmp");
  EXPECT_EQ(g.sm().rect(E::kaow), before);
  ASSERT_EQ(g.warnings.size(), 1u);
  EXPECT_NE(g.warnings[0].find("\"usam1.bmp\""), std::string::npos) << g.warnings[0];
  EXPECT_NE(g.warnings[0].find(c.reason), std::string::npos) << g.warnings[0];

  auto run = folder.play("menu new\nclick ivent\nclick menuk6\nelement kaow\nscreenshot shot.bmp\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("\"picture\":\"usam4.bmp\""), std::string::npos) << run.out;
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  EXPECT_NE(run.err.find("\"usam1.bmp\""), std::string::npos) << run.err;
  EXPECT_TRUE(fs::file_size(folder.dir() / "shot.bmp") > 54);
}

INSTANTIATE_TEST_SUITE_P(Each, BadPicture, ::testing::ValuesIn(pictureCases()),
                         [](const auto& info) { return std::string(info.param.name); });

std::size_t lines(const std::string& text) { return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')); }

// However often a bad picture is loaded or drawn in a run, it is told once: in the window's game
// and in tenrali-play, also when it is one that the first screen shows.
TEST(BadPictureOverAWholeGame, IsToldOnceInTheGameAndInTenraliPlay) {
  GameFolder folder;
  folder.remove("usam1.bmp");
  auto run = folder.play(readFile(fs::path(TENRALI_TEST_SOURCE_DIR) / "tests" / "play" / "whole_game.play"));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(lines(run.err), 1u) << run.err;
  EXPECT_NE(run.err.find("\"usam1.bmp\""), std::string::npos) << run.err;

  TestGame g(0, folder.dir().string());
  g.startDay1();
  for (int i = 0; i < 3; ++i) {
    g.click(E::menuk6);
    g.click(E::bno);
  }
  EXPECT_EQ(g.warnings.size(), 1u);

  folder.remove("ivent.bmp");
  for (const char* script : {"state\n", "screenshot shot.png\nscreenshot shot.bmp\nstate\n"}) {
    run = folder.play(script);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "tenrali: cannot show the picture \"ivent.bmp\" of ivent: No such file or directory\n");
  }
}

// A picture larger than the place of its auto-sized element is cut to that place and told once,
// with its size: a large portrait never covers the message window's buttons.
TEST(OversizedPicture, IsToldOnceAndCutToItsPlace) {
  GameFolder folder;
  Image big;
  big.width = 600;
  big.height = 450;
  big.pixels.assign(600 * 450, 0xCC3366);
  folder.write("usam1.bmp", encodeBmp24(big));

  TestGame g(0, folder.dir().string());
  g.startDay1();
  g.click(E::menuk6);
  ASSERT_EQ(g.picture(E::kaow), "usam1.bmp");
  EXPECT_EQ(g.sm().rect(E::kaow), (Rect{3, 280, 100, 100}));
  EXPECT_EQ(g.click(E::bno), E::bno) << "the item viewer can be left";
  EXPECT_EQ(g.s().itemViewState, 2);
  g.click(E::menuk6);
  ASSERT_EQ(g.warnings.size(), 1u);
  EXPECT_EQ(g.warnings[0],
            "tenrali: the picture \"usam1.bmp\" is 600 × 450, larger than the 100 × 100 place of kaow: only its top "
            "left corner is shown");
}

// Scripts, replays, answers and screenshots: what cannot be read or written is told in one line
// and the run ends with a status that says so; nothing hangs, grows without end, or is lost quietly.
struct IoCase {
  const char* name;
  std::function<void(GameFolder&)> prepare;
  std::string command;  // PLAY and GAME stand for the two programs
  int status;
  std::string err;
  const char* out = "";  // what standard output must hold
};

std::ostream& operator<<(std::ostream& out, const IoCase& c) { return out << c.name; }

const std::vector<IoCase>& ioCases() {
  auto script = [](std::string text) {
    return [text](GameFolder& f) { f.write("case.play", text); };
  };
  const auto nothing = [](GameFolder&) {};
  static const std::vector<IoCase> cases = {
      {"AnswersToAFullDisk", script("state\n"), "PLAY case.play >/dev/full", 1,
       "tenrali-play: cannot write the answers: No space left on device\n"},
      {"AnswersToAClosedOutput", script("state\n"), "PLAY case.play >&-", 1,
       "tenrali-play: cannot write the answers: Bad file descriptor\n"},
      {"ScriptAFolder", nothing, "PLAY .", 2, "tenrali-play: cannot read the script \".\": a folder, not a file\n"},
      {"ScriptMissing", nothing, "PLAY nowhere.play", 2,
       "tenrali-play: cannot read the script \"nowhere.play\": No such file or directory\n"},
      {"ScriptEndless", nothing, "PLAY /dev/zero", 2,
       "tenrali-play: cannot read the script \"/dev/zero\": line 1 is longer than 4096 bytes\n"},
      {"ScriptLineTooLong", script("state\nclick " + std::string(10 << 20, 'x') + "\n"), "PLAY case.play", 2,
       "tenrali-play: cannot read the script \"case.play\": line 2 is longer than 4096 bytes\n", "\"dayNumber\":1"},
      {"LongWordCut", script("click " + std::string(4000, 'x') + "\n"), "PLAY case.play", 2,
       "tenrali-play: line 1: unknown element \"" + std::string(40, 'x') + "…\"\n"},
      {"EscapeSequenceShown", script("menu \x1b]0;owned\x07\n"), "PLAY case.play", 2,
       "tenrali-play: line 1: unknown menu entry \"\\x1B]0;owned\\x07\"\n"},
      {"ZeroByteShown", script(std::string("menu\0 new\n", 10)), "PLAY case.play", 2,
       "tenrali-play: line 1: unknown command \"menu\\x00\"\n"},
      {"ByteOrderMarkSkipped", script("\xEF\xBB\xBFstate\n\xEF\xBB\xBFstate\n"), "PLAY case.play", 2,
       "tenrali-play: line 2: unknown command \"\\xEF\\xBB\\xBFstate\"\n", "\"dayNumber\":1"},
      {"LoadPathShown", script("load \x1b]0;owned\x07\n"), "PLAY case.play", 2,
       "tenrali-play: line 1: load: \"\\x1B]0;owned\\x07\": no such file\n"},
      {"StandardInputClosed", nothing, "PLAY <&-", 2,
       "tenrali-play: cannot read the script from standard input: Bad file descriptor\n"},
      {"StandardInputClosedScriptGiven", script("state\n"), "PLAY case.play <&-", 0, "", "\"dayNumber\":1"},
      {"ScreenshotIntoAPipe", [](GameFolder& f) { f.write("case.play", "screenshot shot.png\n"), f.pipe("shot.png"); },
       "PLAY case.play", 2, "tenrali-play: line 1: cannot write \"shot.png\": not a plain file\n"},
      {"ScreenshotIntoAPipeBeingRead",
       [](GameFolder& f) { f.write("case.play", "screenshot shot.png\n"), f.pipe("shot.png"); },
       "(timeout 20 cat shot.png >/dev/null & sleep 0.2; PLAY case.play)", 2,
       "tenrali-play: line 1: cannot write \"shot.png\": not a plain file\n"},
      {"ScreenshotIntoAFolder",
       [](GameFolder& f) {
         f.write("case.play", "screenshot shot.bmp\n");
         fs::create_directory(f.dir() / "shot.bmp");
       },
       "PLAY case.play", 2, "tenrali-play: line 1: cannot write \"shot.bmp\": a folder, not a file\n"},
      {"ReplayEndless", nothing, "GAME --replay /dev/zero", 2,
       "tenrali: cannot read the replay \"/dev/zero\": not a plain file\n"},
      {"ReplayAFolder", nothing, "GAME --replay .", 2, "tenrali: cannot read the replay \".\": a folder, not a file\n"},
      {"ReplayAPipe", [](GameFolder& f) { f.pipe("case.play"); }, "GAME --replay case.play", 2,
       "tenrali: cannot read the replay \"case.play\": not a plain file\n"},
      {"ReplayLineTooLong", script("menu new\n" + std::string(5000, '#') + "\n"), "GAME --replay case.play", 2,
       "tenrali: cannot read the replay \"case.play\": line 2 is longer than 4096 bytes\n"},
      // (the usage that follows is the options' own business)
      {"UnknownArgumentShown", nothing, "GAME --\"$(printf '\\033[2J')\" 2>&1 >/dev/null | head -n 1", 0, "",
       "tenrali: unknown argument \"--\\x1B[2J\"\n"},
  };
  return cases;
}

class BadScriptOrOutput : public ::testing::TestWithParam<IoCase> {};

TEST_P(BadScriptOrOutput, IsToldInOneLineWithAStatus) {
  const IoCase& c = GetParam();
  GameFolder folder;
  c.prepare(folder);
  std::string command = c.command;
  auto put = [&command](const std::string& word, const std::string& program) {
    for (std::size_t at; (at = command.find(word)) != std::string::npos;) command.replace(at, word.size(), program);
  };
  // Never the display: the replay is read before the window is opened.
  put("PLAY", std::string("timeout 60 '") + TENRALI_TEST_PLAY_BINARY + "' --seed 0");
  put("GAME", std::string("timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER '") +
                  TENRALI_TEST_GAME_BINARY + "'");
  auto run = folder.run(command);
  EXPECT_EQ(run.status, c.status) << run.err;
  EXPECT_EQ(run.err, c.err);
  EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
}

INSTANTIATE_TEST_SUITE_P(Each, BadScriptOrOutput, ::testing::ValuesIn(ioCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tenrali::test
