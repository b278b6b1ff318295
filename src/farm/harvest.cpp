#include "app/form1.h"
namespace tenrali {
void TForm1::menuk7Click() {}
void TForm1::harvestPots() {}
void TForm1::harvestOnNo() {}
}  // namespace tenrali
