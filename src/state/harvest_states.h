#pragma once
// The harvest behind "収穫" (harvestState): the harvest's words wait for OK, or no harvest is shown.
#include <cstdint>

namespace tenrali::harvest {
enum : std::int32_t { Shown = 0, Closed = 5 };
}  // namespace tenrali::harvest
