// The four buttons every dialogue shares. Each click is handed to one step of every dialogue,
// always in this order; a step acts only in its own dialogue's states, and since only one
// dialogue is open at a time, one click moves at most one of them.
#include "app/form1.h"

namespace tenrali {

void TForm1::bsen1Click() {
  workshopOnLeft();
  shopOnLeft();
  giftOkBranch();
  itemViewOnLeft();
}

void TForm1::bsen2Click() {
  workshopOnRight();
  shopOnRight();
  itemViewOnRight();
}

void TForm1::byesClick() {
  if (newGameQuestionOnYes()) return;  // before any game: the question before a new one
  plantingOnYes();
  workshopOnYes();
  shopOnYes();
  giftOnYes();
  for (int kind = Normal; kind <= Rainbow; ++kind) seedMaker(kind);
  itemViewOnYes();
  contestEntryBranch(true);
}

void TForm1::bnoClick() {
  if (newGameQuestionOnNo()) return;
  plantingOnNo();
  harvestOnNo();
  workshopOnNo();
  shopOnNo();
  giftNoBranch();
  itemViewOnNo();
  contestEntryBranch(false);
}

}  // namespace tenrali
