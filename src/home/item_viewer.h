#pragma once
// The item viewer's steps: the shared buttons choose accessories (bsen1), seeds (bsen2) or fruits
// (yes), and no closes it.
#include "app/form1.h"

namespace tenrali::item_view {

void onLeft(TForm1& f);
void onRight(TForm1& f);
void onYes(TForm1& f);
void onNo(TForm1& f);

}  // namespace tenrali::item_view
