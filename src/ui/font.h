#pragma once
#include <cstdint>
#include <string>

namespace tenrali {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

namespace colors {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb fuchsia{255, 0, 255};
inline constexpr Rgb green{0, 128, 0};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb yellow{255, 255, 0};
inline constexpr Rgb lime{0, 255, 0};
inline constexpr Rgb blue{0, 0, 255};
}  // namespace colors

// The faces of the window description, by their Windows names; the front end maps them to
// installed fonts.
namespace faces {
inline constexpr const char* pGothic = "ＭＳ Ｐゴシック";
inline constexpr const char* pMincho = "ＭＳ Ｐ明朝";
inline constexpr const char* mincho = "ＭＳ 明朝";
inline constexpr const char* serif = "MS Serif";
inline constexpr const char* script = "Embassy JS";
}  // namespace faces

struct Font {
  std::string face = faces::pGothic;
  int height = 12;  // character height in pixels
  Rgb color = colors::black;
  bool bold = false;
  bool italic = false;
  bool operator==(const Font&) const = default;
};

}  // namespace tenrali
