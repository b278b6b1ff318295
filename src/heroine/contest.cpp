#include "app/form1.h"
namespace tenrali {
void TForm1::menuk1Click() {}
void TForm1::contestEntryBranch(bool) {}
ContestPlacing TForm1::placingFor(int, int, int) const { return ContestPlacing::Unplaced; }
void TForm1::announceThird() {}
void TForm1::announceSecond() {}
void TForm1::announceWinner() {}
}  // namespace tenrali
