#pragma once
// The workshop's own helpers, shared by its dialogue and its makers: where the dialogue stands
// and the screens it moves between.
#include "app/form1.h"

namespace tenrali::workshop {

// The dialogue stands in three fields: the accessory path, the seed path and the new-species
// path. Every step looks at all three together, so a value one path shares with another (the
// accessory path sits at 0 through the whole seed path, the seed path at 1 through the whole
// new-species path) never lets a step of one path act in the other.
inline bool at(const GameState& s, int accessory, int seed, int species) {
  return s.accessoryMakeState == accessory && s.seedMakeState == seed && s.speciesMakeState == species;
}
inline void moveTo(GameState& s, int accessory, int seed, int species) {
  s.accessoryMakeState = accessory;
  s.seedMakeState = seed;
  s.speciesMakeState = species;
}
// The workshop is closed: no step matches these.
inline constexpr int kAccessoryIdle = 8, kSeedIdle = 7, kSpeciesIdle = 6;

// Some fruit of any kind; two fruits of a kind that pairs into a new species (cloudy..sun-shower).
bool anyFruit(const GameState& s);
bool anyPair(const GameState& s);

// The fruit kind accessory i (0..23) is made from: hair ornaments and rings take normal, sunny,
// rain, snow, hail and rainbow fruits, bracelets and necklaces normal, cloudy, thunder,
// sun-shower, hail and rainbow fruits, variant by variant.
int accessoryFruit(int index);
// Whether accessory kind 0..3 has a variant made from this fruit.
bool kindTakesFruit(int kind, int fruit);

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
