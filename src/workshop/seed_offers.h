#pragma once
// What the seed shop sells: the seed kind (also its weather-kind button), the price and the
// keeper's question. No thunder, sun-shower, hail or rainbow seeds are sold.
#include "state/game_state.h"

namespace tenrali {

struct SeedOffer {
  int kind;
  int price;
  const char* question;
};

inline constexpr int kSeedOffers = 5;  // also the "no row chosen" value of buySeedIndex
inline constexpr SeedOffer kSeedOffer[kSeedOffers] = {
    {Normal, 10, "「１０ポエだけどいい？」"}, {Sunny, 20, "「２０ポエだけどいい？」"},
    {Cloudy, 45, "「４５ポエだけどいい？」"}, {Rain, 60, "「６０ポエだけどいい？」"},
    {Snow, 110, "「１１０ポエだけどいい？」"},
};

// The least a purse must hold to buy anything at the seed shop.
constexpr int cheapestSeedPrice() {
  int least = kSeedOffer[0].price;
  for (const SeedOffer& o : kSeedOffer) least = o.price < least ? o.price : least;
  return least;
}

}  // namespace tenrali
