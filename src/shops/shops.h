#pragma once
// The shops' steps: each takes its share of the shared buttons' clicks and acts only while the
// shops are open.
#include "app/form1.h"

namespace tenrali::shop {

void onLeft(TForm1& f);   // bsen1: start selling, or OK after a sale or a purchase
void onRight(TForm1& f);  // bsen2: into the seed shop
void onYes(TForm1& f);
void onNo(TForm1& f);
// An accessory button at the counter: the keeper's offer.
void sellOffer(TForm1& f, int index);
// A weather-kind button at the seed shop's price list.
void seedChoice(TForm1& f, int kind);
// The seed shop's price list on the weather-kind buttons.
void showPriceList(TForm1& f);
void hidePriceList(TForm1& f);

}  // namespace tenrali::shop
