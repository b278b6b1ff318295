#include "app/form1.h"
namespace tenrali {
void TForm1::accessoryMaker(int) {}
void TForm1::kindButtonClick(int kind) {
  craftingKindStep(kind);
  giftKindStep(kind);
}
void TForm1::craftingKindStep(int) {}
void TForm1::variantButtonClick(int index) {
  shopSellOffer(index);
  giftChoiceStep(index);
}
void TForm1::bakClick() { kindButtonClick(HairOrnament); }
void TForm1::babClick() { kindButtonClick(Bracelet); }
void TForm1::banClick() { kindButtonClick(Necklace); }
void TForm1::bayClick() { kindButtonClick(Ring); }
}  // namespace tenrali
