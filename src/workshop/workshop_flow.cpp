#include "app/form1.h"
namespace tenrali {
void TForm1::menuk5Click() {}
void TForm1::workshopOnLeft() {}
void TForm1::workshopOnRight() {}
void TForm1::workshopOnYes() {}
void TForm1::workshopOnNo() {}
void TForm1::accessoryFruitChoice(int) {}
void TForm1::seedFruitChoice(int) {}
}  // namespace tenrali
