#include "app/form1.h"
namespace tenrali {
void TForm1::openingScene(int) {}
}  // namespace tenrali
