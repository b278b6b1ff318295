// The four buttons every dialogue shares. Each click is handed to one step of every dialogue,
// always in this order; a step acts only in its own dialogue's states, and since only one
// dialogue is open at a time, one click moves at most one of them.
#include "app/form1.h"
#include "farm/farm.h"
#include "heroine/heroine.h"
#include "home/item_viewer.h"
#include "shops/shops.h"
#include "workshop/workshop.h"

namespace tenrali {

void TForm1::bsen1Click() {
  workshop::onLeft(*this);
  shop::onLeft(*this);
  gift::onOk(*this);
  item_view::onLeft(*this);
}

void TForm1::bsen2Click() {
  workshop::onRight(*this);
  shop::onRight(*this);
  item_view::onRight(*this);
}

void TForm1::byesClick() {
  if (newGameQuestionOnYes()) return;  // before any game: the question before a new one
  planting::onYes(*this);
  workshop::onYes(*this);
  shop::onYes(*this);
  gift::onYes(*this);
  for (int kind = Normal; kind <= Rainbow; ++kind) workshop::seedMaker(*this, kind);
  item_view::onYes(*this);
  contest_entry::answer(*this, true);
}

void TForm1::bnoClick() {
  if (newGameQuestionOnNo()) return;
  planting::onNo(*this);
  harvest::onNo(*this);
  workshop::onNo(*this);
  shop::onNo(*this);
  gift::onNo(*this);
  item_view::onNo(*this);
  contest_entry::answer(*this, false);
}

}  // namespace tenrali
