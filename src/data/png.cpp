#include "data/png.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tenrali {

namespace {

std::uint32_t crc32(const std::string& data, std::size_t from) {
  static const auto table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::size_t i = from; i < data.size(); ++i) c = table[(c ^ static_cast<std::uint8_t>(data[i])) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void put32(std::string& out, std::uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<char>((v >> s) & 0xFF));
}

void chunk(std::string& out, const char* type, const std::string& body) {
  put32(out, static_cast<std::uint32_t>(body.size()));
  std::size_t start = out.size();
  out.append(type, 4);
  out += body;
  put32(out, crc32(out, start));
}

}  // namespace

std::string encodePng(const Image& image) {
  std::string raw;
  raw.reserve(static_cast<std::size_t>(image.height) * (image.width * 3 + 1));
  for (int y = 0; y < image.height; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < image.width; ++x) {
      std::uint32_t px = image.at(x, y);
      raw.push_back(static_cast<char>((px >> 16) & 0xFF));
      raw.push_back(static_cast<char>((px >> 8) & 0xFF));
      raw.push_back(static_cast<char>(px & 0xFF));
    }
  }
  // zlib stream of stored blocks, with its Adler-32 check.
  std::string z = "\x78\x01";
  std::uint32_t a = 1, b = 0;
  for (char c : raw) {
    a = (a + static_cast<std::uint8_t>(c)) % 65521;
    b = (b + a) % 65521;
  }
  for (std::size_t at = 0; at < raw.size() || at == 0; at += 65535) {
    std::size_t len = std::min<std::size_t>(65535, raw.size() - at);
    bool last = at + len >= raw.size();
    z.push_back(last ? 1 : 0);
    z.push_back(static_cast<char>(len & 0xFF));
    z.push_back(static_cast<char>(len >> 8));
    z.push_back(static_cast<char>(~len & 0xFF));
    z.push_back(static_cast<char>((~len >> 8) & 0xFF));
    z.append(raw, at, len);
    if (last) break;
  }
  put32(z, b << 16 | a);

  std::string out = "\x89PNG\r\n\x1a\n";
  std::string header;
  put32(header, static_cast<std::uint32_t>(image.width));
  put32(header, static_cast<std::uint32_t>(image.height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB
  chunk(out, "IHDR", header);
  chunk(out, "IDAT", z);
  chunk(out, "IEND", "");
  return out;
}

}  // namespace tenrali
