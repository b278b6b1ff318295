#include "data/bmp.h"

#include <array>
#include <bit>

namespace tenrali {

namespace {

std::uint32_t u16(std::string_view b, std::size_t at) {
  return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8;
}
std::uint32_t u32(std::string_view b, std::size_t at) {
  return u16(b, at) | u16(b, at + 2) << 16;
}

struct Header {
  std::int64_t width = 0, height = 0;
  bool topDown = false;
  int bits = 0;
  std::uint32_t compression = 0;
  std::uint32_t dataOffset = 0;
  std::size_t paletteAt = 0;
  int paletteEntrySize = 4;
  std::uint32_t paletteCount = 0;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue
};

constexpr std::uint32_t kRgb = 0, kBitfields = 3, kAlphaBitfields = 6;

bool readHeader(std::string_view b, Header& h, std::string& error) {
  if (b.size() < 26) return error = "not a BMP file (too short)", false;
  if (b[0] != 'B' || b[1] != 'M') return error = "not a BMP file", false;
  h.dataOffset = u32(b, 10);
  std::uint32_t infoSize = u32(b, 14);
  if (infoSize == 12) {  // the old OS/2 header: 16-bit sizes, 3-byte palette entries
    h.width = u16(b, 18);
    h.height = static_cast<std::int16_t>(u16(b, 20));
    h.bits = static_cast<int>(u16(b, 24));
    h.paletteEntrySize = 3;
  } else if (infoSize >= 40 && infoSize <= 124) {
    if (b.size() < 14 + infoSize) return error = "the BMP header is cut short", false;
    h.width = static_cast<std::int32_t>(u32(b, 18));
    h.height = static_cast<std::int32_t>(u32(b, 22));
    h.bits = static_cast<int>(u16(b, 28));
    h.compression = u32(b, 30);
    h.paletteCount = u32(b, 46);
    if (h.compression == kBitfields || h.compression == kAlphaBitfields) {
      std::size_t maskAt = 14 + 40;  // right after a 40-byte header, or inside a longer one
      if (b.size() < maskAt + 12) return error = "the BMP bit masks are cut short", false;
      h.masks = {u32(b, maskAt), u32(b, maskAt + 4), u32(b, maskAt + 8)};
    }
  } else {
    return error = "unknown BMP header size " + std::to_string(infoSize), false;
  }
  h.paletteAt = 14 + infoSize;
  if (infoSize == 40 && (h.compression == kBitfields || h.compression == kAlphaBitfields))
    h.paletteAt += h.compression == kBitfields ? 12 : 16;
  if (h.height < 0) {
    h.topDown = true;
    h.height = -h.height;
  }
  if (h.width <= 0 || h.height <= 0) return error = "the BMP has no pixels (zero size)", false;
  if (h.width > kMaxPictureSide || h.height > kMaxPictureSide || h.width * h.height > kMaxPicturePixels)
    return error = "the BMP claims an absurd size " + std::to_string(h.width) + " x " + std::to_string(h.height),
           false;
  switch (h.bits) {
    case 1: case 4: case 8:
      if (h.compression != kRgb) return error = "compressed BMP files are not supported", false;
      if (h.paletteCount == 0) h.paletteCount = 1u << h.bits;
      if (h.paletteCount > (1u << h.bits)) return error = "the BMP palette is larger than its bit depth allows", false;
      break;
    case 16: case 24: case 32:
      if (h.compression == kRgb) {
        if (h.bits == 16) h.masks = {0x7C00, 0x03E0, 0x001F};
      } else if ((h.compression == kBitfields || h.compression == kAlphaBitfields) && h.bits != 24) {
        if (h.masks[0] == 0 || h.masks[1] == 0 || h.masks[2] == 0) return error = "the BMP bit masks are empty", false;
      } else {
        return error = "compressed BMP files are not supported", false;
      }
      break;
    default:
      return error = "unsupported BMP bit depth " + std::to_string(h.bits), false;
  }
  return true;
}

// Bytes per row of pixels in the file: rows are padded to whole 32-bit words.
std::uint64_t stride(const Header& h) { return ((static_cast<std::uint64_t>(h.width) * h.bits + 31) / 32) * 4; }

// Scales a masked channel to 0..255.
std::uint32_t channel(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) return 0;
  int shift = std::countr_zero(mask);
  std::uint32_t max = mask >> shift;
  std::uint32_t v = (value & mask) >> shift;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(v) * 255 + max / 2) / max);
}

// What the headers promise must lie within the file: the palette and every row of pixels.
bool checkLayout(const Header& h, std::uint64_t fileSize, std::string& error) {
  if (h.bits <= 8) {
    std::uint64_t end = h.paletteAt + static_cast<std::uint64_t>(h.paletteCount) * h.paletteEntrySize;
    if (end > fileSize) return error = "the BMP palette is cut short", false;
  }
  const std::uint64_t need = static_cast<std::uint64_t>(h.dataOffset) + stride(h) * static_cast<std::uint64_t>(h.height);
  if (h.dataOffset < 26 || need > fileSize) return error = "the BMP pixel data is cut short", false;
  return true;
}

}  // namespace

bool bmpSize(std::string_view bytes, int& width, int& height, std::string& error) {
  Header h;
  if (!readHeader(bytes, h, error)) return false;
  width = static_cast<int>(h.width);
  height = static_cast<int>(h.height);
  return true;
}

bool bmpCheck(std::string_view head, std::uint64_t fileSize, int& width, int& height, bool& needsPixels,
              std::string& error) {
  Header h;
  if (!readHeader(head, h, error) || !checkLayout(h, fileSize, error)) return false;
  width = static_cast<int>(h.width);
  height = static_cast<int>(h.height);
  needsPixels = h.bits <= 8 && h.paletteCount < (1u << h.bits);
  return true;
}

bool decodeBmp(std::string_view b, Image& out, std::string& error) {
  Header h;
  if (!readHeader(b, h, error) || !checkLayout(h, b.size(), error)) return false;
  std::vector<std::uint32_t> palette;
  if (h.bits <= 8) {
    for (std::uint32_t i = 0; i < h.paletteCount; ++i) {
      std::size_t at = h.paletteAt + static_cast<std::size_t>(i) * h.paletteEntrySize;
      auto byte = [&](std::size_t k) { return static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + k])); };
      palette.push_back(byte(2) << 16 | byte(1) << 8 | byte(0));
    }
  }
  const std::uint64_t rowBytes = stride(h);

  Image img;
  img.width = static_cast<int>(h.width);
  img.height = static_cast<int>(h.height);
  img.pixels.resize(static_cast<std::size_t>(img.width) * img.height);
  for (int y = 0; y < img.height; ++y) {
    int fileRow = h.topDown ? y : img.height - 1 - y;
    std::size_t row = h.dataOffset + static_cast<std::size_t>(rowBytes) * fileRow;
    std::uint32_t* dst = &img.pixels[static_cast<std::size_t>(y) * img.width];
    if (h.bits == 24) {  // every picture of the game: a loop of its own, several times faster
      const auto* src = reinterpret_cast<const std::uint8_t*>(b.data() + row);
      for (int x = 0; x < img.width; ++x, src += 3)
        dst[x] = static_cast<std::uint32_t>(src[2]) << 16 | static_cast<std::uint32_t>(src[1]) << 8 | src[0];
      continue;
    }
    for (int x = 0; x < img.width; ++x) {
      std::uint32_t px = 0;
      switch (h.bits) {
        case 1: case 4: case 8: {
          std::size_t bit = static_cast<std::size_t>(x) * h.bits;
          unsigned byte = static_cast<std::uint8_t>(b[row + bit / 8]);
          unsigned index = (byte >> (8 - h.bits - bit % 8)) & ((1u << h.bits) - 1);
          if (index >= palette.size()) return error = "a BMP pixel points outside the palette", false;
          px = palette[index];
          break;
        }
        case 16: {
          std::uint32_t v = u16(b, row + static_cast<std::size_t>(x) * 2);
          px = channel(v, h.masks[0]) << 16 | channel(v, h.masks[1]) << 8 | channel(v, h.masks[2]);
          break;
        }
        case 32: {
          std::uint32_t v = u32(b, row + static_cast<std::size_t>(x) * 4);
          px = h.compression == kRgb ? (v & 0xFFFFFF)
                                     : channel(v, h.masks[0]) << 16 | channel(v, h.masks[1]) << 8 |
                                           channel(v, h.masks[2]);
          break;
        }
      }
      dst[x] = px;
    }
  }
  out = std::move(img);
  return true;
}

std::string encodeBmp24(const Image& image) {
  const std::uint32_t stride = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
  const std::uint32_t dataSize = stride * static_cast<std::uint32_t>(image.height);
  std::string out(54 + dataSize, '\0');
  auto put16 = [&](std::size_t at, std::uint32_t v) {
    out[at] = static_cast<char>(v & 0xFF);
    out[at + 1] = static_cast<char>((v >> 8) & 0xFF);
  };
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    put16(at, v & 0xFFFF);
    put16(at + 2, v >> 16);
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, 54 + dataSize);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(image.width));
  put32(22, static_cast<std::uint32_t>(image.height));
  put16(26, 1);
  put16(28, 24);
  put32(34, dataSize);
  put32(38, 3780);
  put32(42, 3780);
  for (int y = 0; y < image.height; ++y) {
    std::size_t row = 54 + static_cast<std::size_t>(stride) * (image.height - 1 - y);
    for (int x = 0; x < image.width; ++x) {
      std::uint32_t px = image.at(x, y);
      out[row + x * 3] = static_cast<char>(px & 0xFF);
      out[row + x * 3 + 1] = static_cast<char>((px >> 8) & 0xFF);
      out[row + x * 3 + 2] = static_cast<char>((px >> 16) & 0xFF);
    }
  }
  return out;
}

}  // namespace tenrali
