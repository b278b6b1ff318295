#include "platform/png_reader.h"

#include <png.h>

#include <bit>

namespace tenrali {

bool pngSize(std::string_view bytes, int& width, int& height, std::string& error) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) {
    error = std::string("not a PNG file (") + png.message + ")";
    return false;
  }
  width = static_cast<int>(png.width);
  height = static_cast<int>(png.height);
  png_image_free(&png);
  return true;
}

bool decodePng(std::string_view bytes, Image& out, std::string& error, bool keepAlpha) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) {
    error = std::string("not a PNG file (") + png.message + ")";
    return false;
  }
  if (png.width == 0 || png.height == 0 || png.width > kMaxPictureSide || png.height > kMaxPictureSide ||
      static_cast<std::int64_t>(png.width) * png.height > kMaxPicturePixels) {
    error = "a PNG picture of " + std::to_string(png.width) + " x " + std::to_string(png.height) + " is too large";
    png_image_free(&png);
    return false;
  }
  // Each pixel lands as one 32-bit word 0xAARRGGBB, whatever the machine's byte order.
  png.format = std::endian::native == std::endian::little ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
  Image image;
  image.width = static_cast<int>(png.width);
  image.height = static_cast<int>(png.height);
  image.pixels.resize(static_cast<std::size_t>(png.width) * png.height);
  if (!png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr)) {
    error = std::string("a broken PNG file (") + png.message + ")";
    png_image_free(&png);
    return false;
  }
  if (!keepAlpha)
    for (std::uint32_t& p : image.pixels) {
      const unsigned a = p >> 24;
      auto onWhite = [a](unsigned c) { return (c * a + 255 * (255 - a) + 127) / 255; };
      p = onWhite((p >> 16) & 0xFF) << 16 | onWhite((p >> 8) & 0xFF) << 8 | onWhite(p & 0xFF);
    }
  out = std::move(image);
  return true;
}

}  // namespace tenrali
