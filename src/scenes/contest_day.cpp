#include "app/form1.h"
namespace tenrali {
void TForm1::contestDayScene(int) {}
}  // namespace tenrali
