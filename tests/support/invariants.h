#pragma once
// What must hold after every click, menu command and tick of any game, however it is played:
// the rules of the game state, what the home screen shows, and a ledger that accounts for every
// seed, fruit, accessory and ポエ that comes or goes between two steps.
#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "app/form1.h"
#include "sound/sound_cues.h"

namespace tenrali::test {

// The faults found in the window's present state; empty when everything holds.
std::vector<std::string> checkInvariants(const TForm1& f);

// The faults in what plays against what is on screen: the opening has the title's music, a
// contest its own, the shops and the workshop theirs, the home screen the piece of the day's
// weather. `playing` is what a SoundDirector that heard every event of the game chose.
std::vector<std::string> checkMusic(const TForm1& f, Music playing);

// The numbers the ledger compares from one step to the next.
struct Ledger {
  std::array<std::int32_t, 9> seeds{}, fruits{};
  std::array<std::int32_t, 24> accessories{};
  std::array<std::int32_t, 4> slots{};
  std::array<std::int32_t, 4> potSeed{}, potGrowth{};  // index 1..3
  std::int32_t money = 0, skill = 0, day = 0, heart = 0, sceneTick = 0;
  std::int32_t plantState = 0, chosenPot = 0, chosenSeed = 0, harvestState = 0;
  std::int32_t accessoryMakeState = 0, seedMakeState = 0, speciesMakeState = 0, chosenFruit = 0, seedFruit = 0,
               speciesFruit = 0;
  std::int32_t shopState = 0, seedShopState = 0, sellIndex = 0, buySeedIndex = 0;
  std::int32_t giftState = 0, giftChoice = 0, contestEntryState = 0;
  static Ledger of(const GameState& s);
};

// The faults in going from `before` to `after` in one step: something that came from nowhere
// or went nowhere.
std::vector<std::string> checkLedger(const Ledger& before, const Ledger& after);

// The counters that ran over in one step: a stock, the purse, the skill, the day or the scene
// counter that jumped from one end of the 32-bit range to the other, or a heart that is not the
// sum of the slots. This holds whatever the fields were set to, at the ends of the range too.
std::vector<std::string> countersRunOver(const Ledger& before, const Ledger& after);

// Which dialogue and scene states a game has been in, by name ("workshop(1,0,0)", "scene Timer3@2").
class Coverage {
 public:
  void record(const TForm1& f);
  const std::set<std::string>& seen() const { return seen_; }
  // Every state the game's dialogues and scenes can be in.
  static const std::vector<std::string>& all();
  std::vector<std::string> missing() const;
  // The states not reached of every dialogue that was opened and every contest that was entered:
  // a dialogue that opens at all must reach each of its states.
  std::vector<std::string> missingInOpened() const;

 private:
  std::set<std::string> seen_;
};

}  // namespace tenrali::test
