#pragma once
// The game's counters (the day, the purse, the skill, the heart, every stock and the scene
// counter) stop at the largest number they can hold instead of running over into negative ones:
// a hand-edited saved game or years of a running scene may bring them there.
#include <algorithm>
#include <cstdint>
#include <limits>

namespace tenrali {

// The nearest value a counter can hold.
constexpr std::int32_t saturated(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                             std::numeric_limits<std::int32_t>::max()));
}

// Adds to a counter (or takes away, for a negative amount), stopping at either end.
constexpr void addSaturating(std::int32_t& counter, std::int32_t amount) {
  counter = saturated(static_cast<std::int64_t>(counter) + amount);
}

}  // namespace tenrali
