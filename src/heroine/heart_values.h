#pragma once
// How much each accessory moves her heart, by accessory index: by the fruit it is made of. Within
// one kind every variant has its own value, so a slot's value tells what she wears there.
#include "state/game_state.h"

namespace tenrali {

inline constexpr int kHeartValue[kAccessories] = {
    2, 4, 8,  14, 18, 20,  // hair ornaments
    2, 6, 12, 16, 18, 20,  // bracelets
    2, 6, 12, 16, 18, 20,  // necklaces
    2, 4, 8,  14, 18, 20,  // rings
};

// The accessory worn in the slot of `kind` (0..3) whose value is `value`; kNoAccessory when the
// slot is empty (0) or no accessory of that kind has that value.
constexpr int accessoryWornAt(int kind, int value) {
  for (int v = 0; v < 6 && kind >= 0 && kind < kAccessoryKinds; ++v)
    if (kHeartValue[kind * 6 + v] == value) return kind * 6 + v;
  return kNoAccessory;
}

}  // namespace tenrali
