#include "app/form1.h"
namespace tenrali {
void TForm1::arrivalScene1(int) {}
void TForm1::arrivalScene2(int) {}
void TForm1::arrivalScene3(int) {}
void TForm1::winScene1(int) {}
void TForm1::winScene2(int) {}
void TForm1::endingScene(int) {}
}  // namespace tenrali
