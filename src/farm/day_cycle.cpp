#include "app/form1.h"
namespace tenrali {
void TForm1::menuk9Click() { advanceDay(); }
void TForm1::advanceDay() {}
void TForm1::growPot(int) {}
}  // namespace tenrali
