#pragma once
// The two shops behind "お店": the accessory shop (shopState) and the seed shop (seedShopState).
// While one is visited the other stays at Choice; both are Closed while the shops are.
#include <cstdint>

namespace tenrali::shop {
// At the sell-or-buy choice, at the counter, asked about an offer, a deal done (OK to go on),
// asked whether to go on, or closed.
enum : std::int32_t { Choice = 0, Counter = 1, Offer = 2, Done = 3, MoreOrStop = 4, Closed = 5 };
}  // namespace tenrali::shop
