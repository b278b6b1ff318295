#pragma once
// What the seed shop sells: the seed kind (also its weather-kind button) and its price. No
// thunder, sun-shower, hail or rainbow seeds are sold.
#include "state/game_state.h"

namespace tenrali {

struct SeedOffer {
  int kind;
  int price;  // ポエ
};

// kSeedOffers (state/game_state.h) is also the "no row chosen" value of buySeedIndex.
inline constexpr SeedOffer kSeedOffer[kSeedOffers] = {
    {Normal, 10}, {Sunny, 20}, {Cloudy, 45}, {Rain, 60}, {Snow, 110},
};

// The least a purse must hold to buy anything at the seed shop.
constexpr int cheapestSeedPrice() {
  int least = kSeedOffer[0].price;
  for (const SeedOffer& o : kSeedOffer) least = o.price < least ? o.price : least;
  return least;
}

}  // namespace tenrali
