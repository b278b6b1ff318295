#include "app/form1.h"
namespace tenrali {
void TForm1::menuk3Click() {}
void TForm1::shopOnLeft() {}
void TForm1::shopOnRight() {}
void TForm1::shopOnYes() {}
void TForm1::shopOnNo() {}
void TForm1::shopSellOffer(int) {}
void TForm1::seedShopChoice(int) {}
}  // namespace tenrali
