#pragma once
// Our own BMP reader: every picture of the game is a BMP file. It accepts the uncompressed
// forms (1, 4, 8 bits with a palette; 16, 24, 32 bits, with or without bit masks), bottom-up
// or top-down, and refuses everything else with a reason, never reading past the bytes given.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tenrali {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, row by row from the top
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The largest picture we accept; the game's largest is 600 x 450.
inline constexpr int kMaxPictureSide = 8192;
inline constexpr std::int64_t kMaxPicturePixels = 16 * 1024 * 1024;

// Decodes a whole BMP file; on failure returns false with the reason in `error`.
bool decodeBmp(std::string_view bytes, Image& out, std::string& error);
// The pixel size from the headers alone (same checks on the headers, none on the pixels).
bool bmpSize(std::string_view bytes, int& width, int& height, std::string& error);
// What decodeBmp would say of a file, from its first bytes (at least the first 4 KiB, or all of
// it) and its whole size, without decoding it: its pixel size, or the same refusal. Only the
// pixels of a palette smaller than its bit depth can still be refused (one may point past the
// palette): `needsPixels` says so, and then only decodeBmp can tell.
inline constexpr std::size_t kBmpHeadBytes = 4096;
bool bmpCheck(std::string_view head, std::uint64_t fileSize, int& width, int& height, bool& needsPixels,
              std::string& error);

// Writes a 24-bit BMP (used for screenshots).
std::string encodeBmp24(const Image& image);

}  // namespace tenrali
