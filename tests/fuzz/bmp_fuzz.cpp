// Pictures: any bytes either decode into a picture of the size the headers give, which written
// out and read back is the same picture, or are refused with a reason. A look at the first bytes
// and the size alone says the same, unless it says only the pixels can tell.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/bmp.h"

namespace {
[[noreturn]] void fault(const char* what) {
  std::fprintf(stderr, "fault: %s\n", what);
  std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tenrali;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Image image;
  std::string error, sizeError;
  int w = 0, h = 0;
  const bool decoded = decodeBmp(bytes, image, error);
  const bool sized = bmpSize(bytes, w, h, sizeError);
  int cw = 0, ch = 0;
  bool needsPixels = false;
  std::string checkError;
  const bool checked =
      bmpCheck(bytes.substr(0, kBmpHeadBytes), bytes.size(), cw, ch, needsPixels, checkError);
  if (checked && !needsPixels && !decoded) fault("the header look passed a picture that does not decode");
  if (!checked && decoded) fault("the header look refused a picture that decodes");
  if (!checked && checkError != error) fault("the header look and the decoder give different reasons");
  if (checked && decoded && (cw != image.width || ch != image.height)) fault("the header look gives another size");
  if (!decoded) {
    if (error.empty()) fault("a refusal without a reason");
    return 0;
  }
  if (!sized) fault("decoded, yet its headers are refused");
  if (w != image.width || h != image.height) fault("the headers and the picture disagree on the size");
  if (w < 1 || h < 1 || w > kMaxPictureSide || h > kMaxPictureSide) fault("a size outside the limits");
  if (image.pixels.size() != static_cast<std::size_t>(w) * h) fault("the pixels do not fill the picture");
  for (std::uint32_t px : image.pixels)
    if (px > 0xFFFFFF) fault("a pixel beyond 24 bits");
  Image again;
  if (!decodeBmp(encodeBmp24(image), again, error) || again.pixels != image.pixels || again.width != w)
    fault("written out and read back, the picture changed");
  return 0;
}
