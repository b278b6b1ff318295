#pragma once
// The item viewer behind "アイテム" (itemViewState).
#include <cstdint>

namespace tenrali::item_view {
// Asking which stock to look at, looking at it (OK closes), or closed.
enum : std::int32_t { Choice = 0, Viewing = 1, Closed = 2 };
}  // namespace tenrali::item_view
