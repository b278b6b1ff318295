#pragma once
// The gift dialogue behind "ドレスアップ" (giftState).
#include <cstdint>

namespace tenrali::gift {
// Choosing a kind, choosing one of its accessories, asked about the choice (giftChoice holds it),
// given (OK to go on), or closed.
enum : std::int32_t { KindChoice = 0, AccessoryChoice = 1, Asked = 2, Given = 3, Closed = 4 };
}  // namespace tenrali::gift
