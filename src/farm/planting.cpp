#include "app/form1.h"
namespace tenrali {
void TForm1::menuk4Click() {}
void TForm1::ueki1Click() { potClick(1); }
void TForm1::ueki2Click() { potClick(2); }
void TForm1::ueki3Click() { potClick(3); }
void TForm1::potClick(int) {}
void TForm1::plantSeedChoice(int) {}
void TForm1::plantingOnYes() {}
void TForm1::plantingOnNo() {}
void TForm1::commitPlanting() {}
}  // namespace tenrali
