#include "app/form1.h"
namespace tenrali {
void TForm1::seedMaker(int) {}
}  // namespace tenrali
