#pragma once
// The workshop behind "工房": three fields carry the dialogue, one per path (accessoryMakeState,
// seedMakeState, speciesMakeState). A step is the three values together: every step is tested on
// all three at once, so a value one path shares with another (the accessory path sits at 0
// through the whole seed path, the seed path at 1 through the whole new-species path) never lets
// a step of one path act in another.
#include <cstdint>

namespace tenrali::workshop {

struct Step {
  std::int32_t accessory, seed, species;
};

// Make an accessory, or make seeds?
inline constexpr Step Top{0, 0, 0};
// An accessory: the fruit, its question, the kind, its question, made (OK), go on or stop, out
// of fruit.
inline constexpr Step FruitList{1, 0, 0};
inline constexpr Step FruitQuestion{2, 0, 0};
inline constexpr Step KindChoice{3, 0, 0};
inline constexpr Step KindQuestion{4, 0, 0};
inline constexpr Step AccessoryMade{5, 0, 0};
inline constexpr Step AccessoryMoreOrStop{6, 0, 0};
inline constexpr Step AccessoryOutOfFruit{7, 0, 0};
// Seeds: from one fruit or a new species from two? Then seeds from one fruit: the fruit, its
// question, made (OK), go on or stop, out of fruit.
inline constexpr Step SeedChoice{0, 1, 0};
inline constexpr Step SeedFruitList{0, 2, 0};
inline constexpr Step SeedFruitQuestion{0, 3, 0};
inline constexpr Step SeedsMade{0, 4, 0};
inline constexpr Step SeedsMoreOrStop{0, 5, 0};
inline constexpr Step SeedsOutOfFruit{0, 6, 0};
// A new species: the pair, its question, made (OK), go on or stop, out of pairs.
inline constexpr Step PairList{0, 1, 1};
inline constexpr Step PairQuestion{0, 1, 2};
inline constexpr Step SpeciesMade{0, 1, 3};
inline constexpr Step SpeciesMoreOrStop{0, 1, 4};
inline constexpr Step SpeciesOutOfPairs{0, 1, 5};
// The workshop is closed: no step of the dialogue matches this one.
inline constexpr Step Closed{8, 7, 6};

}  // namespace tenrali::workshop
