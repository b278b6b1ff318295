#pragma once
// The workshop's own helpers, shared by its dialogue and its makers: where the dialogue stands
// and the screens it moves between.
#include "app/form1.h"

namespace tenrali::workshop {

// Where the dialogue stands: at(state, step) and moveTo(state, step) over the named steps of
// state/workshop_steps.h.

// The steps of the dialogue: each takes its share of the shared buttons' clicks.
void onLeft(TForm1& f);   // bsen1: an accessory, seeds from one fruit, or OK after a making
void onRight(TForm1& f);  // bsen2: seeds, or a new species
void onYes(TForm1& f);
void onNo(TForm1& f);
// A weather-kind button while the fruit for an accessory, or for seeds or a pair, is chosen.
void fruitChoice(TForm1& f, int kind);
void seedFruitChoice(TForm1& f, int kind);
// A kind button while the accessory kind is chosen.
void kindStep(TForm1& f, int kind);
// The makers the yes of a question runs: seeds (then a new species) from fruit kind `kind`, and
// accessory `index`.
void seedMaker(TForm1& f, int kind);
void accessoryMaker(TForm1& f, int index);

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
