// The accessory-kind buttons and the 24 accessory buttons serve the workshop, the accessory shop
// and the gift dialogue.
#include "app/form1.h"
#include "heroine/heroine.h"
#include "shops/shops.h"
#include "workshop/workshop.h"

namespace tenrali {

// A kind button: the workshop's step, then the gift dialogue's.
void TForm1::kindButtonClick(int kind) {
  workshop::kindStep(*this, kind);
  gift::kindStep(*this, kind);
}

// An accessory button: the shop's offer, then the gift dialogue's choice.
void TForm1::variantButtonClick(int index) {
  shop::sellOffer(*this, index);
  gift::choiceStep(*this, index);
}

void TForm1::bakClick() { kindButtonClick(HairOrnament); }
void TForm1::babClick() { kindButtonClick(Bracelet); }
void TForm1::banClick() { kindButtonClick(Necklace); }
void TForm1::bayClick() { kindButtonClick(Ring); }

}  // namespace tenrali
