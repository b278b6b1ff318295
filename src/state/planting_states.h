#pragma once
// Planting behind "種まき" (plantState, with chosenSeed and chosenPot).
#include <cstdint>

namespace tenrali::planting {
// Choosing the seed, asked about the seed and then choosing the pot, asked about the pot, or closed.
enum : std::int32_t { SeedChoice = 0, PotChoice = 1, PotQuestion = 2, Closed = 5 };
// chosenPot between plantings: none chosen since the last back-out, and the value the last
// finished planting leaves.
inline constexpr std::int32_t kNoPot = 0, kPlanted = 5;
}  // namespace tenrali::planting
