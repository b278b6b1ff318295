// Entering the heroine in the next contest: the offer, the fee question and the payment that
// sends her off to the arrival scene. A refused fee keeps the question open until "no".
#include "app/form1.h"
#include "heroine/contest_table.h"

namespace tenrali {

const ContestInfo* contestInfo(int stage) {
  static const ContestInfo contests[3] = {
      {"村娘ドキドキコンテスト", "申し込み受付中です。", "出場しますか？", "", "usam1.bmp", 50, "５０ポエかかります。",
       E::Timer2},
      {"ウェザーシティ", "グランプリコンテスト", "申し込み受付中です。", "出場しますか？", "", 100,
       "１００ポエかかります。", E::Timer5},
      {"ウェザーランド", "ファイナルグランプリ", "申し込み受付中です。", "出場しますか？", "", 200,
       "２００ポエかかります。", E::Timer6},
  };
  return stage >= 1 && stage <= 3 ? &contests[stage - 1] : nullptr;
}

namespace {
// contestEntryState
constexpr int kOffer = 0;
constexpr int kFeeQuestion = 1;
constexpr int kPaid = 2;
constexpr int kIdle = 3;
}  // namespace

void TForm1::menuk1Click() {
  const ContestInfo* contest = contestInfo(gs.contestStage);
  if (gs.contestEntryState != kIdle || !contest) return;
  hideMenuButtons();
  gs.contestEntryState = kOffer;
  showYesNo();
  // The offer reads like a poster; only the first contest brings the hero's face back.
  sayMessage(contest->offerPortrait, contest->offer[0], contest->offer[1], contest->offer[2], contest->offer[3]);
}

void TForm1::contestEntryBranch(bool yes) {
  const ContestInfo* contest = contestInfo(gs.contestStage);
  if (!contest) return;
  const int state = gs.contestEntryState;
  if (!yes) {
    if (state == kOffer || state == kFeeQuestion) {
      gs.contestEntryState = kIdle;
      hideYesNo();
      showMenuButtons();
      sayHomePrompt();
    }
    return;
  }
  if (state == kOffer) {
    gs.contestEntryState = kFeeQuestion;
    sayMessage("", "コンテスト出場には", contest->feeLine, "よろしいですか？", "");
  } else if (state == kFeeQuestion && gs.money >= contest->fee) {
    gs.contestEntryState = kPaid;
    gs.money -= contest->fee;
    sm.setNumber(E::kanek, gs.money);
    hideHomeScreen();
    hideYesNo();
    sm.show(E::ivent5);
    sayMessage("", "", "", "", "");
    // Off to the venue: the arrival scene starts from the beginning.
    gs.sceneTick = 0;
    sm.enableTimer(contest->arrivalTimer, true);
    report(GameEventKind::ContestEntered, gs.contestStage);
  } else if (state == kFeeQuestion) {
    sayMessage("usam2.bmp", "トルン", "「お金がたりないよ？」", "", "");
  }
}

}  // namespace tenrali
