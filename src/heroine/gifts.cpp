#include "app/form1.h"
namespace tenrali {
void TForm1::menuk2Click() {}
void TForm1::giftKindStep(int) {}
void TForm1::giftChoiceStep(int) {}
void TForm1::giftOnYes() {}
void TForm1::giveAccessory(int) {}
void TForm1::giftNoBranch() {}
void TForm1::giftOkBranch() {}
}  // namespace tenrali
