#pragma once
// The workshop's own helpers, shared by its dialogue and its makers: where the dialogue stands
// and the screens it moves between.
#include "app/form1.h"

namespace tenrali::workshop {

// Where the dialogue stands: at(state, step) and moveTo(state, step) over the named steps of
// state/workshop_steps.h.

// Two fruits of a kind that pairs into a new species (cloudy..sun-shower).
bool anyPair(const GameState& s);

// The screens of the workshop: each sets what is shown and says its line. They leave the three
// state fields alone, except Closed, which puts the workshop back to idle.
void screenTop(TForm1& f);
void screenSeedChoice(TForm1& f);
void screenFruitList(TForm1& f);
void screenKindChoice(TForm1& f);
void screenSeedFruitList(TForm1& f);
void screenPairList(TForm1& f);
void screenContinueOrStop(TForm1& f);
void screenOutOfMaterial(TForm1& f);
void screenClosed(TForm1& f);

}  // namespace tenrali::workshop
