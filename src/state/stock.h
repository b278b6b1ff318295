#pragma once
// What the hero has in stock: the questions every dialogue asks of the seed, fruit and accessory
// counts.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "state/accessories.h"
#include "state/game_state.h"

namespace tenrali {

// Whether any kind of these counts has something in stock.
template <std::size_t N>
bool anyInStock(const std::array<std::int32_t, N>& counts) {
  return std::any_of(counts.begin(), counts.end(), [](std::int32_t c) { return c > 0; });
}

// Whether accessory `index` is one in stock (no accessory never is).
inline bool accessoryInStock(const GameState& s, int index) {
  return isAccessory(index) && s.accessoryCount[static_cast<std::size_t>(index)] > 0;
}

// Whether any accessory of kind 0..3 is in stock.
inline bool anyOfKindInStock(const GameState& s, int kind) {
  for (int v = 0; v < kVariants; ++v)
    if (accessoryInStock(s, kind * kVariants + v)) return true;
  return false;
}

}  // namespace tenrali
