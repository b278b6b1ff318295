// "コメント": a word with ララベ, picked at random from what suits the hero's skill. When he has
// nothing left to go on with, no seed, fruit or accessory and not even the price of the cheapest
// seed, she helps him out with 20 ポエ.
#include "app/form1.h"
#include "heroine/talk_lines.h"
#include "state/saturating.h"
#include "state/stock.h"
#include "shops/seed_offers.h"

namespace tenrali {

namespace {

// Plants in the pots do not count: he can still be broke with a garden full of sprouts. A purse
// that cannot buy a single seed is as empty as none: every price is a multiple of 5, so 5 ポエ
// with nothing in stock would otherwise be a game that can never go on.
bool heroIsBroke(const GameState& s) {
  return s.money < cheapestSeedPrice() && !anyInStock(s.accessoryCount) && !anyInStock(s.seedCount) &&
         !anyInStock(s.fruitCount);
}

}  // namespace

void TForm1::menuk8Click() { talkToHeroine(); }

void TForm1::talkToHeroine() {
  const int set = talkSetFor(gs.skill);
  // One draw per talk, also when she has nothing left to say.
  const int r = randomInt() % kTalkLinesPerSet;
  if (set >= 0) {
    const TalkLine& line = talkLine(set, r);
    sayMessage(line.portrait, "ララベ", line.line1, line.line2, line.line3);
  }
  if (heroIsBroke(gs)) {
    sayMessage("usaw2.bmp", "ララベ", "「トルンくん　少ないけど", "よかったら　これ使って」", "");
    addSaturating(gs.money, 20);
    sm.setNumber(E::kanek, gs.money);
    report(GameEventKind::HelpReceived);
  }
}

}  // namespace tenrali
