// Saved games: an old save still loads, a bad one is refused with what is wrong, and the keeper
// of the save folder asks before a new game replaces one, keeps a backup, sets bad files aside,
// plays on when it cannot write and marks a won game.
#include <gtest/gtest.h>

#include <filesystem>

#include "contest_play.h"
#include "platform/save_keeper.h"
#include "save/saved_game.h"
#include "storage/files.h"
#include "support/saved_games.h"
#include "support/temp_folder.h"

namespace tenrali::test {
namespace {

namespace fs = std::filesystem;

std::string version1() { return slurp(std::string(TENRALI_TEST_SOURCE_DIR) + "/tests/saves/version-1.txt"); }

// The text with one line (found by its start) replaced, or removed when `with` is empty.
std::string edited(std::string text, const std::string& lineStart, const std::string& with) {
  text = "\n" + text;
  const auto at = text.find("\n" + lineStart);
  if (at == std::string::npos) throw std::logic_error("no line " + lineStart);
  const auto end = text.find('\n', at + 1);
  text.replace(at + 1, end - at, with.empty() ? "" : with + "\n");
  return text.substr(1);
}

// A save written by the first version of the format: day 87, a withered pot beside two thunder
// sprouts, two contests won, four accessories worn.
TEST(SavedGame, AVersion1SaveLoadsAsItWasLeft) {
  TestGame g;
  continueSavedGame(g.form(), readSavedGame(version1()));
  EXPECT_TRUE(g.form().homeScreenWaits());
  EXPECT_EQ(g.caption(E::day), "87");
  EXPECT_EQ(g.caption(E::kanek), "280");
  EXPECT_EQ(g.caption(E::dokik), "60");
  EXPECT_EQ(g.caption(E::tenp), g.s().weatherTable[4].name);
  EXPECT_EQ(g.caption(E::namep1), "枯れ");
  EXPECT_EQ(g.picture(E::ueki1), "ueki.bmp");
  EXPECT_EQ(g.caption(E::namep2), g.s().seedTable[12].name);
  EXPECT_EQ(g.picture(E::ueki3), g.s().seedTable[12].picture);  // a thunder sprout
  EXPECT_TRUE(g.shown(E::Label1) && g.shown(E::Label2) && !g.shown(E::Label3));
  EXPECT_EQ(g.sm().get(E::Label2).font.color, colors::yellow);
  EXPECT_EQ(g.caption(E::ld4), g.s().accessoryTable[21].name);  // the ring worth 14
  EXPECT_EQ(g.message(), "usam4.bmp|トルン|「今日も一日|がんばるぞ！」|");
  EXPECT_EQ(g.sm().get(E::mes2).font.color, colors::white);
  EXPECT_EQ(g.form().random().state(), 8026002452160103074ULL);
  EXPECT_FALSE(g.sm().get(E::K2).enabled || g.sm().get(E::K3).enabled);
  EXPECT_EQ(savedGameText(takeSavedGame(g.form())), version1()) << "the game saves again as it was read";
}

TEST(SavedGame, ABadSaveIsRefusedSayingWhatIsWrong) {
  const std::string good = version1();
  const std::string zeros = " 0 0 0 0 0 0 0 0";
  const struct {
    std::string text;
    const char* says;
  } bad[] = {
      {"", "empty"},
      {good.substr(0, good.size() / 2), "(the file is cut short)"},
      {good.substr(0, good.find("\nrandom") + 1), "\"random\" is missing (the file may be cut short)"},
      {std::string("\x89PNG\r\n\x1a\n\0\0\0", 11), "not a text file"},
      {"tenrali-settings 1\nmusic 1\n", "not a saved game of Tenrali"},
      {edited(good, "tenrali-save", "tenrali-save 2"), "written by a newer game (format 2"},
      {edited(good, "money", ""), "\"money\" is missing"},
      {edited(good, "money", "money -5"), "line 9: \"money\" is -5, outside 0..2147483647"},
      {edited(good, "money", "money 28O"), "\"money\" holds \"28O\", not a whole number"},
      {edited(good, "seedCount", "seedCount -1" + zeros), "\"seedCount\" is -1"},
      {edited(good, "seedCount", "seedCount 1 2"), "\"seedCount\" needs 9 numbers"},
      {edited(good, "contestStage", "contestStage 4"), "\"contestStage\" is 4, outside 1..3"},
      {edited(good, "heart", "heart 61"), "the four slot values add up to 60"},
      {edited(edited(good, "hairSlotValue", "hairSlotValue 6"), "heart", "heart 52"),
       "\"hairSlotValue\" is 6, the value of no accessory of its kind"},
      {edited(good, "pot1Growth", "pot1Growth 2"), "\"pot1Growth\" is 2 in an empty pot"},
      {edited(good, "withered", "withered 0 1 0"), "pot 2 is withered but holds seed 4"},
      {edited(good, "shopState", "shopState 2"), "\"shopState\" is 2, outside 5..5"},
      {edited(good, "sceneTick", "sceneTick 40"), "\"sceneTick\" is 40"},
      {edited(good, "todayWeather", "todayWeather 8"), "\"todayWeather\" is 8, outside 0..7"},
      {edited(good, "portrait", "portrait \"../tenki.dat\""), "not the name of a picture"},
      {edited(good, "mes2", "mes2 \"unclosed"), "needs a text in double quotes"},
      {edited(good, "stars", "stars yellow - -"), "neither - nor #RRGGBB"},
      {good + "money 280\n", "\"money\" comes twice"},
      {good + "cheat 1\n", "\"cheat\" is not a line of a saved game"},
  };
  for (const auto& b : bad) {
    try {
      readSavedGame(b.text);
      ADD_FAILURE() << "read without a fault, expected: " << b.says;
    } catch (const SaveError& e) {
      EXPECT_NE(std::string(e.what()).find(b.says), std::string::npos) << e.what() << "\n expected: " << b.says;
    }
  }
}

// A keeper of a save folder with what it told, and the game it keeps.
struct Kept {
  explicit Kept(const std::string& folder)
      : keeper(g.form(), folder, [this](const std::string& line) { told.push_back(line); }) {
    keeper.start();
  }
  void step(E clickOn) {
    g.click(clickOn);
    keeper.afterStep();
  }
  TestGame g;
  std::vector<std::string> told;
  SaveKeeper keeper;
};

TEST(SaveKeeper, ABadSaveIsToldAndSetAsideAndANewGameStartsWithoutAQuestion) {
  TempFolder t;
  const std::string bad = edited(version1(), "heart", "heart 61");
  writeFileAtomically(t / SaveKeeper::kFileName, bad);
  Kept k(t.path.string());
  ASSERT_EQ(k.told.size(), 1u);
  const std::string aside = t / "saved-game.txt.bad-1";
  EXPECT_NE(k.told[0].find("\"" + k.keeper.savePath() + "\" cannot be read (line 7: \"heart\" is 61"),
            std::string::npos)
      << k.told[0];
  EXPECT_NE(k.told[0].find("moved to \"" + aside + "\""), std::string::npos) << k.told[0];
  EXPECT_EQ(slurp(aside), bad);
  EXPECT_FALSE(fs::exists(k.keeper.savePath()));
  EXPECT_FALSE(k.g.sm().get(E::K3).enabled);
  k.g.menuNew();
  EXPECT_TRUE(k.g.sm().get(E::Timer1).enabled) << "no saved game: no question";
}

TEST(SaveKeeper, ANewGameAsksFirstAndTheGameItReplacesStaysAsTheBackup) {
  TempFolder t;
  writeFileAtomically(t / SaveKeeper::kFileName, version1());
  Kept k(t.path.string());
  EXPECT_TRUE(k.told.empty());
  EXPECT_TRUE(k.g.sm().get(E::K3).enabled);

  const std::string title = gameDigest(k.g.form());
  k.g.menuNew();
  EXPECT_TRUE(k.g.shown(E::byes) && k.g.shown(E::bno));
  EXPECT_EQ(k.g.message(), "usam1.bmp|トルン|「続きから　遊べるけど|最初から始める？」|");
  k.g.click(E::ivent);  // the title picture: nothing
  k.step(E::bno);
  EXPECT_EQ(gameDigest(k.g.form()), title) << "\"no\" leaves the title exactly as it was";
  EXPECT_EQ(slurp(k.keeper.savePath()), version1());

  k.g.menuNew();
  k.step(E::byes);
  EXPECT_TRUE(k.g.sm().get(E::Timer1).enabled);
  EXPECT_FALSE(k.g.sm().get(E::K2).enabled || k.g.sm().get(E::K3).enabled);
  k.g.tick(5);
  k.keeper.afterStep();
  EXPECT_EQ(slurp(k.keeper.savePath()), version1()) << "nothing is saved before the first home screen";
  k.step(E::ivent);
  EXPECT_EQ(slurp(k.keeper.backupPath()), version1());
  EXPECT_NE(slurp(k.keeper.savePath()).find("\ndayNumber 1\n"), std::string::npos);
  k.step(E::menuk9);
  EXPECT_NE(slurp(k.keeper.savePath()).find("\ndayNumber 2\n"), std::string::npos);
  EXPECT_EQ(slurp(k.keeper.backupPath()), version1()) << "one backup: the game the new one replaced";
  EXPECT_TRUE(k.told.empty());
}

TEST(SaveKeeper, ContinueFromTheMenuPutsTheSavedHomeScreenBack) {
  TempFolder t;
  writeFileAtomically(t / SaveKeeper::kFileName, version1());
  Kept k(t.path.string());
  k.g.menuNew();  // the question, then "続きから" after all
  k.g.form().menuCommand(E::K3);
  TestGame direct;
  continueSavedGame(direct.form(), readSavedGame(version1()));
  EXPECT_EQ(gameDigest(k.g.form()), gameDigest(direct.form()));
  k.keeper.afterStep();
  EXPECT_FALSE(fs::exists(k.keeper.backupPath())) << "a continued game is the same game: no backup";
  k.step(E::menuk9);
  EXPECT_NE(slurp(k.keeper.savePath()).find("\ndayNumber 88\n"), std::string::npos);
}

TEST(SaveKeeper, AFolderThatCannotBeWrittenIsToldOnceAndTheGamePlaysOn) {
  TempFolder t;
  writeFileAtomically(t / "file", "a file where the folder should be");
  Kept k(t / "file/tenrali");
  k.g.startDay1();
  k.keeper.afterStep();
  k.step(E::menuk9);
  k.step(E::menuk9);
  EXPECT_EQ(k.g.s().dayNumber, 3);
  ASSERT_EQ(k.told.size(), 1u);
  EXPECT_NE(k.told[0].find("the game cannot be saved: \"" + t / "file/tenrali" + "\": cannot create the folder"),
            std::string::npos)
      << k.told[0];

  // A folder whose writes fail (a full disk): the last good save stays as it was.
  Kept good(t.path.string());
  good.g.startDay1();
  good.keeper.afterStep();
  const std::string day1 = slurp(good.keeper.savePath());
  WriteSteps& steps = writeSteps();
  const WriteSteps real = steps;
  steps.write = [](int, const void*, unsigned long) -> long {
    errno = ENOSPC;
    return -1;
  };
  good.step(E::menuk9);
  good.step(E::menuk9);
  steps = real;
  EXPECT_EQ(slurp(good.keeper.savePath()), day1);
  ASSERT_EQ(good.told.size(), 1u);
  EXPECT_NE(good.told[0].find("No space left on device"), std::string::npos) << good.told[0];
  good.step(E::menuk9);
  EXPECT_NE(slurp(good.keeper.savePath()).find("\ndayNumber 4\n"), std::string::npos) << "saving again once it can";
}

// Once the last contest is won the save keeps the game's last morning, marked won: "続きから"
// no longer offers it, and a new game starts without a question.
TEST(SaveKeeper, AWonGameIsKeptMarkedWonAndNotOfferedAgain) {
  TempFolder t;
  {
    Kept k(t.path.string());
    k.g.startDay1();
    k.g.s().contestStage = 3;
    k.g.s().hairSlotValue = 20;
    k.g.s().braceletSlotValue = 20;
    k.g.s().necklaceSlotValue = 20;
    k.g.s().ringSlotValue = 20;
    k.g.s().heart = 80;
    k.g.s().skill = 600;
    k.g.s().money = 200;
    k.keeper.afterStep();
    const std::string morning = slurp(k.keeper.savePath());
    playContestDay(k.g, 3, 80, 600, 400);
    k.keeper.afterStep();
    ASSERT_TRUE(k.g.form().gameWon());
    EXPECT_EQ(slurp(k.keeper.savePath()), edited(morning, "won", "won 1"));
  }
  Kept again(t.path.string());
  EXPECT_EQ(again.g.form().saveStatus(), TForm1::SaveStatus::Won);
  EXPECT_FALSE(again.g.sm().get(E::K3).enabled);
  again.g.menuNew();
  EXPECT_TRUE(again.g.sm().get(E::Timer1).enabled) << "a won game is not lost by a new one: no question";
  EXPECT_THROW(continueSavedGame(again.g.form(), readSavedGameFile(again.keeper.savePath())), SaveError);
}

}  // namespace
}  // namespace tenrali::test
