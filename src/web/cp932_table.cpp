// cp932 from tables taken at build time from glibc's converter, for a C library without CP932
// (the browser's): the same answers as the desktop's iconv, byte for byte.
#include <algorithm>
#include <cstdint>

#include "cp932_table.h"  // written by tools/web/cp932_table.py
#include "data/cp932.h"
#include "data/utf8.h"

namespace tenrali {

namespace {

namespace t = cp932_table;

// The next character of well-formed UTF-8 (no overlong forms, no surrogates), or false.
bool nextUtf8(std::string_view s, std::size_t& i, char32_t& cp) {
  const auto byte = [&s](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = byte(i);
  std::size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
  if (len == 0 || i + len > s.size()) return false;
  cp = len == 1 ? c : c & (0x7F >> len);
  for (std::size_t k = 1; k < len; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return false;
    cp = cp << 6 | (byte(i + k) & 0x3F);
  }
  constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < least[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return false;
  i += len;
  return true;
}

}  // namespace

std::optional<std::string> cp932ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(bytes[i]);
    if (t::kSingle[b] != 0xFFFF) {
      appendUtf8(out, t::kSingle[b]);
      continue;
    }
    if (b < t::kFirstLead || b > t::kLastLead || i + 1 == bytes.size()) return std::nullopt;
    const unsigned char trail = static_cast<unsigned char>(bytes[++i]);
    if (trail < t::kFirstTrail || trail > t::kLastTrail) return std::nullopt;
    const std::uint16_t cp = t::kPairs[(b - t::kFirstLead) * t::kTrails + (trail - t::kFirstTrail)];
    if (cp == 0) return std::nullopt;
    appendUtf8(out, cp);
  }
  return out;
}

std::optional<std::string> utf8ToCp932(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = 0;
    if (!nextUtf8(text, i, cp)) return std::nullopt;
    const auto* end = std::end(t::kEncodings);
    const auto* found = std::lower_bound(std::begin(t::kEncodings), end, cp,
                                         [](const t::Encoding& e, char32_t c) { return e.cp < c; });
    if (found == end || found->cp != cp) return std::nullopt;
    if (found->bytes > 0xFF) out.push_back(static_cast<char>(found->bytes >> 8));
    out.push_back(static_cast<char>(found->bytes & 0xFF));
  }
  return out;
}

}  // namespace tenrali
