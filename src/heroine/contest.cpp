// Entering the heroine in the next contest: the offer, the fee question and the payment that
// sends her off to the arrival scene. A refused fee keeps the question open until "no".
#include "data/full_width.h"
#include "heroine/contest_table.h"
#include "heroine/heroine.h"
#include "state/saturating.h"

namespace tenrali {

const ContestInfo* contestInfo(int stage) {
  static const ContestInfo contests[3] = {
      {"村娘ドキドキコンテスト", "申し込み受付中です。", "出場しますか？", "", "usam1.bmp", 50, E::Timer2},
      {"ウェザーシティ", "グランプリコンテスト", "申し込み受付中です。", "出場しますか？", "", 100, E::Timer5},
      {"ウェザーランド", "ファイナルグランプリ", "申し込み受付中です。", "出場しますか？", "", 200, E::Timer6},
  };
  return contest_stage::isContest(stage) ? &contests[stage - contest_stage::First] : nullptr;
}

void TForm1::menuk1Click() {
  const ContestInfo* contest = contestInfo(gs.contestStage);
  if (gs.contestEntryState != contest_entry::Idle || !contest) return;
  hideMenuButtons();
  gs.contestEntryState = contest_entry::Offer;
  showYesNo();
  // The offer reads like a poster; only the first contest brings the hero's face back.
  sayMessage(contest->offerPortrait, contest->offer[0], contest->offer[1], contest->offer[2], contest->offer[3]);
}

namespace contest_entry {

void answer(TForm1& f, bool yes) {
  GameState& gs = f.state();
  ScreenModel& sm = f.screen();
  const ContestInfo* contest = contestInfo(gs.contestStage);
  if (!contest) return;
  const int state = gs.contestEntryState;
  if (!yes) {
    if (state == contest_entry::Offer || state == contest_entry::FeeQuestion) {
      gs.contestEntryState = contest_entry::Idle;
      f.hideYesNo();
      f.showMenuButtons();
      f.sayHomePrompt();
    }
    return;
  }
  if (state == contest_entry::Offer) {
    gs.contestEntryState = contest_entry::FeeQuestion;
    f.sayMessage("", "コンテスト出場には", fullWidth(contest->fee) + "ポエかかります。", "よろしいですか？", "");
  } else if (state == contest_entry::FeeQuestion && gs.money >= contest->fee) {
    gs.contestEntryState = contest_entry::Paid;
    addSaturating(gs.money, -contest->fee);
    sm.setNumber(E::kanek, gs.money);
    f.hideHomeScreen();
    f.hideYesNo();
    sm.show(E::ivent5);
    f.sayMessage("", "", "", "", "");
    // Off to the venue: the arrival scene starts from the beginning.
    gs.sceneTick = 0;
    sm.enableTimer(contest->arrivalTimer, true);
    f.report(GameEventKind::ContestEntered, gs.contestStage);
  } else if (state == contest_entry::FeeQuestion) {
    f.sayMessage("usam2.bmp", "トルン", "「お金がたりないよ？」", "", "");
  }
}

}  // namespace contest_entry

}  // namespace tenrali
