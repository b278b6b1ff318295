#pragma once
// The heroine's dialogues' steps: the gift dialogue and the contest entry take their share of the
// shared buttons' clicks.
#include "app/form1.h"

namespace tenrali {

namespace gift {
// A kind button, then an accessory button, while she is dressed up.
void kindStep(TForm1& f, int kind);
void choiceStep(TForm1& f, int index);
void onYes(TForm1& f);
// She wears accessory `index`, the one she was asked about.
void give(TForm1& f, int index);
void onNo(TForm1& f);
void onOk(TForm1& f);
}  // namespace gift

namespace contest_entry {
// Yes or no to the poster or to the fee.
void answer(TForm1& f, bool yes);
}  // namespace contest_entry

}  // namespace tenrali
