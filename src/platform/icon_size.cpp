#include "platform/icon_size.h"

#include <algorithm>
#include <cstdint>

namespace tenrali {

Image iconOfSaneSize(const Image& icon) {
  const int side = std::max(icon.width, icon.height);
  if (side <= kMaxIconSide) return icon;
  Image out;
  out.width = std::max(1, static_cast<int>(static_cast<long long>(icon.width) * kMaxIconSide / side));
  out.height = std::max(1, static_cast<int>(static_cast<long long>(icon.height) * kMaxIconSide / side));
  out.pixels.resize(static_cast<std::size_t>(out.width) * out.height);
  for (int y = 0; y < out.height; ++y) {
    const int y0 = static_cast<int>(static_cast<long long>(y) * icon.height / out.height);
    const int y1 = std::max(y0 + 1, static_cast<int>(static_cast<long long>(y + 1) * icon.height / out.height));
    for (int x = 0; x < out.width; ++x) {
      const int x0 = static_cast<int>(static_cast<long long>(x) * icon.width / out.width);
      const int x1 = std::max(x0 + 1, static_cast<int>(static_cast<long long>(x + 1) * icon.width / out.width));
      std::uint64_t sum[4] = {0, 0, 0, 0};
      for (int sy = y0; sy < y1; ++sy)
        for (int sx = x0; sx < x1; ++sx)
          for (int b = 0; b < 4; ++b) sum[b] += (icon.at(sx, sy) >> (8 * b)) & 0xFF;
      const std::uint64_t n = static_cast<std::uint64_t>(y1 - y0) * (x1 - x0);
      std::uint32_t pixel = 0;
      for (int b = 0; b < 4; ++b) pixel |= static_cast<std::uint32_t>((sum[b] + n / 2) / n) << (8 * b);
      out.pixels[static_cast<std::size_t>(y) * out.width + x] = pixel;
    }
  }
  return out;
}

}  // namespace tenrali
