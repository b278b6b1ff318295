#include "app/form1.h"
namespace tenrali {
void TForm1::menuk8Click() { talkToHeroine(); }
void TForm1::talkToHeroine() {}
}  // namespace tenrali
